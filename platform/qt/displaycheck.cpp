#include "displaycheck.h"

#include <QtGlobal>

#include <string_view>

namespace brisolant {

std::optional<std::string>
missingDisplayReason(const std::function<const char*(const char*)>& environment, int argc,
                     const char* const* argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto isSet = [&environment](const char* name) {
        const char* value = environment(name);
        return value != nullptr && *value != '\0';
    };
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            return std::nullopt;
        }
    }
    return "Brisolant needs a graphical desktop, but no display was found "
           "(DISPLAY and WAYLAND_DISPLAY are not set).";
#else
    (void)environment;
    (void)argc;
    (void)argv;
    return std::nullopt;
#endif
}

} // namespace brisolant
