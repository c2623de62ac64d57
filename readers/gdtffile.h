#pragma once

#include "readcontrol.h"
#include "riglimits.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <optional>

namespace brisolant {

// What a chart needs of a GDTF fixture type: how many channels each DMX break
// of each mode takes. A GDTF file is a zip holding description.xml; a mode's
// channels in a break are its DMXChannels with that DMXBreak, and the break
// takes as many channels as the highest of their Offset numbers ("1,2" is a
// 16-bit channel; "None" or none is no channel at all), in whatever order
// they are listed. Channels of a geometry that GeometryReferences repeat
// count once per reference, moved by its Break's DMXOffset, in the
// reference's last break where they say "Overwrite".
class GdtfFile final {
public:
    // Reads the file, counting what inflates against budget. Throws
    // ChartRefused, its message beginning with where, when it cannot be read,
    // holds more than riglimits::kMostGdtfParts, or a number that is none;
    // with a control, ReadCancelled once it is cancelled.
    GdtfFile(const QByteArray& gdtf, const QString& where, riglimits::InflateBudget& budget,
             const ReadControl* control = nullptr);
    ~GdtfFile();
    GdtfFile(const GdtfFile&) = delete;
    GdtfFile& operator=(const GdtfFile&) = delete;
    GdtfFile(GdtfFile&&) = delete;
    GdtfFile& operator=(GdtfFile&&) = delete;

    // The channel count of the break (from 1) of the mode; nothing when the
    // file has no such mode, or the mode no channel in that break. A mode's
    // counts are worked out when first asked for, in time in proportion to
    // its channels and the references they meet.
    [[nodiscard]] std::optional<int> channels(const QString& mode, int dmxBreak);

    // The fixture type's Manufacturer and Name, as the file writes them.
    [[nodiscard]] QString maker() const;
    [[nodiscard]] QString type() const;

    struct Description;

private:
    std::unique_ptr<const Description> m_description;
    std::map<QString, std::map<int, int>> m_footprints; // by mode, then by break
};

} // namespace brisolant
