#pragma once

#include "clock.h"

namespace brisolant {

// The local date of the machine.
class SystemClock final : public Clock {
public:
    [[nodiscard]] int currentYear() const override;
};

} // namespace brisolant
