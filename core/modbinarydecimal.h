#pragma once

#include <string>

namespace brisolant::modBinaryDecimal {

// The binary digits of value rounded to the nearest integer (ties to even),
// most significant first, "0" for zero: 5 -> "101". A value that rounds to a
// negative number gives a single remainder, "0" when even and "-1" when odd;
// callers rely on that shape. Overflow (6) when value does not round into the
// signed 32-bit range; NaN and the infinities raise overflow too.
[[nodiscard]] std::string fctDecimalToBinary(double value);

} // namespace brisolant::modBinaryDecimal
