#include "conversions.h"

#include "runtimeerror.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace brisolant::conv {

namespace {

// Nearest integer with ties to even, for any finite double. std::nearbyint
// would follow the floating-point environment; the program's rule must not.
double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) {
        return floor;
    }
    if (diff > 0.5) {
        return floor + 1.0;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

template <typename Int> Int roundToInteger(double value) {
    if (std::isnan(value)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<Int>(rounded);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::int32_t toInt32(double value) {
    return roundToInteger<std::int32_t>(value);
}

Int16Parse parseInt16(std::string_view text) noexcept {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // Whole part and fraction are checked by hand so that nothing but the
    // documented grammar slips through a library parser.
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const bool wellFormed = (!whole.empty() || !fraction.empty()) &&
                            std::all_of(whole.begin(), whole.end(), isDigit) &&
                            std::all_of(fraction.begin(), fraction.end(), isDigit);
    if (!wellFormed) {
        return {ParseStatus::NotANumber, 0};
    }

    // Leading zeros cannot change the value; dropping them keeps the length
    // check below about magnitude only.
    std::string_view significant = whole;
    while (!significant.empty() && significant.front() == '0') {
        significant.remove_prefix(1);
    }
    // Six or more significant digits are beyond any 16-bit value whatever the
    // fraction, and would not fit the parse below.
    if (significant.size() > 5) {
        return {ParseStatus::OutOfRange, 0};
    }
    std::int32_t magnitude = 0;
    if (!significant.empty()) {
        std::from_chars(significant.data(), significant.data() + significant.size(), magnitude);
    }

    // Ties to even need only the first fraction digit and whether any later
    // digit is non-zero.
    if (!fraction.empty()) {
        const int first = fraction.front() - '0';
        const bool restNonZero =
            std::any_of(fraction.begin() + 1, fraction.end(), [](char c) { return c != '0'; });
        const bool roundUp = first > 5 || (first == 5 && (restNonZero || magnitude % 2 == 1));
        if (roundUp) {
            ++magnitude;
        }
    }

    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return {ParseStatus::OutOfRange, 0};
    }
    return {ParseStatus::Ok, static_cast<std::int16_t>(value)};
}

std::string toDecimalText(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

void raiseOverflow() {
    throw RuntimeError(ErrorNumber::Overflow);
}

} // namespace brisolant::conv
