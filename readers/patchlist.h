#pragma once

#include "switchchart.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace brisolant {

// A patch list as consoles, plot programs and spreadsheets export it: rows of
// fields separated by commas, semicolons or tabs (whichever the header row
// uses), fields perhaps quoted ("" for a quote inside), in UTF-8 or UTF-16
// with a byte order mark, or else in Windows-1252, as spreadsheets save plain
// CSV on Western systems.
//
// The header is the first row among the first 20, or the first row after a
// START_ marker, that names an address column; rows above it are skipped, and
// a section marker such as END_CHANNELS ends the list. Columns are found by
// name, without case and with blanks folded; where several match, the first
// name in each list below wins:
//   address    Address, Start address, DMX, DMX Address, Dmxno, DMX#, Patch,
//              Patch Address: "17", "2/17", "2.17", "1-017", "2:17", "3/151<153",
//              or a number counting across universes, 513 being 2/1;
//   universe   Universe, Patch Universe, DMX Line, Line;
//   name       Name, Fixture, Label, Headname, Head name, Purpose, Instrument
//              Type, Type;
//   number     Channel, FID, Fixture ID, Unit Number, Unit#, Spot, Headno, Head no;
//   channels   Channels, Num Channels, DMX Channels, # of Data Channels, Chans,
//              DMX Qty, Footprint, DMX Footprint.
// An empty field, or "-" as some programs write for none, is no value; an
// address that is empty or 0 is a fixture not patched.
class PatchList final {
public:
    // The fixtures of the list in its order, each with its line. Throws
    // ChartRefused, naming fileName and the line, for a file with no address
    // column, a quote never closed, or a field that is plainly wrong: an address
    // in no notation above, a universe or channel count that is no whole number.
    [[nodiscard]] static std::vector<SwitchChart::Fixture> read(const QByteArray& bytes,
                                                                const QString& fileName);
};

} // namespace brisolant
