#include "appinformation.h"
#include "conversions.h"
#include "headlessswitchbank.h"
#include "modbinarydecimal.h"
#include "patchaddress.h"
#include "runtimeerror.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace brisolant {
namespace {

// The number of the run-time error callable raises, 0 if none; others fail the test.
template <typename Callable> int errorOf(Callable&& callable) {
    try {
        callable();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    return 0;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kOverflow = "error 6";

TEST(Conversions, DigitStringsRoundTiesToEvenAndOverflowOutside32Bits) {
    const struct {
        double value;
        std::string digits;
    } rows[] = {
        // clang-format off
        {0, "0"}, {1, "1"}, {2, "10"}, {5, "101"}, {255, "11111111"}, {256, "100000000"},
        {511, "111111111"}, {512, "1000000000"}, {1000, "1111101000"},
        {32767, std::string(15, '1')}, {2147483647.4, std::string(31, '1')}, {0.5, "0"}, {0.7, "1"},
        {1.5, "10"}, {2.5, "10"}, {3.5, "100"}, {-0.5, "0"}, {-0.7, "-1"}, {-4, "0"}, {-5, "-1"},
        {-32768, "0"}, {-2147483648.5, "0"}, {2147483647.5, kOverflow}, {-2147483648.6, kOverflow},
        {std::nan(""), kOverflow}, {kInf, kOverflow}, {-kInf, kOverflow}
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        std::string digits;
        const int error =
            errorOf([&] { digits = modBinaryDecimal::fctDecimalToBinary(row.value); });
        EXPECT_EQ(error == 0 ? digits : "error " + std::to_string(error), row.digits);
    }
    for (int value = 0; value <= 32767; ++value) {
        ASSERT_EQ(std::stoi(modBinaryDecimal::fctDecimalToBinary(value), nullptr, 2), value);
    }
}

TEST(Conversions, TextToInt16SixteenBitSumsAndProgramNames) {
    using enum conv::ParseStatus;
    const struct {
        const char* text;
        conv::ParseStatus status;
        int value;
    } rows[] = {
        // clang-format off
        {"100", Ok, 100}, {" \t42 ", Ok, 42}, {"+7", Ok, 7}, {"-12", Ok, -12}, {"-0", Ok, 0},
        {"000000000511", Ok, 511}, {"2.4", Ok, 2}, {"2.5", Ok, 2}, {"3.5", Ok, 4},
        {"2.5000001", Ok, 3}, {"-2.5", Ok, -2}, {"-0.7", Ok, -1}, {".5", Ok, 0}, {"3.", Ok, 3},
        {"32767", Ok, 32767}, {"-32768", Ok, -32768}, {"32766.6", Ok, 32767}, {"", NotANumber, 0},
        {"   ", NotANumber, 0}, {"abc", NotANumber, 0}, {"12ab", NotANumber, 0},
        {"-", NotANumber, 0}, {".", NotANumber, 0}, {"1.2.3", NotANumber, 0},
        {"+-1", NotANumber, 0}, {"- 1", NotANumber, 0}, {"1 2", NotANumber, 0},
        {"1e3", NotANumber, 0}, {"0x10", NotANumber, 0}, {"1\n", NotANumber, 0},
        {"32768", OutOfRange, 0}, {"32767.5", OutOfRange, 0}, {"-32769", OutOfRange, 0},
        {"99999999999999999999", OutOfRange, 0}
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const conv::Int16Parse parsed = conv::parseInt16(row.text);
        EXPECT_EQ(parsed.status, row.status);
        EXPECT_EQ(parsed.value, row.value);
    }
    // 16-bit sums, and the program name from its file.
    EXPECT_EQ(conv::addInt16(32766, 1), 32767);
    EXPECT_EQ(errorOf([] { (void)conv::addInt16(32767, 1); }), 6);
    EXPECT_EQ(errorOf([] { (void)conv::addInt16(-32768, -1); }), 6);
    EXPECT_EQ(baseNameOfExecutable("/usr/bin/Brisolant"), "Brisolant");
    EXPECT_EQ(baseNameOfExecutable("C:\\Programs\\Brisolant.EXE"), "Brisolant");
    EXPECT_EQ(baseNameOfExecutable("/opt/brisolant-1.3/bin/dmx.tool"), "dmx.tool");
}

// A headless bank that records every address text shown, nested ones included.
class SwitchBankTest : public testing::Test {
protected:
    SwitchBankTest() {
        headless.setAddressTextObserver([this](const std::string& text) { shown.push_back(text); });
    }

    // Turns the given switches ON as a user would; what that showed is forgotten.
    void startWith(const std::vector<int>& weights) {
        for (const int weight : weights) {
            headless.positions(std::countr_zero(unsigned(weight))).setValue(kOnPosition, true);
        }
        shown.clear();
    }

    // The weights of the ON switches, checking that every switch stands in one position.
    [[nodiscard]] std::vector<int> onWeights() {
        std::vector<int> weights;
        for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
            const OptionPair& pair = headless.positions(digit);
            EXPECT_NE(pair.value(kOnPosition), pair.value(kOffPosition)) << digit;
            if (bank().isOn(digit)) {
                weights.push_back(1 << digit);
            }
        }
        return weights;
    }

    SwitchBank& bank() { return headless.bank(); }

    modApp app;
    HeadlessSwitchBank headless{app};
    std::vector<std::string> shown;
};

using Texts = std::vector<std::string>;
const std::vector<int> kAll = {1, 2, 4, 8, 16, 32, 64, 128, 256};

TEST_F(SwitchBankTest, SettingAnAddressMovesOnlyChangedSwitchesWithOneRecomputeEach) {
    const struct {
        const char* name;
        std::vector<int> before;
        std::int16_t address;
        std::vector<int> after;
        Texts shown; // by the nested recomputes, in order; none leaves the caller's text
        int error = 0;
    } rows[] = {
        // clang-format off
        {"one from all OFF", {}, 1, {1}, {"1"}},
        {"511 from all OFF", {}, 511, kAll, {"1", "3", "7", "15", "31", "63", "127", "255", "511"}},
        {"511 again", kAll, 511, kAll, {}},
        {"0 from all ON", kAll, 0, {}, {"510", "508", "504", "496", "480", "448", "384", "256", "0"}},
        {"5 over 1 and 256", {1, 256}, 5, {1, 4}, {"261", "5"}},
        {"5 already set", {1, 4}, 5, {1, 4}, {}},
        {"100 over 4", {4}, 100, {4, 32, 64}, {"36", "100"}},
        {"256 alone", {}, 256, {256}, {"256"}},
        {"600 keeps nine digits", {}, 600, {8, 16, 64}, {"8", "24", "88"}},
        {"1000 keeps nine digits", {}, 1000, {8, 32, 64, 128, 256}, {"8", "40", "104", "232", "488"}},
        {"largest 16-bit", {}, 32767, kAll, {"1", "3", "7", "15", "31", "63", "127", "255", "511"}},
        {"512 over all OFF", {}, 512, {}, {}},
        {"512 over some ON", {4}, 512, {}, {"0"}},
        {"negative even over all OFF", {}, -4, {}, {}},
        {"negative even over some ON", {2, 8}, -4, {}, {"8", "0"}},
        {"smallest 16-bit is even", {1}, -32768, {}, {"0"}},
        // A negative odd address is refused before any switch moves.
        {"-5 refused", {2, 8}, -5, {2, 8}, {}, 13}, {"-1 refused", {1}, -1, {1}, {}, 13},
        {"smallest negative odd refused", {}, -32767, {}, {}, 13},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bank().Reset();
        startWith(row.before);
        app.intStartAddress = 12345;
        headless.setAddressText("caller");
        shown.clear();

        EXPECT_EQ(errorOf([&] { bank().fctDMXStartAdress(row.address); }), row.error);
        EXPECT_EQ(onWeights(), row.after);
        EXPECT_EQ(shown, row.shown);
        const std::string last = row.shown.empty() ? "caller" : row.shown.back();
        EXPECT_EQ(headless.addressText(), last);
        EXPECT_EQ(conv::toDecimalText(app.intStartAddress), row.shown.empty() ? "12345" : last);
    }
}

TEST_F(SwitchBankTest, ClicksEnterAndResetRecomputeFromAllNineSwitches) {
    startWith({1, 2});
    headless.positions(2).setValue(kOnPosition, true);
    headless.positions(1).setValue(kOffPosition, true);
    EXPECT_EQ(shown, (Texts{"7", "5"}));
    EXPECT_EQ(app.intStartAddress, 5);
    EXPECT_EQ(bank().intSwitch2 + bank().intSwitch4, 4);

    // Enter passes intStartAddress itself, which the recomputes overwrite: read once.
    bank().Reset();
    startWith({4});
    bank().EnterStartAddress(100);
    EXPECT_EQ(shown, (Texts{"100", "36", "100"}));
    EXPECT_EQ(onWeights(), (std::vector<int>{4, 32, 64}));
    EXPECT_EQ(app.intStartAddress, 100);

    // Clearing touches only the weight variables; the next recompute rewrites all nine.
    bank().ClearSwitchWeights();
    EXPECT_EQ(bank().intSwitch64, 0);
    EXPECT_EQ(app.intStartAddress, 100);
    headless.positions(0).setValue(kOnPosition, true);
    EXPECT_EQ(headless.addressText(), "101");

    // Reset: one recompute per switch that was ON; the first already finds all OFF.
    shown.clear();
    bank().Reset();
    EXPECT_EQ(shown, (Texts{"0", "0", "0", "0"}));
    EXPECT_TRUE(onWeights().empty());
    // With all OFF nothing is raised and the text stays.
    headless.setAddressText("77");
    shown.clear();
    bank().Reset();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(headless.addressText(), "77");
}

TEST(ParseStartAddress, AcceptsOnlyWholeAddressesNineSwitchesCanSet) {
    const struct {
        const char* text;
        int expected; // the address, or the error number for a refusal
    } rows[] = {
        // clang-format off
        {"0", 0}, {"511", 511}, {" 42 ", 42}, {"+7", 7}, {"99.5", 100}, {"511.4", 511},
        {"511.6", 380}, {"512", 380}, {"1000", 380}, {"-4", 380}, {"-5", 380}, {"abc", 13},
        {"", 13}, {"40000", 6}
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        std::int16_t address = -1;
        const int error = errorOf([&] { address = parseStartAddress(row.text); });
        EXPECT_EQ(error == 0 ? address : error, row.expected);
    }
    // A pasted novel is quoted short, never splitting a character.
    const std::string text = std::string(23, 'a') + "\xC3\xA9" + std::string(50, 'b');
    std::string message;
    try {
        (void)parseStartAddress(text);
    } catch (const RuntimeError& error) {
        message = error.what();
    }
    std::string quoted(1, '"');
    quoted.append(23, 'a').append("...\" ");
    EXPECT_TRUE(message.starts_with(quoted)) << message;
}

TEST(PatchAddress, ReadsTheNotationsOfConsolesAndPlotPrograms) {
    const struct {
        const char* text;
        const char* read; // universe/address<last as read, "-" for none, or "no"
    } rows[] = {
        // clang-format off
        {"17", "-/17<-"}, {" 2/17 ", "2/17<-"}, {"12.32", "12/32<-"}, {"1-001", "1/1<-"},
        {"2:17", "2/17<-"}, {"2 / 17", "2/17<-"}, {" 3/151<153", "3/151<153"},
        {"3/151 < 153", "3/151<153"}, {"832", "-/832<-"}, {"-5", "-/-5<-"}, {"+7", "-/7<-"},
        {"17<20", "-/17<20"}, {"99999999999", "-/1000000000<-"}, {"-1/5", "no"}, {"", "no"},
        {" ", "no"}, {"1/", "no"}, {"/5", "no"}, {"1//5", "no"}, {"1/5/6", "no"}, {"1.5.2", "no"},
        {"12a", "no"}, {"0x1F", "no"}, {"1/5<", "no"}, {"1,5", "no"}, {"1/-5", "no"}
        // clang-format on
    };
    const auto text = [](const std::optional<int>& number) {
        return number ? std::to_string(*number) : std::string("-");
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const std::optional<PatchAddress> patch = PatchAddress::read(row.text);
        // Appended piece by piece: GCC 12 warns wrongly about string sums under LTO.
        std::string read = patch ? text(patch->universe) : "no";
        if (patch) {
            read.append("/").append(std::to_string(patch->address));
            read.append("<").append(text(patch->last));
        }
        EXPECT_EQ(read, row.read);
    }
}

} // namespace
} // namespace brisolant
