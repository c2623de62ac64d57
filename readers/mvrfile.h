#pragma once

#include "rig.h"
#include "riglimits.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

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
    // the readers' limits, or a scene that inflates past 64 MiB. All the zips
    // read for the file, the GDTF files inside it too, inflate within budget.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName,
                                  riglimits::InflateBudget budget = {});

    // A GeneralSceneDescription.xml on its own, without the GDTF files.
    [[nodiscard]] static Rig readScene(const QByteArray& scene, const QString& fileName);
};

} // namespace brisolant
