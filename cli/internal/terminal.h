#pragma once

#include <optional>

namespace brisolant::terminal {

// How many columns wide the terminal behind the file descriptor is: its
// window size where it tells one, else 80. Nothing when it is no terminal (a
// file, a pipe), so that what scripts read stays as it is.
[[nodiscard]] std::optional<int> columns(int fd);

} // namespace brisolant::terminal
