#pragma once

#include "switchchart.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace brisolant {

// A patch list as lighting consoles and spreadsheets export it: CSV in UTF-8
// (a byte order mark is fine) with a header row, fields separated by commas
// or, as a German spreadsheet writes them, semicolons; fields may be quoted
// ("" for a quote inside). The Address column (also "Start address" or "DMX",
// in any case) gives each fixture's start address, a Name or Fixture column
// its name; other columns are ignored, and so are empty rows.
class PatchList final {
public:
    // The fixtures of the list in its order, each with its line. Throws
    // ChartRefused, naming fileName and the line, for text that is not UTF-8,
    // a quote never closed or a header without an Address column.
    [[nodiscard]] static std::vector<SwitchChart::Fixture> read(const QByteArray& bytes,
                                                                const QString& fileName);
};

} // namespace brisolant
