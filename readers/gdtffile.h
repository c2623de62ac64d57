#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>

namespace brisolant {

// What a chart needs of a GDTF fixture type: how many channels each DMX break
// of each mode takes. A GDTF file is a zip holding description.xml; a mode's
// channels in a break are its DMXChannels with that DMXBreak, and the break
// takes as many channels as the highest of their Offset numbers ("1,2" is a
// 16-bit channel; "None" or none is no channel at all). Channels of a geometry
// that GeometryReferences repeat count once per reference, moved by its
// Break's DMXOffset, in the reference's last break where they say "Overwrite".
class GdtfFile final {
public:
    // Reads the file. Throws ZipArchive::Error or ChartRefused (with where in
    // its message) when it cannot be read.
    GdtfFile(const QByteArray& gdtf, std::int64_t& budget, const QString& where);

    // The channel count of the break (from 1) of the mode; nothing when the
    // file has no such mode, or the mode no channel in that break.
    [[nodiscard]] std::optional<int> channels(const QString& mode, int dmxBreak) const;

private:
    std::map<QString, std::map<int, int>> m_footprints; // by mode, then by break
};

} // namespace brisolant
