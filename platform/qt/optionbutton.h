#pragma once

#include "optionpair.h"

#include <QPushButton>

namespace brisolant {

class HandlerBoundary;

// One position of a two-way switch, drawn as a push button that stays pressed
// in while selected. The OptionPair's value is the truth and the button only
// shows it: a click asks the pair for True, which raises the Click nested as
// code would. Qt's own exclusive groups cannot unselect their selected button,
// so they are not used.
//
// The selected position is drawn as the switch's lever, face and caption
// colours swapped, so that it stands out at a glance in light and dark
// palettes alike; the focus is a ring in the caption's colour.
//
// Keyboard: Tab stops only at the selected position of a switch; Up selects
// the upper position and Down the lower, whichever has the focus, and the
// focus follows; Space selects the focused one. Left and Right are left to
// the parent, which knows the neighbouring switches.
class OptionButton final : public QPushButton {
    Q_OBJECT

public:
    OptionButton(OptionPair& pair, OptionSlot slot, HandlerBoundary& boundary, QWidget* parent);

    [[nodiscard]] OptionSlot slot() const { return m_slot; }

    // Shows pair on upper and lower and keeps them in step with it.
    static void bindPair(OptionPair& pair, OptionButton& upper, OptionButton& lower);

protected:
    void nextCheckState() override;
    void checkStateSet() override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showPairState();

    OptionPair& m_pair;
    OptionSlot m_slot;
    HandlerBoundary& m_boundary;
    OptionButton* m_partner = nullptr;
};

} // namespace brisolant
