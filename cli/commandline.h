#pragma once

#include <QString>

#include <optional>

namespace brisolant {

// What the command line asks for, decided before any window exists: help, the
// version, a switch chart, or, with none of the program's own options, the
// window. Needs no display for anything it does itself.
class CommandLine final {
public:
    static constexpr int kSuccess = 0;
    // A file that cannot be read or written.
    static constexpr int kFailure = 1;
    // A usage error, or a chart refused for what it was asked to chart.
    static constexpr int kRefused = 2;

    // Does what the arguments ask and returns the exit status, or returns
    // nothing when the window is to open. Qt's own options (-platform, -style
    // and the like) are accepted and left in place for QApplication.
    [[nodiscard]] static std::optional<int> run(int argc, const char* const* argv);

    // One line on standard error: "Brisolant: " and the message.
    static void report(const QString& message);
    // Reports a usage error with a hint to --help; returns kRefused.
    [[nodiscard]] static int usageError(const QString& what);
};

} // namespace brisolant
