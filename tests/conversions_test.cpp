#include "conversions.h"
#include "runtimeerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brisolant {
namespace {

struct RoundCase {
    double value;
    std::int32_t expected;
};

class RoundsTiesToEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundsTiesToEven, ToInt32) {
    EXPECT_EQ(conv::toInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, RoundsTiesToEven,
                         testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2},
                                         RoundCase{3.5, 4}, RoundCase{-0.5, 0}, RoundCase{-1.5, -2},
                                         RoundCase{-2.5, -2}, RoundCase{0.7, 1},
                                         RoundCase{-0.7, -1}, RoundCase{2147483647.0, 2147483647},
                                         RoundCase{2147483647.4, 2147483647},
                                         RoundCase{-2147483648.5, -2147483648}));

TEST(Conversions, DoubleToIntegerOverflowsOutsideTheTarget) {
    for (const double value :
         {2147483647.5, -2147483648.6, 1e300, std::nan(""), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(value);
        try {
            (void)conv::toInt32(value);
            FAIL() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::Overflow);
        }
    }
    EXPECT_EQ(conv::toInt16(32767.49), 32767);
    EXPECT_EQ(conv::toInt16(-32768.5), -32768); // tie goes to the even -32768
    EXPECT_THROW((void)conv::toInt16(32767.5), RuntimeError);
    EXPECT_THROW((void)conv::toInt16(-32769.0), RuntimeError);
}

struct TextCase {
    const char* name;
    const char* text;
    conv::ParseStatus status;
    std::int16_t value;
};

class TextToInt16 : public testing::TestWithParam<TextCase> {};

TEST_P(TextToInt16, ParsesByTheDocumentedGrammar) {
    const auto& c = GetParam();
    const auto parsed = conv::parseInt16(c.text);
    EXPECT_EQ(parsed.status, c.status);
    if (c.status == conv::ParseStatus::Ok) {
        EXPECT_EQ(parsed.value, c.value);
        EXPECT_EQ(conv::textToInt16(c.text), c.value);
    } else {
        try {
            (void)conv::textToInt16(c.text);
            FAIL() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), c.status == conv::ParseStatus::NotANumber
                                          ? ErrorNumber::TypeMismatch
                                          : ErrorNumber::Overflow);
        }
    }
}

using conv::ParseStatus;
INSTANTIATE_TEST_SUITE_P(
    Conversions, TextToInt16,
    testing::Values(TextCase{"plain", "100", ParseStatus::Ok, 100},
                    TextCase{"zero", "0", ParseStatus::Ok, 0},
                    TextCase{"blanksAround", " \t42 ", ParseStatus::Ok, 42},
                    TextCase{"plusSign", "+7", ParseStatus::Ok, 7},
                    TextCase{"minusSign", "-12", ParseStatus::Ok, -12},
                    TextCase{"minusZero", "-0", ParseStatus::Ok, 0},
                    TextCase{"leadingZeros", "000000000511", ParseStatus::Ok, 511},
                    TextCase{"fractionDown", "2.4", ParseStatus::Ok, 2},
                    TextCase{"fractionTieToEvenDown", "2.5", ParseStatus::Ok, 2},
                    TextCase{"fractionTieToEvenUp", "3.5", ParseStatus::Ok, 4},
                    TextCase{"fractionJustAboveTie", "2.5000001", ParseStatus::Ok, 3},
                    TextCase{"negativeTie", "-2.5", ParseStatus::Ok, -2},
                    TextCase{"negativeFraction", "-0.7", ParseStatus::Ok, -1},
                    TextCase{"onlyFraction", ".5", ParseStatus::Ok, 0},
                    TextCase{"trailingPoint", "3.", ParseStatus::Ok, 3},
                    TextCase{"largest", "32767", ParseStatus::Ok, 32767},
                    TextCase{"smallest", "-32768", ParseStatus::Ok, -32768},
                    TextCase{"roundsUpToLargest", "32766.6", ParseStatus::Ok, 32767},
                    TextCase{"empty", "", ParseStatus::NotANumber, 0},
                    TextCase{"blanksOnly", "   ", ParseStatus::NotANumber, 0},
                    TextCase{"letters", "abc", ParseStatus::NotANumber, 0},
                    TextCase{"digitsThenLetters", "12ab", ParseStatus::NotANumber, 0},
                    TextCase{"signOnly", "-", ParseStatus::NotANumber, 0},
                    TextCase{"pointOnly", ".", ParseStatus::NotANumber, 0},
                    TextCase{"twoPoints", "1.2.3", ParseStatus::NotANumber, 0},
                    TextCase{"twoSigns", "+-1", ParseStatus::NotANumber, 0},
                    TextCase{"blankAfterSign", "- 1", ParseStatus::NotANumber, 0},
                    TextCase{"blankInside", "1 2", ParseStatus::NotANumber, 0},
                    TextCase{"exponent", "1e3", ParseStatus::NotANumber, 0},
                    TextCase{"hexadecimal", "0x10", ParseStatus::NotANumber, 0},
                    TextCase{"newline", "1\n", ParseStatus::NotANumber, 0},
                    TextCase{"tooLarge", "40000", ParseStatus::OutOfRange, 0},
                    TextCase{"justTooLarge", "32768", ParseStatus::OutOfRange, 0},
                    TextCase{"roundsOutOfRange", "32767.5", ParseStatus::OutOfRange, 0},
                    TextCase{"tooSmall", "-32769", ParseStatus::OutOfRange, 0},
                    TextCase{"hugeDigits", "99999999999999999999", ParseStatus::OutOfRange, 0}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(Conversions, DecimalTextHasNoBlankAndSignOnlyForNegatives) {
    EXPECT_EQ(conv::toDecimalText(0), "0");
    EXPECT_EQ(conv::toDecimalText(511), "511");
    EXPECT_EQ(conv::toDecimalText(-32768), "-32768");
}

TEST(Conversions, AddInt16OverflowsOutsideTheRange) {
    EXPECT_EQ(conv::addInt16(32766, 1), 32767);
    EXPECT_EQ(conv::addInt16(-32767, -1), -32768);
    EXPECT_THROW((void)conv::addInt16(32767, 1), RuntimeError);
    EXPECT_THROW((void)conv::addInt16(-32768, -1), RuntimeError);
}

TEST(Conversions, PowerOfTwoIsExactInDoublePrecision) {
    EXPECT_EQ(conv::powerOfTwo(0), 1.0);
    EXPECT_EQ(conv::powerOfTwo(8), 256.0);
    EXPECT_EQ(conv::powerOfTwo(15), 32768.0);
    EXPECT_THROW((void)conv::toInt16(conv::powerOfTwo(15)), RuntimeError);
}

TEST(RuntimeErrors, CarryTheirNumberAndPlainEnglishName) {
    const RuntimeError overflow(ErrorNumber::Overflow);
    EXPECT_EQ(overflow.code(), 6);
    EXPECT_STREQ(overflow.what(), "Overflow");
    const RuntimeError mismatch(ErrorNumber::TypeMismatch);
    EXPECT_EQ(mismatch.code(), 13);
    EXPECT_STREQ(mismatch.what(), "Type mismatch");
}

} // namespace
} // namespace brisolant
