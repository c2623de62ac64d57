#pragma once

#include "rig.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

class XmlReader;

// grandMA2's XML export of its patch layers: under the MA root, each Fixture
// (name, fixture_id or channel_id, the name of its FixtureType) and its SubFixtures, each patched
// with Patch/Address, a number counting across universes (513 is universe 2, address 1); 0 is not
// patched. Each sub-fixture is charted, named after its fixture, and after itself where the fixture
// has several. The export gives no channel counts, so each takes 1 channel.
class Grandma2Export final {
public:
    // Throws ChartRefused, naming fileName, for malformed or too deeply nested
    // XML, and naming the fixture for an address that is no number.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName);
    // The same from the readers' XML (internal/xmlreader.h) at its start.
    [[nodiscard]] static Rig read(XmlReader& xml, const QString& fileName);

    static constexpr QStringView kNamespace = u"http://schemas.malighting.de/grandma2/xml/MA";
};

} // namespace brisolant
