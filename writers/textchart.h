#pragma once

#include "switchchart.h"

#include <QByteArray>

namespace brisolant {

// The chart as UTF-8 text, one line per fixture in columns: its number and
// name (or its place in the list), its universe and start address (the
// universe only where the chart shows universes), the nine switches as 1 and 0
// with switch 1 first, and the numbers of the switches to turn ON:
//   Spot left  100  001001100  ON: 3 6 7
//   Spot left  2/100  001001100  ON: 3 6 7
class TextChart final {
public:
    [[nodiscard]] static QByteArray render(const SwitchChart::Chart& chart);
};

} // namespace brisolant
