#pragma once

#include <QImage>

// The pictures of the "Info" and "Exit" buttons, 32 x 32 at scale 1, drawn on pure white, which
// the buttons treat as transparent. Nothing that belongs to a symbol is ever pure white.
namespace ButtonPictures {

inline constexpr int units = 32;

[[nodiscard]] QImage info(int scale);
[[nodiscard]] QImage close(int scale);

} // namespace ButtonPictures
