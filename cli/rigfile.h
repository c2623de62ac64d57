#pragma once

#include "switchchart.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace brisolant {

// The fixtures of a rig as another program saved it, recognised by what the
// file holds rather than by its name.
class RigFile final {
public:
    // Throws ChartRefused, naming fileName, for a file that cannot be read as
    // any rig Brisolant knows.
    [[nodiscard]] static std::vector<SwitchChart::Fixture> read(const QByteArray& bytes,
                                                                const QString& fileName);
};

} // namespace brisolant
