#include "conversions.h"
#include "headlessswitchbank.h"
#include "runtimeerror.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A failed check stops at once, so that libFuzzer keeps the input that led here.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (false)

namespace {

using namespace brisolant;

// "n..." is a text for the number conversion, checked against the grammar read
// independently and the C library's strtod.
void checkNumberText(std::string_view text) {
    const conv::Int16Parse parsed = conv::parseInt16(text);
    const auto first = text.find_first_not_of(" \t");
    std::string number;
    if (first != std::string_view::npos) {
        number = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }
    const std::string_view body = std::string_view(number).substr(
        !number.empty() && (number[0] == '+' || number[0] == '-') ? 1 : 0);
    const auto digits =
        std::count_if(body.begin(), body.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto points = std::count(body.begin(), body.end(), '.');
    const bool grammar = digits > 0 && points <= 1 && std::size_t(digits + points) == body.size();
    FUZZ_CHECK(grammar == (parsed.status != conv::ParseStatus::NotANumber));
    if (!grammar) {
        return;
    }
    // strtod rounds long texts, but monotonically, and the bounds are exact doubles.
    const double approximate = std::strtod(number.c_str(), nullptr);
    if (parsed.status == conv::ParseStatus::OutOfRange) {
        FUZZ_CHECK(approximate >= 32767.5 || approximate <= -32768.5);
    } else {
        FUZZ_CHECK(approximate - 0.5 <= parsed.value && parsed.value <= approximate + 0.5);
    }
}

// Anything else is a session at the window, one action per line: "r" resets,
// "c<d><s>" clicks switch d's OFF (s even) or ON (s odd) position, and any
// other line is typed into the address box with Enter. After each action the
// address shown and intStartAddress are the sum of the ON switches, every
// switch stands in one position, and a refused address has changed nothing.
void runSession(std::string_view input) {
    modApp app;
    HeadlessSwitchBank bank(app);
    const auto state = [&] {
        std::string s = bank.addressText() + "/" + std::to_string(app.intStartAddress) + "/";
        int sum = 0;
        for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
            const OptionPair& pair = bank.positions(digit);
            FUZZ_CHECK(pair.value(kOnPosition) != pair.value(kOffPosition));
            sum += pair.value(kOnPosition) ? 1 << digit : 0;
        }
        FUZZ_CHECK(bank.addressText() == std::to_string(sum) && app.intStartAddress == sum);
        return s + std::to_string(sum);
    };
    state();
    while (!input.empty()) {
        const std::string_view line = input.substr(0, input.find('\n'));
        input.remove_prefix(std::min(input.size(), line.size() + 1));
        if (line == "r") {
            bank.bank().Reset();
        } else if (line.size() == 3 && line[0] == 'c') {
            const int digit = static_cast<unsigned char>(line[1]) % SwitchBankView::kSwitchCount;
            bank.positions(digit).setValue((line[2] & 1) != 0 ? kOnPosition : kOffPosition, true);
        } else {
            const conv::Int16Parse parsed = conv::parseInt16(line);
            const bool acceptable = parsed.status == conv::ParseStatus::Ok && parsed.value >= 0 &&
                                    parsed.value <= kHighestAddress;
            const std::string before = state();
            try {
                bank.bank().EnterStartAddress(parseStartAddress(line));
                FUZZ_CHECK(acceptable && app.intStartAddress == parsed.value);
            } catch (const RuntimeError&) {
                FUZZ_CHECK(!acceptable && state() == before);
            }
        }
        state();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with('n')) {
        checkNumberText(input.substr(1));
    } else {
        runSession(input);
    }
    return 0;
}
