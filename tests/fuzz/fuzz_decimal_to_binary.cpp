#include "fuzzcheck.h"
#include "modbinarydecimal.h"
#include "runtimeerror.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace {

using brisolant::ErrorNumber;
using brisolant::RuntimeError;

// The nearest 32-bit integer, ties to even, by the C library's own rounding
// rather than the program's; nothing for NaN, the infinities and everything
// out of range.
std::optional<std::int64_t> expectedInteger(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(rounded);
}

void checkOne(double value) {
    const std::optional<std::int64_t> expected = expectedInteger(value);
    std::string digits;
    try {
        digits = brisolant::modBinaryDecimal::fctDecimalToBinary(value);
    } catch (const RuntimeError& error) {
        // Out of range, NaN and the infinities alike: overflow and nothing else.
        FUZZ_CHECK(!expected.has_value());
        FUZZ_CHECK(error.number() == ErrorNumber::Overflow);
        return;
    } catch (...) {
        FUZZ_FAIL("fctDecimalToBinary let an exception other than RuntimeError escape");
    }
    FUZZ_CHECK(expected.has_value());
    const std::int64_t n = *expected;

    if (n < 0) {
        // A single remainder with the sign of n.
        FUZZ_CHECK(digits == (n % 2 == 0 ? "0" : "-1"));
        return;
    }
    FUZZ_CHECK(!digits.empty() && digits.size() <= 31);
    FUZZ_CHECK(digits == "0" || digits.front() == '1');
    std::int64_t parsed = 0;
    for (const char digit : digits) {
        FUZZ_CHECK(digit == '0' || digit == '1');
        parsed = parsed * 2 + (digit - '0');
    }
    FUZZ_CHECK(parsed == n);
}

} // namespace

// Every eight bytes are one double, bit for bit, so NaNs, infinities,
// subnormals and negative zero all come along; a shorter tail is zero-padded.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FUZZ_CHECK(std::fegetround() == FE_TONEAREST);
    for (std::size_t offset = 0; offset < size; offset += sizeof(double)) {
        unsigned char bytes[sizeof(double)] = {};
        std::memcpy(bytes, data + offset, std::min(sizeof(double), size - offset));
        double value = 0.0;
        std::memcpy(&value, bytes, sizeof value);
        checkOne(value);
    }
    return 0;
}
