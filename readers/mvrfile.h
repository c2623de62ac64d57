#pragma once

#include "readcontrol.h"
#include "rig.h"
#include "riglimits.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

class XmlReader;

// My Virtual Rig, the open exchange format of lighting plots and consoles: a
// zip holding GeneralSceneDescription.xml and a GDTF file per fixture type.
//
// Every Fixture of the scene is read, wherever it sits (layers, groups, child
// lists, inside other fixtures), in the order the file lists them: its name,
// FixtureID (or UnitNumber) as its number, its maker and type (its GDTF
// file's, else as its GDTFSpec names them) and its Addresses. Each Address
// (attribute break, from 0) holds a number counting across universes (513 is
// universe 2, address 1) or Universe.Address; 0 or none is not patched. A
// break's channel count comes from the fixture's GDTF file and mode; where
// the file or the mode is missing or cannot be read, the count is 1 and a note
// says so once per fixture type. The fixtures have no line: the scene's lines
// are inside the zip, where nobody looks.
class MvrFile final {
public:
    // Throws ChartRefused, naming fileName, for a file that is not a zip or is
    // cut short, has no GeneralSceneDescription.xml, malformed XML or XML past
    // the readers' limits, an entry that is damaged or inflates past 64 MiB,
    // and naming the fixture for an address or a break that is plainly wrong.
    // All the zips read for the file, the GDTF files inside it too, inflate
    // within budget. With a control, tells the scene's parse as the second
    // half of the file's progress, and throws ReadCancelled once cancelled.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName,
                                  riglimits::InflateBudget budget = {},
                                  ReadControl* control = nullptr);

    // A GeneralSceneDescription.xml on its own, without the GDTF files, from
    // the readers' XML (internal/xmlreader.h) at its start.
    [[nodiscard]] static Rig readScene(XmlReader& scene, const QString& fileName);
};

} // namespace brisolant
