#pragma once

#include "vectorpicture.h"

// The program icon: a red block of four DIP switches with white levers, "DMX" above them and
// the switch numbers 1 to 4 below, laid out on a 32-unit grid so that every edge falls on a
// pixel at 32 x 32.
namespace IconDesign {

inline constexpr int units = 32;

[[nodiscard]] VectorPicture picture();

} // namespace IconDesign
