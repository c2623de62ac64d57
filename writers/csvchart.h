#pragma once

#include "switchchart.h"

#include <QByteArray>

#include <string_view>

namespace brisolant {

// The chart as CSV for scripts and spreadsheets: UTF-8, commas, the header row
// kHeader and a row per fixture: its place in the list, its number from the
// file (empty where it has none), its name, universe (from 1), start address,
// channel count, the switches as 1 and 0 with switch 1 first, separated by
// blanks, the ON switch numbers separated by blanks (both empty for dials and
// a display), its addressing profile's name, and what to set in the fixture's
// words: the switches ON, the dials' digits as printed ("1 0 0") or the
// display's text ("A100"). A field with a comma, a quote or a line break in it
// is quoted, its quotes doubled.
//
// The switches are "0 1 0 0 0 0 0 0 0", not "010000000": a spreadsheet's
// default import takes nine digits for a number and drops the leading zeros
// (address 2 would read as switch 1 ON), while with blanks between them every
// spreadsheet keeps the cell as text, and a script splits it at the blanks as
// it does the ON column.
//
// A number or name from a file that a spreadsheet would take for a formula
// (starting with =, +, -, @, a tab or a carriage return) gets an apostrophe
// before it, inside the field's quotes where it has them:
// "'=HYPERLINK(""http://…"",""Spot"")" or '+1. LibreOffice Calc and Excel
// show such a field as text, the apostrophe with it, never as a live formula
// or link, and Calc saves it back as it was. So that a script undoes the rule
// simply, dropping a leading apostrophe, a field that starts with an
// apostrophe of its own gets one more.
class CsvChart final {
public:
    static constexpr std::string_view kHeader =
        "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set";

    [[nodiscard]] static QByteArray render(const SwitchChart::Chart& chart);
};

} // namespace brisolant
