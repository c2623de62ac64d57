#pragma once

#include "rig.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

class ZipArchive;

// My Virtual Rig, the open exchange format of lighting plots and consoles: a
// zip holding GeneralSceneDescription.xml and a GDTF file per fixture type.
//
// Every Fixture of the scene is read, wherever it sits (layers, groups, child
// lists, inside other fixtures), in the order the file lists them: its name,
// FixtureID (or UnitNumber) as its number, and its Addresses. Each Address
// (attribute break, from 0) holds a number counting across universes (513 is
// universe 2, address 1) or Universe.Address; 0 or none is not patched. A
// break's channel count comes from the fixture's GDTF file and mode; where
// the file or the mode is missing or cannot be read, the count is 1 and a note
// says so once per fixture type.
class MvrFile final {
public:
    // Throws ChartRefused, naming fileName, for a file that is not a zip or is
    // cut short, has no GeneralSceneDescription.xml, malformed or too deeply
    // nested XML, or an entry that inflates past 64 MiB.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName);

    // The scene alone, as GeneralSceneDescription.xml; its GDTF files come from
    // the archive, when there is one.
    [[nodiscard]] static Rig readScene(const QByteArray& scene, const QString& where,
                                       ZipArchive* archive, std::int64_t& budget);
};

} // namespace brisolant
