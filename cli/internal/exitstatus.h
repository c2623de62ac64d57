#pragma once

namespace brisolant {

// What Brisolant tells the shell when it ends.
enum ExitStatus : int {
    kSuccess = 0,
    // A file that cannot be read or written, or a display that cannot be opened.
    kFailure = 1,
    // A usage error, or a chart refused for what it was asked to chart.
    kRefused = 2,
};

} // namespace brisolant
