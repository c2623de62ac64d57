#include "terminal.h"

#ifdef _WIN32
#include <io.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace brisolant::terminal {

std::optional<int> columns(int fd) {
    constexpr int kUsualWidth = 80;
#ifdef _WIN32
    return fd >= 0 && _isatty(fd) != 0 ? std::optional<int>(kUsualWidth) : std::nullopt;
#else
    if (fd < 0 || isatty(fd) == 0) {
        return std::nullopt;
    }
    winsize size{};
    // A terminal that knows no size (a serial line, a bare pty) reports 0.
    return ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : kUsualWidth;
#endif
}

} // namespace brisolant::terminal
