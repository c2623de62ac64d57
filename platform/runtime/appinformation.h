#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brisolant {

// What the running program knows about itself.
class AppInformation {
public:
    virtual ~AppInformation() = default;
    // The running executable's file name without folder and extension.
    [[nodiscard]] virtual std::string executableBaseName() const = 0;
    [[nodiscard]] virtual std::int16_t major() const = 0;
    [[nodiscard]] virtual std::int16_t minor() const = 0;
    [[nodiscard]] virtual std::int16_t revision() const = 0;
};

// "/opt/x/Brisolant" -> "Brisolant", "C:\\x\\Brisolant.exe" -> "Brisolant".
// Only ".exe" counts as an extension: on Linux a dot in a program's name is
// part of the name.
[[nodiscard]] std::string baseNameOfExecutable(std::string_view path);

} // namespace brisolant
