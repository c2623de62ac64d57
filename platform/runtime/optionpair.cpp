#include "optionpair.h"

namespace brisolant {

void OptionPair::setValue(OptionSlot slot, bool value) {
    auto& own = m_values[index(slot)];
    if (own == value) {
        return;
    }
    own = value;
    if (value) {
        m_values[index(partnerOf(slot))] = false;
    }
    notifyChanged();
    if (value && m_click) {
        m_click(slot);
    }
}

void OptionPair::notifyChanged() const {
    if (m_changed) {
        m_changed();
    }
}

} // namespace brisolant
