#include "headlessswitchbank.h"
#include "runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

// A failed check stops at once, so that libFuzzer keeps the input that led here.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? (void)0                                                                         \
                 : (std::fputs("check failed: " #condition "\n", stderr), __builtin_trap()))

namespace {

using namespace brisolant;

// A typed text read independently of the program: nothing unless it is blanks,
// a sign, digits with at most one point and a digit at least, blanks; else the
// C library's value of it. strtod rounds long texts, but monotonically.
std::optional<double> independentReading(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    const std::string number(first == std::string_view::npos
                                 ? std::string_view()
                                 : text.substr(first, text.find_last_not_of(" \t") - first + 1));
    const std::string_view body = std::string_view(number).substr(
        !number.empty() && (number[0] == '+' || number[0] == '-') ? 1 : 0);
    const auto digits =
        std::count_if(body.begin(), body.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto points = std::count(body.begin(), body.end(), '.');
    if (digits == 0 || points > 1 || std::size_t(digits + points) != body.size()) {
        return std::nullopt;
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

// The input is a session at the window, one action per line: "r" resets,
// "c<d><s>" clicks switch d's OFF (s even) or ON (s odd) position, and any
// other line is typed into the address box with Enter. After each action the
// address shown and intStartAddress are the sum of the ON switches and every
// switch stands in one position. A typed number that rounds into 0 ... 511 is
// taken; anything else is refused and changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    modApp app;
    HeadlessSwitchBank bank(app);
    const auto state = [&] {
        int sum = 0;
        for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
            const OptionPair& pair = bank.positions(digit);
            FUZZ_CHECK(pair.value(kOnPosition) != pair.value(kOffPosition));
            sum += pair.value(kOnPosition) ? 1 << digit : 0;
        }
        FUZZ_CHECK(bank.addressText() == std::to_string(sum) && app.intStartAddress == sum);
        return sum;
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
            const std::optional<double> reading = independentReading(line);
            const int before = state();
            try {
                bank.bank().EnterStartAddress(parseStartAddress(line));
                FUZZ_CHECK(reading && *reading >= -0.5 && *reading <= 511.5);
                FUZZ_CHECK(std::abs(app.intStartAddress - *reading) <= 0.5);
            } catch (const RuntimeError&) {
                // 511.5 rounds to the even 512; -0.5 to 0, which is taken. A text
                // with more digits than a double holds may read as -0.5 exactly
                // and still lie below it ("-0.50...05"), so -0.5 passes either way.
                FUZZ_CHECK(!reading || *reading <= -0.5 || *reading >= 511.5);
                FUZZ_CHECK(state() == before);
            }
        }
        state();
    }
    return 0;
}
