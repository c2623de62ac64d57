#include "optionbutton.h"

#include "focusring.h"
#include "handlerboundary.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace brisolant {

namespace {

// Mostly ink with a little of the face, so that the lever is not a hole.
QColor leverColour(const QColor& ink, const QColor& face) {
    constexpr float kInk = 0.82F;
    return QColor::fromRgbF(kInk * ink.redF() + (1 - kInk) * face.redF(),
                            kInk * ink.greenF() + (1 - kInk) * face.greenF(),
                            kInk * ink.blueF() + (1 - kInk) * face.blueF());
}

} // namespace

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
    const int key = event->key();
    // The keypad's arrows (NumLock off) carry the keypad modifier and mean the
    // same as the arrow keys.
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || m_partner == nullptr) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        event->ignore();
        return;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Up asks for the upper position and Down for the lower, with its Click
    // as a mouse click would. The focus moves only after the Click, so that a
    // screen reader hears the position with the address it gives.
    const OptionSlot wanted = key == Qt::Key_Up ? OptionSlot::Upper : OptionSlot::Lower;
    OptionButton* target = wanted == m_slot ? this : m_partner;
    m_boundary.run([this, wanted] { m_pair.setValue(wanted, true); });
    target->setFocus(Qt::TabFocusReason);
}

void OptionButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QColor face = palette().color(QPalette::Button);
    QColor ink = palette().color(QPalette::ButtonText);
    if (isChecked()) {
        painter.fillRect(rect().adjusted(1, 1, -1, -1), leverColour(ink, face));
        ink = face;
    }
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        // Above and below the caption: a three-digit weight fills the width.
        // The last row and column lie under the neighbours.
        FocusRing::paint(painter, rect().adjusted(1, 2, -2, -3), ink, false);
    }
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

#include "moc_optionbutton.cpp"
