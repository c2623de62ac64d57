// Starts a program and measures how long it takes until its first top-level
// window is mapped on the X server, then ends it and reports its peak memory.
//
//   brisolant_map_probe [--settle-ms N] [--timeout-ms N] -- program [args...]
//
// Prints one line: "<milliseconds to map> <peak resident KiB> <CPU milliseconds>".
// The clock starts just before fork(), so dynamic linking and Qt's own
// start-up count. The CPU time (user and system, until the program is ended)
// is the figure to trust on a busy machine, where waiting for a core inflates
// the wall time.
// No window manager runs under Xvfb, so a top-level window is mapped straight
// on the root window, where SubstructureNotify sees it. The window counts only
// if its _NET_WM_PID names the child, so other clients on a shared display do
// not confuse the measurement.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h> // NOLINT(modernize-deprecated-headers): kill() is POSIX, not <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <string_view>

namespace {

[[nodiscard]] double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

[[nodiscard]] xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The _NET_WM_PID of window, if it has one.
[[nodiscard]] std::optional<pid_t> windowPid(xcb_connection_t* connection, xcb_window_t window,
                                             xcb_atom_t pidAtom) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return std::nullopt;
    }
    uint32_t pid = 0;
    std::memcpy(&pid, xcb_get_property_value(reply.get()), sizeof pid);
    return pid_t(pid);
}

[[noreturn]] void usage() {
    std::fprintf(stderr,
                 "usage: brisolant_map_probe [--settle-ms N] [--timeout-ms N] -- program [args]\n");
    std::exit(2);
}

} // namespace

// NOLINTNEXTLINE(readability-function-cognitive-complexity): one probe, read top to bottom
int main(int argc, char* argv[]) {
    int settleMs = 0;
    int timeoutMs = 20000;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string_view arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (arg == "--settle-ms" && first + 1 < argc) {
            settleMs = std::atoi(argv[++first]);
        } else if (arg == "--timeout-ms" && first + 1 < argc) {
            timeoutMs = std::atoi(argv[++first]);
        } else {
            usage();
        }
    }
    if (first >= argc) {
        usage();
    }

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "brisolant_map_probe: cannot connect to the X server\n");
        return 2;
    }
    const int fd = xcb_get_file_descriptor(connection);
    fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t pidAtom = internAtom(connection, "_NET_WM_PID");

    // Checked, so the selection is in force before the child can map.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t* error = xcb_request_check(
            connection,
            xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask))) {
        std::fprintf(stderr, "brisolant_map_probe: cannot watch the root window (error %d)\n",
                     error->error_code);
        std::free(error);
        return 2;
    }

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    std::optional<double> mappedAfter;
    bool childGone = false;
    int status = 0;
    rusage usage{};
    while (!mappedAfter && !childGone) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const XcbReply<xcb_generic_event_t> owned(event);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (map->event != root || map->override_redirect != 0) {
                continue;
            }
            const double at = nowMs();
            if (windowPid(connection, map->window, pidAtom) == child) {
                mappedAfter = at - start;
                break;
            }
        }
        if (mappedAfter) {
            break;
        }
        if (xcb_connection_has_error(connection) != 0) {
            std::fprintf(stderr, "brisolant_map_probe: X connection lost\n");
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            return 2;
        }
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            childGone = true;
            break;
        }
        if (nowMs() - start > timeoutMs) {
            break;
        }
        pollfd watch{fd, POLLIN, 0};
        poll(&watch, 1, 5);
    }

    if (!childGone) {
        if (mappedAfter && settleMs > 0) {
            // Let the first paint happen, so the peak memory includes it.
            usleep(useconds_t(settleMs) * 1000U);
        }
        kill(child, SIGTERM);
        while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
        }
    }
    xcb_disconnect(connection);

    if (!mappedAfter) {
        std::fprintf(stderr, "brisolant_map_probe: %s\n",
                     childGone ? "the program ended before it mapped a window"
                               : "no window was mapped in time");
        return 1;
    }
    const auto millis = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    std::printf("%.3f %ld %.3f\n", *mappedAfter, usage.ru_maxrss,
                millis(usage.ru_utime) + millis(usage.ru_stime));
    return 0;
}
