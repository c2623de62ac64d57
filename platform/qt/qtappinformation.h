#pragma once

#include "appinformation.h"

namespace brisolant {

// The running executable's name and the build's version numbers.
class QtAppInformation final : public AppInformation {
public:
    [[nodiscard]] std::string executableBaseName() const override;
    [[nodiscard]] std::int16_t major() const override;
    [[nodiscard]] std::int16_t minor() const override;
    [[nodiscard]] std::int16_t revision() const override;
};

} // namespace brisolant
