#include "conversions.h"
#include "fuzzcheck.h"
#include "runtimeerror.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using brisolant::ErrorNumber;
using brisolant::RuntimeError;
namespace conv = brisolant::conv;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The accepted grammar, written out again independently: blanks around an
// optional sign and digits with at most one point, one digit at least. Gives
// the text without blanks when it is a number.
std::optional<std::string> numberGrammar(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string_view body = text;
    if (body.front() == '+' || body.front() == '-') {
        body.remove_prefix(1);
    }
    const auto digits = std::count_if(body.begin(), body.end(), isDigit);
    const auto points = std::count(body.begin(), body.end(), '.');
    if (digits == 0 || points > 1 || digits + points != static_cast<std::ptrdiff_t>(body.size())) {
        return std::nullopt;
    }
    return std::string(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const conv::Int16Parse parsed = conv::parseInt16(text);
    std::optional<ErrorNumber> thrown;
    std::int16_t converted = 0;
    try {
        converted = conv::textToInt16(text);
    } catch (const RuntimeError& error) {
        thrown = error.number();
    } catch (...) {
        FUZZ_FAIL("textToInt16 let an exception other than RuntimeError escape");
    }

    // The two entry points tell the same story.
    switch (parsed.status) {
    case conv::ParseStatus::Ok:
        FUZZ_CHECK(!thrown.has_value());
        FUZZ_CHECK(converted == parsed.value);
        break;
    case conv::ParseStatus::NotANumber:
        FUZZ_CHECK(thrown == ErrorNumber::TypeMismatch);
        break;
    case conv::ParseStatus::OutOfRange:
        FUZZ_CHECK(thrown == ErrorNumber::Overflow);
        break;
    }

    const std::optional<std::string> number = numberGrammar(text);
    FUZZ_CHECK(number.has_value() == (parsed.status != conv::ParseStatus::NotANumber));
    if (!number) {
        return 0;
    }

    // strtod rounds long texts to a double, but monotonically, and the bounds
    // below are exact doubles, so the comparisons hold for its result too.
    const double approximate = std::strtod(number->c_str(), nullptr);
    if (parsed.status == conv::ParseStatus::OutOfRange) {
        FUZZ_CHECK(approximate >= 32767.5 || approximate <= -32768.5);
        return 0;
    }
    FUZZ_CHECK(approximate - 0.5 <= parsed.value && parsed.value <= approximate + 0.5);

    // An accepted value reads back from its own decimal text.
    const std::string decimal = conv::toDecimalText(parsed.value);
    FUZZ_CHECK(decimal == std::to_string(parsed.value));
    FUZZ_CHECK(conv::textToInt16(decimal) == parsed.value);
    return 0;
}
