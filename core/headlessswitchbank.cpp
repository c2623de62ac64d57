#include "headlessswitchbank.h"

namespace brisolant {

HeadlessSwitchBank::HeadlessSwitchBank(modApp& app)
    : m_bank(*this, app) {
    m_bank.connectPositions();
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
