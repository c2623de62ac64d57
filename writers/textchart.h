#pragma once

#include "switchchart.h"

#include <QByteArray>
#include <QCoreApplication>

namespace brisolant {

// The chart as UTF-8 text, one line per fixture in columns: its number and
// name (or its place in the list), its universe and start address (the
// universe only where the chart shows universes), the switches as 1 and 0
// with switch 1 first as the fixture numbers them, and the numbers of the
// switches to turn ON; for dials their digits, for a display its text:
//   Spot left  100  001001100  ON: 3 6 7
//   Spot left  2/100  001001100  ON: 3 6 7
//   Dimmer     2/100             dials: 1 0 0
class TextChart final {
    Q_DECLARE_TR_FUNCTIONS(TextChart)

public:
    // For a file or a pipe, the same in every language, for scripts: no
    // heading, and every label padded to the longest.
    [[nodiscard]] static QByteArray render(const SwitchChart::Chart& chart);

    // For a terminal this many columns wide: a first line naming the columns,
    // and labels too long for the width shortened in the middle, keeping their
    // end (where numbers and sides are), so that no line wraps.
    [[nodiscard]] static QByteArray renderForTerminal(const SwitchChart::Chart& chart, int columns);
};

} // namespace brisolant
