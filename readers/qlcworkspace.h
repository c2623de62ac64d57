#pragma once

#include "rig.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

class XmlReader;

// A QLC+ workspace (.qxw): the Fixture elements of its Engine, each with its
// Name, Manufacturer and Model, Universe and Address counted from 0 (shown
// from 1, as QLC+ shows them) and Channels. A fixture QLC+ lets run on into the next universe
// (CrossUniverse) takes the channels up to 512 of its own.
class QlcWorkspace final {
public:
    // Throws ChartRefused, naming fileName, for malformed or too deeply nested
    // XML, and naming the fixture for a universe, address or channel count that
    // is no whole number.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName);
    // The same from the readers' XML (internal/xmlreader.h) at its start.
    [[nodiscard]] static Rig read(XmlReader& xml, const QString& fileName);
};

} // namespace brisolant
