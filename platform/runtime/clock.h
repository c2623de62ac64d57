#pragma once

namespace brisolant {

// Today's date, as far as the program needs it. Injected so that tests can
// choose the year.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual int currentYear() const = 0;
};

} // namespace brisolant
