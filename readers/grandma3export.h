#pragma once

#include "rig.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

class XmlReader;

// grandMA3's XML export of its patch: Fixture elements anywhere under the GMA3
// root, each with its Name, FixtureType, FID (or CID) and Patch, "Universe.Address" for each
// DMX break, separated by commas. An empty patch, 0 or 0.0, is not patched. The
// export gives no channel counts, so each fixture takes 1 channel.
class Grandma3Export final {
public:
    // Throws ChartRefused, naming fileName, for malformed or too deeply nested
    // XML, and naming the fixture for a patch in no notation.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName);
    // The same from the readers' XML (internal/xmlreader.h) at its start.
    [[nodiscard]] static Rig read(XmlReader& xml, const QString& fileName);
};

} // namespace brisolant
