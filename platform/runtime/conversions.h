#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number conversions of the program, with its rules: rounding to the
// nearest integer with ties to the even neighbour, and the numbered overflow
// and type-mismatch errors instead of silent wrap-around.
namespace brisolant::conv {

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4). Overflow (6) outside the
// target range. NaN and the infinities have no nearest integer and raise
// overflow as well, so no caller ever sees an undefined cast.
[[nodiscard]] std::int32_t toInt32(double value);

// Text to a signed 16-bit integer. A text counts as a number when it is, after
// optional blanks (spaces and tabs) on either side:
//   an optional sign "+" or "-", then decimal digits with at most one "." among
//   them and at least one digit in all ("7", "-12", "+7", "2.5", ".5", "3.").
// Nothing else counts: no exponent, no thousands separator, no hexadecimal, no
// blank between sign and digits, no other white space. A fraction rounds to the
// nearest integer, ties to even. The status tells a text that is no number (the
// empty text included; type mismatch, 13, to a user) from one outside -32768 ...
// 32767 (overflow, 6), so that the caller can word its own message.
enum class ParseStatus : std::uint8_t { Ok, NotANumber, OutOfRange };
struct Int16Parse {
    ParseStatus status = ParseStatus::NotANumber;
    std::int16_t value = 0;
};
[[nodiscard]] Int16Parse parseInt16(std::string_view text) noexcept;

// Decimal text: "-" only for negatives, no blank, no leading zeros.
[[nodiscard]] std::string toDecimalText(std::int64_t value);

// a + b in signed 16-bit arithmetic; overflow (6) when the sum leaves the
// range. Kept inline: the switch bank adds nine weights on every recompute.
[[noreturn]] void raiseOverflow();
[[nodiscard]] inline std::int16_t addInt16(std::int16_t a, std::int16_t b) {
    const int sum = a + b;
    if (sum < INT16_MIN || sum > INT16_MAX) {
        raiseOverflow();
    }
    return static_cast<std::int16_t>(sum);
}

// The character of code 13, the program's line break.
inline constexpr char kCarriageReturn = '\r';

} // namespace brisolant::conv
