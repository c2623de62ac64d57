#pragma once

#include "readcontrol.h"
#include "rig.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

// A patch list as consoles, plot programs and spreadsheets export it: rows of
// fields separated by commas, semicolons or tabs (whichever the header row
// uses), fields perhaps quoted ("" for a quote inside), in UTF-8 or UTF-16,
// or else in Windows-1252, as spreadsheets save plain CSV on Western systems.
//
// The header is the first row among the first kHeaderSearch lines, or the
// first row after a START_ marker, that names an address column; rows above
// it are skipped, and a section marker such as END_CHANNELS or [Fixtures]
// ends the list. Columns are found by the names PatchColumns gives, without
// case and with blanks folded; where several match, the first listed wins.
// An address is "17", "2/17", "2.17", "1-017", "2:17", "3/151<153", or a
// number counting across universes, 513 being 2/1. An empty field, or "-" as
// some programs write for none, is no value; an address that is empty or 0
// is a fixture not patched.
class PatchList final {
public:
    static constexpr int kHeaderSearch = 20;
    // Rows read between two looks at a ReadControl.
    static constexpr std::size_t kRowsBetweenProgress = 4096;
    // The text is decoded so many bytes at a time into a window of a few
    // records' length that slides over the rows: it is never held whole.
    static constexpr qsizetype kPiece = qsizetype{1} << 16;

    // The fixtures of the list in its order, each with its line and its
    // fields as written. Reads in time in proportion to the text, and holds
    // little more than the bytes and the fixtures while it reads. Throws
    // ChartRefused, naming fileName and the line, for a file with no address
    // column, a quote never closed, a row past riglimits::kLongestRecord or
    // kMostFields, more fixtures than kMostFixtures, or a field that is plainly
    // wrong: an address in no notation above, a universe or channel count
    // that is no whole number. With a control, tells its parse as the second
    // half of the file's progress, and throws ReadCancelled once cancelled.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName,
                                  ReadControl* control = nullptr);
};

} // namespace brisolant
