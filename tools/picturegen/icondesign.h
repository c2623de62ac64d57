#pragma once

#include "vectorpicture.h"

// The program icon: a red block of four DIP switches with white levers, "DMX" above them and
// the switch numbers 1 to 4 below, laid out on a 32-unit grid so that every edge falls on a
// pixel at 32 x 32.
namespace IconDesign {

inline constexpr int units = 32;

[[nodiscard]] VectorPicture picture();

// The same block at 16 x 16, on a 16-unit grid: the four levers alone, since
// letters five pixels high cannot be halved.
[[nodiscard]] VectorPicture smallPicture();

} // namespace IconDesign
