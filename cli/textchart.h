#pragma once

#include "switchchart.h"

#include <QByteArray>

#include <vector>

namespace brisolant {

// The chart as UTF-8 text, one line per fixture in columns: its name (or its
// number in the list), its start address, the nine switches as 1 and 0 with
// switch 1 first, and the numbers of the switches to turn ON:
//   Spot left  100  001001100  ON: 3 6 7
class TextChart final {
public:
    [[nodiscard]] static QByteArray render(const std::vector<SwitchChart::Row>& rows);
};

} // namespace brisolant
