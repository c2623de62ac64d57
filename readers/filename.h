#pragma once

#include <QString>
#include <QStringView>

// How messages name a file the user gave: the one rule for every reader, the
// command line and the chart window.
namespace brisolant::filename {

// Names longer than this are cut, with "…".
inline constexpr qsizetype kLongest = 100;

// A path or file name as a message quotes it: on one line, control
// characters shown as U+FFFD, cut after kLongest characters (never inside a
// surrogate pair). Quoting it again changes nothing.
[[nodiscard]] QString quoted(QStringView pathOrName);

// The file at path as a chart's title and the readers' messages name it: its
// name without the folders, quoted, or "standard input" for "-".
[[nodiscard]] QString title(const QString& path);

} // namespace brisolant::filename
