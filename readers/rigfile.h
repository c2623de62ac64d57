#pragma once

#include "rig.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

// A rig as another program saved it, recognised by what the file holds rather
// than by its name: a zip is an MVR show file; XML is told by its root
// element (an MVR scene, a grandMA3 or grandMA2 export, a QLC+ workspace);
// anything else is read as a patch list.
class RigFile final {
public:
    // Throws ChartRefused, naming fileName, for a file that cannot be read as
    // any rig Brisolant knows, or for what is plainly wrong in it.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName);
};

} // namespace brisolant
