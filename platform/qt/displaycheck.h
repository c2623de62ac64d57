#pragma once

#include <functional>
#include <optional>
#include <string>

namespace brisolant {

// Why the program cannot open its window, if it cannot: on Linux and the
// BSDs Qt aborts when there is no display to connect to, and a technician
// starting the program over ssh deserves one clear line instead.
// environment looks up a variable (nullptr when unset); arguments are the
// command line, where Qt would take "-platform".
[[nodiscard]] std::optional<std::string>
missingDisplayReason(const std::function<const char*(const char*)>& environment, int argc,
                     const char* const* argv);

// Why the X11 display Qt would open cannot be opened, if it cannot: a stale
// DISPLAY (common over ssh) or "-platform xcb" without X makes Qt abort with a
// core dump. Connects to the display only when Qt would use X11: asked for by
// -platform or QT_QPA_PLATFORM, or by default outside a Wayland session.
[[nodiscard]] std::optional<std::string>
unreachableDisplayReason(const std::function<const char*(const char*)>& environment, int argc,
                         const char* const* argv);

} // namespace brisolant
