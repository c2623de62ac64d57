#pragma once

#include "switchchart.h"

#include <QByteArray>

namespace brisolant {

// The chart as CSV for scripts and spreadsheets: UTF-8, commas, one header row
//   Number,Name,Universe,Address,Channels,Switches,ON
// and a row per fixture: its place in the list, its name, universe (from 1),
// start address, channel count, the nine switches as 1 and 0 with switch 1
// first, and the ON switch numbers separated by blanks. A field with a comma,
// a quote or a line break in it is quoted.
class CsvChart final {
public:
    [[nodiscard]] static QByteArray render(const SwitchChart::Chart& chart);
};

} // namespace brisolant
