#pragma once

#include "optionpair.h"

#include <string_view>

namespace brisolant {

// What the switch bank's operations need of their surroundings: the two
// positions of each of the nine switches and a place to show the address.
// The window provides it with option buttons and a label; HeadlessSwitchBank
// provides it with plain objects. In each pair the upper position is OFF and
// the lower is ON.
class SwitchBankView {
public:
    static constexpr int kSwitchCount = 9;

    virtual ~SwitchBankView() = default;
    // The switch of weight 2 to the power digit, 0 <= digit < kSwitchCount.
    [[nodiscard]] virtual OptionPair& positions(int digit) = 0;
    virtual void setAddressText(std::string_view text) = 0;
};

inline constexpr OptionSlot kOffPosition = OptionSlot::Upper;
inline constexpr OptionSlot kOnPosition = OptionSlot::Lower;

} // namespace brisolant
