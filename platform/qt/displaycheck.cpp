#include "displaycheck.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <string_view>

#ifdef BRISOLANT_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace brisolant {

namespace {

// The value of a "-name value", "--name value" or "-name=value" argument.
std::optional<std::string> argumentValue(std::string_view name, int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--")) {
            argument.remove_prefix(1);
        }
        if (!argument.starts_with("-") || !argument.substr(1).starts_with(name)) {
            continue;
        }
        const std::string_view rest = argument.substr(1 + name.size());
        if (rest.empty() && i + 1 < argc) {
            return std::string(argv[i + 1]);
        }
        if (rest.starts_with("=")) {
            return std::string(rest.substr(1));
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string>
missingDisplayReason(const std::function<const char*(const char*)>& environment, int argc,
                     const char* const* argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto isSet = [&environment](const char* name) {
        const char* value = environment(name);
        return value != nullptr && *value != '\0';
    };
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") ||
        argumentValue("platform", argc, argv)) {
        return std::nullopt;
    }
    return QCoreApplication::translate("brisolant::DisplayCheck",
                                       "Brisolant needs a graphical desktop, but no display was "
                                       "found (DISPLAY and WAYLAND_DISPLAY are not set).")
        .toStdString();
#else
    (void)environment;
    (void)argc;
    (void)argv;
    return std::nullopt;
#endif
}

X11DisplayProbe::X11DisplayProbe(const std::function<const char*(const char*)>& environment,
                                 int argc, const char* const* argv) {
#ifdef BRISOLANT_HAVE_XCB
    const auto variable = [&environment](const char* name) {
        const char* value = environment(name);
        return std::string(value != nullptr ? value : "");
    };
    // Qt's own order: the argument, then the variable, then its default,
    // which is X11 unless the session is a Wayland one.
    std::string platform =
        argumentValue("platform", argc, argv).value_or(variable("QT_QPA_PLATFORM"));
    if (platform.empty() && variable("XDG_SESSION_TYPE") != "wayland") {
        platform = "xcb";
    }
    if (platform != "xcb" && !platform.starts_with("xcb:")) {
        return;
    }
    const std::string display = argumentValue("display", argc, argv).value_or(variable("DISPLAY"));
    if (display.empty()) {
        m_reason =
            QCoreApplication::translate("brisolant::DisplayCheck",
                                        "Brisolant cannot open an X11 display: DISPLAY is not set.")
                .toStdString();
        return;
    }
    int screen = 0;
    m_connection = xcb_connect(display.c_str(), &screen);
    int error = xcb_connection_has_error(m_connection);
    // xcb connects to a server whatever screen the name asks for; Qt does not.
    if (error == 0 && screen >= xcb_setup_roots_length(xcb_get_setup(m_connection))) {
        error = XCB_CONN_CLOSED_INVALID_SCREEN;
    }
    QString reason;
    switch (error) {
    case 0:
        return;
    case XCB_CONN_CLOSED_PARSE_ERR:
        //: %1 is the display's name as given (DISPLAY or -display).
        reason = QCoreApplication::translate(
            "brisolant::DisplayCheck",
            "Brisolant cannot open the X11 display \"%1\": that is no display name.");
        break;
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        reason = QCoreApplication::translate(
            "brisolant::DisplayCheck",
            "Brisolant cannot open the X11 display \"%1\": it has no such screen.");
        break;
    default:
        reason = QCoreApplication::translate("brisolant::DisplayCheck",
                                             "Brisolant cannot open the X11 display \"%1\": no "
                                             "X server answers there, or it refused the "
                                             "connection.");
        break;
    }
    m_reason = reason.arg(QString::fromLocal8Bit(display.c_str())).toStdString();
    close();
#else
    (void)environment;
    (void)argc;
    (void)argv;
#endif
}

X11DisplayProbe::~X11DisplayProbe() {
    close();
}

void X11DisplayProbe::close() {
#ifdef BRISOLANT_HAVE_XCB
    // Also for a connection in error, which xcb allocated all the same.
    if (m_connection != nullptr) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
    }
#endif
}

} // namespace brisolant
