#pragma once

#include <functional>
#include <optional>
#include <string>

struct xcb_connection_t;

namespace brisolant {

// Why the program cannot open its window, if it cannot: on Linux and the
// BSDs Qt aborts when there is no display to connect to, and a technician
// starting the program over ssh deserves one clear line instead.
// environment looks up a variable (nullptr when unset); arguments are the
// command line, where Qt would take "-platform".
[[nodiscard]] std::optional<std::string>
missingDisplayReason(const std::function<const char*(const char*)>& environment, int argc,
                     const char* const* argv);

// Opens the X11 display Qt would open, to tell why it cannot, if it cannot: a
// stale DISPLAY (common over ssh) or "-platform xcb" without X makes Qt abort
// with a core dump. Connects only when Qt would use X11: asked for by
// -platform or QT_QPA_PLATFORM, or by default outside a Wayland session.
// The connection stays open until close(): an X server whose last client
// leaves (a fresh Xvfb) resets and refuses connections for a moment, Qt's own
// among them, so close it once QApplication exists.
class X11DisplayProbe final {
public:
    X11DisplayProbe(const std::function<const char*(const char*)>& environment, int argc,
                    const char* const* argv);
    ~X11DisplayProbe();
    X11DisplayProbe(const X11DisplayProbe&) = delete;
    X11DisplayProbe& operator=(const X11DisplayProbe&) = delete;

    [[nodiscard]] const std::optional<std::string>& unreachableReason() const { return m_reason; }
    void close();

private:
    xcb_connection_t* m_connection = nullptr;
    std::optional<std::string> m_reason;
};

} // namespace brisolant
