#pragma once

#include <QStringList>

#include <optional>

namespace brisolant {

// What the command line asks for, decided before any window exists: help, the
// version, a switch chart, a chart window for each file named, or, with none
// of these, the main window. Needs no display for anything it does itself.
class CommandLine final {
public:
    // Does what the arguments ask and returns the exit status, or returns
    // nothing when windows are to open: with files named, chartFiles holds
    // them, else the main window. Qt's own options (-platform, -style and the
    // like) are accepted and left in place for QApplication.
    [[nodiscard]] static std::optional<int> run(int argc, const char* const* argv,
                                                QStringList& chartFiles);
};

} // namespace brisolant
