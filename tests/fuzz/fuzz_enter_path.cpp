#include "conversions.h"
#include "fuzzcheck.h"
#include "headlessswitchbank.h"
#include "modapp.h"
#include "runtimeerror.h"
#include "switchbank.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The input is a session at the window, one action per line:
//   "r"            the Reset menu item;
//   "c<d><s>"      a click on a position: switch digit d ("0" ... "8", weight
//                  2^d), s "0" for its OFF and "1" for its ON position; any
//                  other byte is taken modulo 9 and 2;
//   anything else  the whole line typed into the address box and Enter pressed.
// After every action the address shown and intStartAddress must be the sum of
// the ON switches, and every switch must stand in exactly one position.

namespace {

using namespace brisolant;

constexpr int kSwitchCount = SwitchBankView::kSwitchCount;

struct Snapshot {
    std::string text;
    std::int16_t address = 0;
    // OFF and ON position of each switch.
    std::array<std::array<bool, 2>, kSwitchCount> values{};

    bool operator==(const Snapshot&) const = default;
};

class Session final {
public:
    void run(std::string_view line) {
        if (line == "r") {
            reset();
        } else if (!line.empty() && line.front() == 'c') {
            click(line.substr(1));
        } else {
            enter(line);
        }
        checkInvariant();
    }

    void checkInvariant() {
        const int sum = onSum();
        FUZZ_CHECK(m_headless.addressText() == std::to_string(sum));
        FUZZ_CHECK(m_app.intStartAddress == sum);
        for (int digit = 0; digit < kSwitchCount; ++digit) {
            const OptionPair& pair = m_headless.positions(digit);
            FUZZ_CHECK(pair.value(kOnPosition) != pair.value(kOffPosition));
        }
    }

private:
    int onSum() {
        int sum = 0;
        for (int digit = 0; digit < kSwitchCount; ++digit) {
            if (m_headless.positions(digit).value(kOnPosition)) {
                sum += 1 << digit;
            }
        }
        return sum;
    }

    Snapshot snapshot() {
        Snapshot state{m_headless.addressText(), m_app.intStartAddress, {}};
        for (int digit = 0; digit < kSwitchCount; ++digit) {
            const OptionPair& pair = m_headless.positions(digit);
            state.values[static_cast<std::size_t>(digit)] = {pair.value(kOffPosition),
                                                             pair.value(kOnPosition)};
        }
        return state;
    }

    void checkWeightVariablesMatchSwitches() {
        for (int digit = 0; digit < kSwitchCount; ++digit) {
            const bool on = m_headless.positions(digit).value(kOnPosition);
            FUZZ_CHECK(m_headless.bank().weightVariable(digit) == (on ? 1 << digit : 0));
        }
    }

    void reset() {
        m_headless.bank().Reset();
        for (int digit = 0; digit < kSwitchCount; ++digit) {
            FUZZ_CHECK(m_headless.bank().weightVariable(digit) == 0);
            FUZZ_CHECK(!m_headless.positions(digit).value(kOnPosition));
        }
    }

    void click(std::string_view where) {
        const auto byteAt = [where](std::size_t index) {
            return index < where.size() ? static_cast<unsigned char>(where[index]) - '0' : 0;
        };
        // Shifted so that the digits "0" ... "8" name the switches themselves.
        const int digit = ((byteAt(0) % kSwitchCount) + kSwitchCount) % kSwitchCount;
        const OptionSlot slot = (byteAt(1) & 1) != 0 ? kOnPosition : kOffPosition;
        OptionPair& pair = m_headless.positions(digit);
        const bool raisesClick = !pair.value(slot);
        pair.setValue(slot, true);
        FUZZ_CHECK(pair.value(slot) && !pair.value(partnerOf(slot)));
        if (raisesClick) {
            checkWeightVariablesMatchSwitches();
        }
    }

    void enter(std::string_view typed) {
        // What the program should make of the text, by the conversion's own verdict.
        const conv::Int16Parse parsed = conv::parseInt16(typed);
        const bool acceptable = parsed.status == conv::ParseStatus::Ok && parsed.value >= 0 &&
                                parsed.value <= kHighestAddress;

        const Snapshot before = snapshot();
        try {
            m_headless.bank().EnterStartAddress(parseStartAddress(typed));
        } catch (const RuntimeError& error) {
            FUZZ_CHECK(!acceptable);
            switch (parsed.status) {
            case conv::ParseStatus::NotANumber:
                FUZZ_CHECK(error.number() == ErrorNumber::TypeMismatch);
                break;
            case conv::ParseStatus::OutOfRange:
                FUZZ_CHECK(error.number() == ErrorNumber::Overflow);
                break;
            case conv::ParseStatus::Ok:
                FUZZ_CHECK(error.number() == ErrorNumber::InvalidAddress);
                break;
            }
            // Refused: nothing may have moved.
            FUZZ_CHECK(snapshot() == before);
            return;
        } catch (...) {
            FUZZ_FAIL("the Enter path let an exception other than RuntimeError escape");
        }
        FUZZ_CHECK(acceptable);
        FUZZ_CHECK(onSum() == parsed.value);
    }

    modApp m_app;
    HeadlessSwitchBank m_headless{m_app};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    Session session;
    // A fresh window already shows "0" over nine OFF switches.
    session.checkInvariant();
    while (!input.empty()) {
        const auto end = input.find('\n');
        session.run(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    return 0;
}
