#include "headlessswitchbank.h"

namespace brisolant {

HeadlessSwitchBank::HeadlessSwitchBank(modApp& app)
    : m_bank(*this, app) {
    for (auto& pair : m_positions) {
        pair.setValue(kOffPosition, true);
        // Wired after the start position is set: creating the bank is not a click.
        pair.setClickHandler([this](OptionSlot) { m_bank.UpdateAddressFromSwitches(); });
    }
}

OptionPair& HeadlessSwitchBank::positions(int digit) {
    return m_positions.at(digit);
}

void HeadlessSwitchBank::setAddressText(std::string_view text) {
    m_text = text;
    if (m_observer) {
        m_observer(m_text);
    }
}

} // namespace brisolant
