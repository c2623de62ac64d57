#pragma once

#include <QString>

namespace brisolant::savedfile {

// The file a save offers for what is made of the rig file at rig: beside it,
// its name with ending ("-labels.pdf", ".csv"), and never the rig file itself
// (a patch list's chart as CSV is offered as "-chart.csv").
[[nodiscard]] QString proposal(const QString& rig, const QString& ending);

// Whether path is the rig file itself, or a symbolic link to it: a save
// there would replace what the chart was read from.
[[nodiscard]] bool isRig(const QString& path, const QString& rig);

} // namespace brisolant::savedfile
