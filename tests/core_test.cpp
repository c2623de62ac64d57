#include "appinformation.h"
#include "chartorder.h"
#include "chartrefused.h"
#include "conversions.h"
#include "headlessswitchbank.h"
#include "modbinarydecimal.h"
#include "patchaddress.h"
#include "runtimeerror.h"
#include "switchchart.h"
#include "universemap.h"
#include "wholenumber.h"

#include <gtest/gtest.h>

#include <array>
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

using Fixture = SwitchChart::Fixture;
using Kind = ChartMessage::Kind;
using K = Kind;
constexpr auto kRefuse = SwitchChart::Unsettable::Refuse;
constexpr auto kLeaveOut = SwitchChart::Unsettable::LeaveOut;

// A refusal or a note as a row expects it: the kind, the value quoted, the channels.
std::string is(Kind kind, const std::string& text = "", int first = 0, int last = 0) {
    std::string said = std::to_string(int(kind)) + " " + text;
    return first == 0 ? said : said + " " + std::to_string(first) + "-" + std::to_string(last);
}

// What the chart of the fixture, with one plain fixture after it, says of it:
// "U/A" where it is charted, else the refusal or why it is left out.
std::string outcome(const Fixture& fixture, SwitchChart::Unsettable unsettable) {
    Fixture plain;
    plain.address = 1;
    try {
        const SwitchChart::Chart chart = SwitchChart::make({fixture, plain}, unsettable);
        if (!chart.leftOut.empty()) {
            return is(chart.leftOut.front().kind);
        }
        return std::to_string(chart.rows.front().universe) + "/" +
               std::to_string(chart.rows.front().startAddress);
    } catch (const ChartRefused& refused) {
        const ChartMessage& message = *refused.message();
        return is(message.kind, message.text, message.first, message.last);
    }
}

TEST(SwitchChart, EveryLimitAtItAndOnePastQuotingWhatWasWritten) {
    constexpr int kHeld = kBeyondAnyLimit;
    const std::optional<int> none;
    const struct {
        const char* name;
        std::optional<int> universe;
        std::optional<int> address;
        int channels;
        Fixture::Written written;
        SwitchChart::Unsettable unsettable;
        std::string expected;
    } rows[] = {
        // clang-format off
        {"universe 1", 1, 5, 1, {}, kRefuse, "1/5"},
        {"universe 0", 0, 5, 1, {}, kRefuse, is(K::UniverseBelowFirst, "0")},
        {"universe 63999", 63999, 5, 1, {}, kRefuse, "63999/5"},
        {"universe 64000", 64000, 5, 1, {}, kLeaveOut, is(K::UniverseAboveLast, "64000")},
        {"universe column", 70000, 5, 1, {"5", " 070000", ""}, kRefuse,
         is(K::UniverseAboveLast, "070000")},
        {"universe of a notation", 70000, 1, 1, {" 070000/1", "", ""}, kRefuse,
         is(K::UniverseAboveLast, "070000")},
        {"across, last universe", none, 32767487, 1, {}, kRefuse, "63999/511"},
        {"across, one universe past", none, 32767489, 1, {}, kLeaveOut,
         is(K::AddressPastUniverses, "32767489")},
        {"across, held", none, kHeld, 1, {"2147483647", "", ""}, kRefuse,
         is(K::AddressPastUniverses, "2147483647")},
        {"address 1", none, 1, 1, {}, kRefuse, "1/1"},
        {"address 0", none, 0, 1, {"0", "", ""}, kLeaveOut, is(K::AddressBelowFirst, "0")},
        {"address 511", none, 511, 1, {}, kRefuse, "1/511"},
        {"address 512 typed", none, 512, 1, {}, kRefuse, is(K::AddressAboveSwitches, "512")},
        {"address 512 from a file", 2, 512, 1, {}, kLeaveOut, is(K::NeedsTenthSwitch)},
        {"address 513 in a universe", 2, 513, 1, {"513", "2", ""}, kLeaveOut,
         is(K::AddressPastUniverse, "2/513")},
        {"channels to 512", 1, 497, 16, {}, kRefuse, "1/497"},
        {"channels past 512", 1, 498, 16, {}, kRefuse, is(K::ChannelsPastUniverse, "16", 498, 513)},
        {"channels held", 1, 1, kHeld, {"", "", "99999999999"}, kRefuse,
         is(K::ChannelsPastUniverse, "99999999999", 1, 0)},
        {"channels 0", 1, 1, 0, {}, kRefuse, is(K::ChannelsBelowOne, "0")},
        {"not patched, typed", 1, none, 1, {}, kRefuse, is(K::NoStartAddress)},
        {"not patched, from a file", 1, none, 1, {}, kLeaveOut, is(K::NotPatched)},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture fixture;
        fixture.universe = row.universe;
        fixture.address = row.address;
        fixture.channels = row.channels;
        fixture.written = row.written;
        EXPECT_EQ(outcome(fixture, row.unsettable), row.expected);
    }
}

TEST(SwitchChart, QuotesAreOneLineCutOnACharacter) {
    const std::string forty(40, 'a');
    EXPECT_EQ(ChartMessage::quote(" \t2/17\r\n"), "2/17");
    EXPECT_EQ(ChartMessage::quote("a\nb\tc"), "a b c");
    EXPECT_EQ(ChartMessage::quote(forty), forty);
    EXPECT_EQ(ChartMessage::quote(forty + "b"), forty + "\u2026");
    EXPECT_EQ(ChartMessage::quote(forty.substr(1) + "\u00E9\u00E9"),
              forty.substr(1) + "\u00E9\u2026");
}

TEST(SwitchChart, FixturesAreKnownByNumberAndNameElseByPlace) {
    const struct {
        const char* name;
        std::vector<std::string> numbers;
        std::string known; // each charted fixture's number, then how the first is known alone
    } rows[] = {
        {"numbers", {" 101 ", "7"}, "101,7, 101|Spot|1@4"},
        {"None in any case", {"None", "nONE"}, ",, |Spot|1@4"},
        {"0 for every fixture", {"0", "00"}, ",, 0|Spot|1@4"},
        {"0 beside a number", {"0", "5"}, "0,5, 0|Spot|1@4"},
        {"0 alone", {"0"}, "0, 0|Spot|1@4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Fixture> fixtures;
        for (const std::string& number : row.numbers) {
            fixtures.emplace_back();
            fixtures.back().number = number;
            fixtures.back().address = int(fixtures.size());
        }
        std::string known;
        for (const SwitchChart::Row& charted : SwitchChart::make(fixtures, kRefuse).rows) {
            known += charted.fixtureNumber + ",";
        }
        fixtures.front().name = "Spot";
        fixtures.front().line = 4;
        const FixtureRef alone = SwitchChart::nameOf(fixtures.front(), 1);
        EXPECT_EQ(known + " " + alone.number + "|" + alone.name + "|" +
                      std::to_string(alone.place) + "@" + std::to_string(alone.line),
                  row.known);
    }
}

// How a chart marks shared channels: each row's count of partners and its
// first partner, then the pairs named and how many more.
std::string sharing(const SwitchChart::Chart& chart) {
    std::string said;
    for (const SwitchChart::Row& row : chart.rows) {
        said += std::to_string(row.sharing) + ":" + std::to_string(row.sharedWith.place) + " ";
    }
    for (const ChartMessage& warning : chart.warnings) {
        said += warning.kind == Kind::MoreSharedPairs
                    ? "+" + std::to_string(warning.count)
                    : std::to_string(warning.fixture.place) + "-" +
                          std::to_string(warning.other.place) + " ";
    }
    return said;
}

TEST(SwitchChart, SharedChannelsAreCountedAndNamedPairByPair) {
    const struct {
        const char* name;
        std::vector<std::array<int, 3>> spans; // universe, address, channels
        std::string sharing;
    } rows[] = {
        {"touching", {{1, 1, 3}, {1, 4, 1}}, "0:0 0:0 "},
        {"other universes", {{1, 1, 3}, {2, 1, 3}}, "0:0 0:0 "},
        {"on the other's last channel, both marked", {{1, 1, 3}, {1, 3, 1}}, "1:2 1:1 1-2 "},
        {"first partner by first channel",
         {{1, 10, 5}, {1, 1, 20}, {1, 12, 1}},
         "2:2 2:1 2:2 1-2 1-3 2-3 "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Fixture> fixtures(row.spans.size());
        for (std::size_t i = 0; i < fixtures.size(); ++i) {
            fixtures[i].universe = row.spans[i][0];
            fixtures[i].address = row.spans[i][1];
            fixtures[i].channels = row.spans[i][2];
        }
        EXPECT_EQ(sharing(SwitchChart::make(fixtures, kLeaveOut)), row.sharing);
    }
    // 46 fixtures at one address: 1,035 pairs, the first 1,000 named.
    Fixture dimmer;
    dimmer.address = 1;
    const SwitchChart::Chart ganged = SwitchChart::make(std::vector(46, dimmer), kLeaveOut);
    EXPECT_EQ(ganged.warnings.size(), SwitchChart::kMostSharedPairs + 1);
    EXPECT_EQ(ganged.warnings.back().count, 35U);
    EXPECT_EQ(sharing(ganged).substr(0, 19), "45:2 45:1 45:1 45:1");
}

TEST(SwitchChart, SeriesRunIntoTheNextUniverseAsConsolesPatchARange) {
    const std::optional<int> none;
    const struct {
        const char* name;
        PatchAddress first;
        int channels;
        int count;
        std::string made; // how many, and the last two as written
    } rows[] = {
        {"past 512, no universe named", {none, 1, none}, 100, 6, "6: 401 513"},
        {"the last ending on 512", {none, 481, none}, 16, 2, "2: 481 497"},
        {"the next past 512", {none, 481, none}, 16, 3, "3: 497 513"},
        {"a first that does not fit stays", {1, 510, none}, 16, 2, "2: 1/510 2/1"},
        {"into the next universe", {2, 500, none}, 10, 2, "2: 2/500 3/1"},
        {"the longest", {1, 1, none}, 16, 10'000, "10000: 313/225 313/241"},
        {"longer than that", {1, 1, none}, 16, 10'001, "10000: 313/225 313/241"},
        {"fewer than none", {none, 1, none}, 16, -1, "0:"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<Fixture> made = SwitchChart::series(row.first, row.channels, row.count);
        std::string said = std::to_string(made.size()) + ":";
        for (std::size_t i = std::max<std::size_t>(made.size(), 2) - 2; i < made.size(); ++i) {
            said += " " + made[i].written.address;
        }
        EXPECT_EQ(said, row.made);
    }
}

// Rows at these universes, addresses and channel counts, in this order.
std::vector<SwitchChart::Row> rowsAt(const std::vector<std::array<int, 3>>& spans) {
    std::vector<SwitchChart::Row> rows(spans.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].number = i + 1;
        rows[i].universe = spans[i][0];
        rows[i].startAddress = std::int16_t(spans[i][1]);
        rows[i].channels = spans[i][2];
    }
    return rows;
}

TEST(UniverseMap, SpansSharedRunsAndFreeBlocksOfEachUniverseTheRigUses) {
    const struct {
        const char* name;
        std::vector<std::array<int, 3>> spans; // universe, address, channels
        std::string maps; // per universe: spans as place:channels, shared, free, used, largest
    } rows[] = {
        {"gaps", {{1, 33, 16}, {1, 1, 16}}, "1: 2:1-16 1:33-48 | | 17-32 49-512 | 32 464 "},
        {"a gap of one channel", {{1, 1, 4}, {1, 6, 1}}, "1: 1:1-4 2:6-6 | | 5-5 7-512 | 5 506 "},
        {"overlaps, touching runs one",
         {{1, 1, 10}, {1, 5, 2}, {1, 7, 4}, {1, 20, 5}, {1, 10, 11}},
         "1: 1:1-10 2:5-6 3:7-10 5:10-20 4:20-24 | 5-10 20-20 | 25-512 | 24 488 "},
        {"one at an address, in list order",
         {{1, 5, 3}, {1, 5, 1}},
         "1: 1:5-7 2:5-5 | 5-5 | 1-4 8-512 | 3 505 "},
        {"a fixture ending at 512",
         {{2, 497, 16}, {2, 1, 1}},
         "2: 2:1-1 1:497-512 | | 2-496 | 17 495 "},
        {"a full universe", {{1, 1, 512}}, "1: 1:1-512 | | | 512 0 "},
        {"an empty universe between gets no map",
         {{3, 1, 1}, {1, 511, 2}},
         "1: 2:511-512 | | 1-510 | 2 510 3: 1:1-1 | | 2-512 | 1 511 "},
        {"no rows, no maps", {}, ""},
    };
    const auto blocks = [](const std::vector<UniverseMap::Block>& runs) {
        std::string said;
        for (const UniverseMap::Block& run : runs) {
            said += std::to_string(run.first) + "-" + std::to_string(run.last) + " ";
        }
        return said;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<SwitchChart::Row> charted = rowsAt(row.spans);
        std::string said;
        for (const UniverseMap& map : UniverseMap::of(charted)) {
            said += std::to_string(map.universe) + ": ";
            for (const UniverseMap::Span& span : map.spans) {
                said += std::to_string(charted[span.row].number) + ":" + blocks({span.channels});
            }
            said += "| " + blocks(map.shared) + "| " + blocks(map.free) + "| " +
                    std::to_string(map.usedChannels()) + " " + std::to_string(map.largestFree()) +
                    " ";
            EXPECT_EQ(map.usedChannels() + map.freeChannels(), 512);
        }
        EXPECT_EQ(said, row.maps);
    }
}

TEST(ChartOrder, ByUniverseAndAddressFixturesAtOneAddressAsListed) {
    std::vector<SwitchChart::Row> rows = rowsAt({{2, 1, 1}, {1, 17, 1}, {1, 1, 1}, {1, 17, 2}});
    const auto places = [&rows] {
        std::string said;
        for (const SwitchChart::Row& row : rows) {
            said += std::to_string(row.number);
        }
        return said;
    };
    ChartOrder::sort(rows, ChartOrder::By::List);
    EXPECT_EQ(places(), "1234");
    ChartOrder::sort(rows, ChartOrder::By::Address);
    EXPECT_EQ(places(), "3241");
}

} // namespace
} // namespace brisolant
