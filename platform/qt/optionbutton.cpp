#include "optionbutton.h"

#include "handlerboundary.h"

#include <QKeyEvent>

namespace brisolant {

OptionButton::OptionButton(OptionPair& pair, OptionSlot slot, HandlerBoundary& boundary,
                           QWidget* parent)
    : QPushButton(parent)
    , m_pair(pair)
    , m_slot(slot)
    , m_boundary(boundary) {
    setCheckable(true);
    setAutoExclusive(false);
    setAutoDefault(false);
    showPairState();
}

void OptionButton::bindPair(OptionPair& pair, OptionButton& upper, OptionButton& lower) {
    upper.m_partner = &lower;
    lower.m_partner = &upper;
    pair.setChangeObserver([&upper, &lower] {
        upper.showPairState();
        lower.showPairState();
    });
    upper.showPairState();
    lower.showPairState();
}

void OptionButton::nextCheckState() {
    // A click never unchecks: it selects this position, if it is not already.
    m_boundary.run([this] { m_pair.setValue(m_slot, true); });
}

void OptionButton::checkStateSet() {
    // setChecked() from outside, as a screen reader's toggle action does: a
    // request for True goes to the pair; nothing may unselect a position.
    if (isChecked() == m_pair.value(m_slot)) {
        return;
    }
    if (isChecked()) {
        m_boundary.run([this] { m_pair.setValue(m_slot, true); });
    } else {
        showPairState();
    }
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (!arrow || m_partner == nullptr || event->modifiers() != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Like a group of option buttons: the arrow moves to the other position
    // and selects it, with its Click, as a mouse click would.
    m_partner->setFocus(Qt::TabFocusReason);
    m_boundary.run([this] { m_pair.setValue(partnerOf(m_slot), true); });
}

void OptionButton::showPairState() {
    const bool selected = m_pair.value(m_slot);
    setChecked(selected);
    // Tab stops once per switch, at its selected position; with neither
    // selected, at the upper one.
    const bool neither = !m_pair.value(OptionSlot::Upper) && !m_pair.value(OptionSlot::Lower);
    const bool tabStop = selected || (neither && m_slot == OptionSlot::Upper);
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace brisolant
