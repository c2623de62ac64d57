#include "appinformation.h"

#include <algorithm>
#include <cctype>

namespace brisolant {

std::string baseNameOfExecutable(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    constexpr std::string_view exe = ".exe";
    if (name.size() > exe.size()) {
        const auto tail = name.substr(name.size() - exe.size());
        const bool isExe = std::equal(tail.begin(), tail.end(), exe.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
        if (isExe) {
            name.remove_suffix(exe.size());
        }
    }
    return std::string(name);
}

} // namespace brisolant
