#include "conversions.h"
#include "headlessswitchbank.h"
#include "runtimeerror.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace brisolant {
namespace {

int digitOf(int weight) {
    int digit = 0;
    while ((1 << digit) != weight) {
        ++digit;
    }
    return digit;
}

// A headless bank that records every address text shown, nested ones included.
class SwitchBankTest : public testing::Test {
protected:
    SwitchBankTest() {
        headless.setAddressTextObserver([this](const std::string& text) { shown.push_back(text); });
    }

    // Turns the given switches ON as a user would, then forgets what that showed.
    void startWith(std::initializer_list<int> weights) {
        for (const int weight : weights) {
            headless.positions(digitOf(weight)).setValue(kOnPosition, true);
        }
        shown.clear();
    }

    [[nodiscard]] std::vector<int> onWeights() {
        std::vector<int> weights;
        for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
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

TEST_F(SwitchBankTest, StartsWithAllSwitchesOffAndZeroShown) {
    EXPECT_TRUE(onWeights().empty());
    EXPECT_EQ(headless.addressText(), "0");
    EXPECT_EQ(app.intStartAddress, 0);
    for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
        EXPECT_TRUE(headless.positions(digit).value(kOffPosition));
    }
}

TEST_F(SwitchBankTest, ClickingPositionsRecomputesFromAllNineSwitches) {
    startWith({1, 2});
    headless.positions(digitOf(4)).setValue(kOnPosition, true);
    EXPECT_EQ(shown, std::vector<std::string>{"7"});
    headless.positions(digitOf(2)).setValue(kOffPosition, true);
    EXPECT_EQ(shown, (std::vector<std::string>{"7", "5"}));
    EXPECT_EQ(app.intStartAddress, 5);
    EXPECT_EQ(bank().intSwitch1, 1);
    EXPECT_EQ(bank().intSwitch2, 0);
    EXPECT_EQ(bank().intSwitch4, 4);
}

TEST_F(SwitchBankTest, AllNineOnAddUpTo511) {
    startWith({1, 2, 4, 8, 16, 32, 64, 128, 256});
    bank().UpdateAddressFromSwitches();
    EXPECT_EQ(headless.addressText(), "511");
    EXPECT_EQ(bank().intSwitch256, 256);
}

struct SetCase {
    const char* name;
    std::vector<int> before;
    std::int16_t address;
    std::vector<int> after;
    // Every address text the nested recomputes show, in order.
    std::vector<std::string> shown;
};

class SetFromAddress : public SwitchBankTest, public testing::WithParamInterface<SetCase> {};

TEST_P(SetFromAddress, MovesOnlyChangedSwitchesWithOneRecomputeEach) {
    const auto& c = GetParam();
    for (const int weight : c.before) {
        headless.positions(digitOf(weight)).setValue(kOnPosition, true);
    }
    // What a caller showed before the call stays when nothing changes.
    app.intStartAddress = 12345;
    headless.setAddressText("caller");
    shown.clear();

    bank().fctDMXStartAdress(c.address);

    EXPECT_EQ(onWeights(), c.after);
    EXPECT_EQ(shown, c.shown);
    if (c.shown.empty()) {
        EXPECT_EQ(headless.addressText(), "caller");
        EXPECT_EQ(app.intStartAddress, 12345);
    } else {
        EXPECT_EQ(headless.addressText(), c.shown.back());
        EXPECT_EQ(conv::toDecimalText(app.intStartAddress), c.shown.back());
    }
    for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
        // Every switch ends in exactly one position.
        EXPECT_NE(headless.positions(digit).value(kOnPosition),
                  headless.positions(digit).value(kOffPosition));
    }
}

INSTANTIATE_TEST_SUITE_P(
    SwitchBank, SetFromAddress,
    testing::Values(SetCase{"oneFromAllOff", {}, 1, {1}, {"1"}},
                    SetCase{"all511FromAllOff",
                            {},
                            511,
                            {1, 2, 4, 8, 16, 32, 64, 128, 256},
                            {"1", "3", "7", "15", "31", "63", "127", "255", "511"}},
                    SetCase{"all511Again",
                            {1, 2, 4, 8, 16, 32, 64, 128, 256},
                            511,
                            {1, 2, 4, 8, 16, 32, 64, 128, 256},
                            {}},
                    SetCase{"zeroFromAllOn",
                            {1, 2, 4, 8, 16, 32, 64, 128, 256},
                            0,
                            {},
                            {"510", "508", "504", "496", "480", "448", "384", "256", "0"}},
                    SetCase{"fiveOverOneAnd256", {1, 256}, 5, {1, 4}, {"261", "5"}},
                    SetCase{"fiveAlreadySet", {1, 4}, 5, {1, 4}, {}},
                    SetCase{"hundredOverFour", {4}, 100, {4, 32, 64}, {"36", "100"}},
                    SetCase{"highestSwitchAlone", {}, 256, {256}, {"256"}},
                    SetCase{"600KeepsLowNineDigits", {}, 600, {8, 16, 64}, {"8", "24", "88"}},
                    SetCase{"1000KeepsLowNineDigits",
                            {},
                            1000,
                            {8, 32, 64, 128, 256},
                            {"8", "40", "104", "232", "488"}},
                    SetCase{"largest16Bit",
                            {},
                            32767,
                            {1, 2, 4, 8, 16, 32, 64, 128, 256},
                            {"1", "3", "7", "15", "31", "63", "127", "255", "511"}},
                    SetCase{"512OverAllOff", {}, 512, {}, {}},
                    SetCase{"512OverSomeOn", {4}, 512, {}, {"0"}},
                    SetCase{"negativeEvenOverAllOff", {}, -4, {}, {}},
                    SetCase{"negativeEvenOverSomeOn", {2, 8}, -4, {}, {"8", "0"}},
                    SetCase{"smallest16BitIsEven", {1}, -32768, {}, {"0"}}),
    [](const testing::TestParamInfo<SetCase>& info) { return std::string(info.param.name); });

TEST_F(SwitchBankTest, NegativeOddAddressChangesNothingAtAll) {
    for (const std::int16_t address : {std::int16_t{-5}, std::int16_t{-1}, std::int16_t{-32767}}) {
        SCOPED_TRACE(address);
        startWith({2, 8});
        app.intStartAddress = address;
        headless.setAddressText("caller");
        shown.clear();
        try {
            bank().fctDMXStartAdress(address);
            FAIL() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), 13);
        }
        EXPECT_EQ(onWeights(), (std::vector<int>{2, 8}));
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(headless.addressText(), "caller");
        EXPECT_EQ(app.intStartAddress, address);
        bank().Reset();
    }
}

TEST_F(SwitchBankTest, ReadsTheAddressOnceWhenGivenIntStartAddressItself) {
    startWith({4});
    // The first nested recompute stores 36 here; the routine must go on with 100.
    app.intStartAddress = 100;
    bank().fctDMXStartAdress(app.intStartAddress);
    EXPECT_EQ(onWeights(), (std::vector<int>{4, 32, 64}));
    EXPECT_EQ(app.intStartAddress, 100);
}

TEST_F(SwitchBankTest, EnterShowsTheTypedAddressThenEachNestedRecompute) {
    startWith({4});
    bank().EnterStartAddress(100);
    EXPECT_EQ(shown, (std::vector<std::string>{"100", "36", "100"}));
    EXPECT_EQ(app.intStartAddress, 100);
    EXPECT_EQ(bank().intSwitch64, 64);
}

TEST_F(SwitchBankTest, ResetWithSwitchesOnRecomputesOncePerSwitchThatWasOn) {
    startWith({1, 8});
    bank().Reset();
    EXPECT_TRUE(onWeights().empty());
    // The first recompute already finds every ON position cleared.
    EXPECT_EQ(shown, (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(app.intStartAddress, 0);
    for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
        EXPECT_TRUE(headless.positions(digit).value(kOffPosition));
        EXPECT_EQ(bank().weightVariable(digit), 0);
    }
}

TEST_F(SwitchBankTest, ResetWithAllOffRaisesNothing) {
    app.intStartAddress = 77;
    headless.setAddressText("77");
    shown.clear();
    bank().Reset();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(headless.addressText(), "77");
    EXPECT_EQ(app.intStartAddress, 77);
}

TEST_F(SwitchBankTest, ClearSwitchWeightsTouchesOnlyTheWeightVariables) {
    startWith({2, 16});
    bank().UpdateAddressFromSwitches();
    shown.clear();
    bank().ClearSwitchWeights();
    EXPECT_EQ(bank().intSwitch16, 0);
    EXPECT_EQ(app.intStartAddress, 18);
    EXPECT_TRUE(shown.empty());
    // The next recompute rewrites all nine before adding them up.
    headless.positions(digitOf(1)).setValue(kOnPosition, true);
    EXPECT_EQ(headless.addressText(), "19");
}

struct EntryCase {
    const char* name;
    const char* text;
    int expected; // an address, or the error number
    bool accepted;
};

class ParseStartAddress : public testing::TestWithParam<EntryCase> {};

TEST_P(ParseStartAddress, AcceptsOnlyAddressesNineSwitchesCanSet) {
    const auto& c = GetParam();
    if (c.accepted) {
        EXPECT_EQ(parseStartAddress(c.text), c.expected);
        return;
    }
    try {
        (void)parseStartAddress(c.text);
        FAIL() << "accepted";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), c.expected);
        // The message says what is accepted.
        EXPECT_NE(std::string(error.what()).find("0 to 511"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SwitchBank, ParseStartAddress,
    testing::Values(EntryCase{"zero", "0", 0, true}, EntryCase{"highest", "511", 511, true},
                    EntryCase{"blanks", " 42 ", 42, true}, EntryCase{"plus", "+7", 7, true},
                    EntryCase{"fraction", "99.5", 100, true},
                    EntryCase{"fractionRoundsIntoRange", "511.4", 511, true},
                    EntryCase{"fractionRoundsOutOfRange", "511.6", 380, false},
                    EntryCase{"oneTooMany", "512", 380, false},
                    EntryCase{"thousand", "1000", 380, false},
                    EntryCase{"negativeEven", "-4", 380, false},
                    EntryCase{"negativeOdd", "-5", 380, false},
                    EntryCase{"letters", "abc", 13, false}, EntryCase{"empty", "", 13, false},
                    EntryCase{"beyond16Bit", "40000", 6, false}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST(ParseStartAddressMessage, QuotesLongTextShortWithoutSplittingCharacters) {
    // 23 ASCII letters and then a two-byte character straddling the cut.
    const std::string text = std::string(23, 'a') + "\xC3\xA9" + std::string(50, 'b');
    try {
        (void)parseStartAddress(text);
        FAIL() << "accepted";
    } catch (const RuntimeError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.find(std::string(23, 'a') + "...\""), 1U);
        EXPECT_EQ(message.find("bb"), std::string::npos);
    }
}

} // namespace
} // namespace brisolant
