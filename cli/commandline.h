#pragma once

#include <optional>

namespace brisolant {

// What the command line asks for, decided before any window exists: help, the
// version, a switch chart, or, with none of the program's own options, the
// window. Needs no display for anything it does itself.
class CommandLine final {
public:
    // Does what the arguments ask and returns the exit status, or returns
    // nothing when the window is to open. Qt's own options (-platform, -style
    // and the like) are accepted and left in place for QApplication.
    [[nodiscard]] static std::optional<int> run(int argc, const char* const* argv);
};

} // namespace brisolant
