#include "modbinarydecimal.h"
#include "runtimeerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace brisolant {
namespace {

using modBinaryDecimal::fctDecimalToBinary;

struct DigitCase {
    const char* name;
    double value;
    std::string expected;
};

class DecimalToBinary : public testing::TestWithParam<DigitCase> {};

TEST_P(DecimalToBinary, GivesTheDigitString) {
    EXPECT_EQ(fctDecimalToBinary(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ModBinaryDecimal, DecimalToBinary,
    testing::Values(
        DigitCase{"zero", 0, "0"}, DigitCase{"one", 1, "1"}, DigitCase{"two", 2, "10"},
        DigitCase{"five", 5, "101"}, DigitCase{"eightOnes", 255, "11111111"},
        DigitCase{"highestSwitch", 256, "100000000"},
        DigitCase{"allNineSwitches", 511, "111111111"}, DigitCase{"tenDigits", 512, "1000000000"},
        DigitCase{"thousand", 1000, "1111101000"},
        DigitCase{"largest16Bit", 32767, std::string(15, '1')},
        DigitCase{"largest32Bit", 2147483647, std::string(31, '1')},
        DigitCase{"halfRoundsToEvenZero", 0.5, "0"}, DigitCase{"pointSevenRoundsUp", 0.7, "1"},
        DigitCase{"oneAndHalfRoundsToTwo", 1.5, "10"},
        DigitCase{"twoAndHalfRoundsToTwo", 2.5, "10"},
        DigitCase{"threeAndHalfRoundsToFour", 3.5, "100"},
        DigitCase{"minusHalfRoundsToZero", -0.5, "0"},
        DigitCase{"minusPointSevenIsOdd", -0.7, "-1"}, DigitCase{"negativeEven", -4, "0"},
        DigitCase{"negativeOdd", -5, "-1"}, DigitCase{"smallest16Bit", -32768, "0"},
        DigitCase{"smallest32Bit", -2147483648.0, "0"}),
    [](const testing::TestParamInfo<DigitCase>& info) { return std::string(info.param.name); });

TEST(ModBinaryDecimal, OverflowOutsideThe32BitRange) {
    for (const double value :
         {2147483647.5, -2147483648.6, std::nan(""), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(value);
        try {
            (void)fctDecimalToBinary(value);
            FAIL() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), 6);
        }
    }
}

TEST(ModBinaryDecimal, EveryNonNegative16BitValueReadsBack) {
    for (int value = 0; value <= 32767; ++value) {
        const std::string digits = fctDecimalToBinary(value);
        ASSERT_EQ(std::stoi(digits, nullptr, 2), value);
        ASSERT_TRUE(value == 0 || digits.front() == '1') << value;
    }
}

} // namespace
} // namespace brisolant
