#include "chartrefused.h"
#include "profilebook.h"
#include "switchchart.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace brisolant {
namespace {

using Kind = ChartMessage::Kind;

SwitchChart::Fixture at(int address, std::string profile = {}, std::string type = {},
                        std::string maker = {}) {
    SwitchChart::Fixture fixture;
    fixture.universe = 1;
    fixture.address = address;
    fixture.profile = std::move(profile);
    fixture.type = std::move(type);
    fixture.maker = std::move(maker);
    fixture.line = 7;
    return fixture;
}

// The switches, what to set, or why the fixture is left out.
struct Charted {
    std::string digits;
    std::string set;
    std::optional<Kind> leftOut;
    ChartMessage message;
};

Charted chartOne(const SwitchChart::Fixture& fixture, const ProfileBook& book) {
    const std::vector<SwitchChart::Fixture> fixtures = {fixture, at(1)};
    const SwitchChart::Chart chart =
        SwitchChart::make(fixtures, SwitchChart::Unsettable::LeaveOut, book);
    if (!chart.leftOut.empty()) {
        return {{}, {}, chart.leftOut.front().kind, chart.leftOut.front()};
    }
    return {chart.rows.front().switchDigits(), chart.rows.front().setting(), std::nullopt, {}};
}

// An installation decoder: DIP 4 the highest bit, DIP 10 the lowest, the
// address the value set times 4 plus 1; DIP 1 to 3 function switches.
AddressProfile decoder() {
    AddressProfile profile;
    profile.name = "decoder";
    profile.switches.resize(10);
    for (int weight = 1, dip = 10; dip >= 4; --dip, weight *= 2) {
        profile.switches[static_cast<std::size_t>(dip - 1)].weight = weight;
    }
    profile.switches[0].functionOn = true;
    profile.offset = 1;
    profile.step = 4;
    return profile;
}

ProfileBook bookWithOwn() {
    ProfileBook book;
    book.add(decoder());
    AddressProfile hex;
    hex.name = "hex2";
    hex.kind = AddressProfile::Kind::Dials;
    hex.dials = 2;
    hex.base = 16;
    hex.mostSignificantFirst = false;
    book.add(hex);
    AddressProfile menu;
    menu.name = "menu";
    menu.kind = AddressProfile::Kind::Display;
    menu.prefix = "d.";
    menu.offset = 1;
    book.add(menu);
    return book;
}

TEST(AddressProfiles, EachSetsAnAddressAsTheFixtureShowsIt) {
    const struct {
        const char* profile = nullptr;
        int address = 0;
        const char* digits = nullptr;
        const char* set = nullptr;
        std::optional<Kind> leftOut;
    } rows[] = {
        // clang-format off
        {"dip9", 261, "101000001", "1 3 9", {}}, {"dip9", 512, "", "", Kind::NeedsTenthSwitch},
        {"dip10", 512, "0000000001", "10", {}}, {"dip10", 511, "1111111110", "1 2 3 4 5 6 7 8 9", {}},
        {"dip10-function-off", 5, "1010000000", "1 3", {}},
        {"dip10-function-off", 512, "", "", Kind::AboveProfile},
        {"dip10-function-on", 5, "1010000001", "1 3 10", {}},
        {"dials3", 56, "", "0 5 6", {}}, {"dials3", 512, "", "5 1 2", {}},
        {"display", 7, "", "A007", {}}, {"display", 512, "", "A512", {}},
        // Offset 1 and step 4, weights from the far end, a function switch ON.
        {"decoder", 1, "1000000000", "1", {}}, {"decoder", 9, "1000000010", "1 9", {}},
        {"decoder", 509, "1001111111", "1 4 5 6 7 8 9 10", {}},
        {"decoder", 10, "", "", Kind::OffProfileStep},
        {"decoder", 512, "", "", Kind::AboveProfile},
        {"hex2", 171, "", "B A", {}}, {"hex2", 255, "", "F F", {}},
        {"hex2", 256, "", "", Kind::AboveProfile},
        {"menu", 1, "", "d.000", {}}, {"menu", 512, "", "d.511", {}},
        // clang-format on
    };
    const ProfileBook book = bookWithOwn();
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.profile) + " " + std::to_string(row.address));
        const Charted charted = chartOne(at(row.address, row.profile), book);
        EXPECT_EQ(charted.digits, row.digits);
        EXPECT_EQ(charted.set, row.set);
        EXPECT_EQ(charted.leftOut, row.leftOut);
    }
    // What a left-out note says: the profile, and its highest address or its steps.
    const ChartMessage above = chartOne(at(512, "decoder"), book).message;
    const ChartMessage off = chartOne(at(10, "decoder"), book).message;
    EXPECT_EQ(std::tuple(above.profile, above.first, above.text, above.fixture.line),
              std::tuple(std::string("decoder"), 509, std::string("1/512"), 7));
    EXPECT_EQ(std::tuple(off.first, off.last), std::tuple(1, 4));
}

TEST(AddressProfiles, RulesByTypeExactlyOrWithStarAndTheFilesOwnProfileFirst) {
    ProfileBook book;
    book.addRule({"", "Pack 6", "dip10"});
    book.addRule({"", "LED*", "dials3"});
    book.addRule({"Acme*", "*", "display"});
    book.addRule({"Acme", "Pack 6", "dip10-function-on"});
    book.addRule({"", "LED Par", "dip10-function-off"});
    const struct {
        const char* maker;
        const char* type;
        const char* own;
        const char* profile;
    } rows[] = {
        // clang-format off
        {"Acme", "Pack 6", "", "dip10-function-on"}, {"Other", "Pack 6", "", "dip10"},
        {"", "LED Par", "", "dip10-function-off"}, {"", "LED Bar", "", "dials3"},
        {"Acme Ltd", "Spot", "", "display"}, {"Other", "Spot", "", "dip9"},
        {"", "", "", "dip9"}, {"Acme", "Pack 6", "dials3", "dials3"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.maker) + "/" + row.type + "/" + row.own);
        EXPECT_EQ(SwitchChart::profileOf(at(1, row.own, row.type, row.maker), book)->name,
                  row.profile);
    }
    EXPECT_FALSE(book.setFallback("dip11"));
    EXPECT_TRUE(book.setFallback("dials3"));
    EXPECT_EQ(SwitchChart::profileOf(at(1, {}, "Spot", "Other"), book)->name, "dials3");
    book.choose("", "LED Par", "display");
    EXPECT_EQ(SwitchChart::profileOf(at(1, {}, "LED Par"), book)->name, "display");
    EXPECT_FALSE(book.add(AddressProfile::dip9()));

    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } patterns[] = {{"*", "", true},      {"a*c", "abbc", true}, {"a*c", "abcd", false},
                    {"*b*", "abc", true}, {"", "", true},        {"a", "", false},
                    {"a**", "a", true},   {"*ab", "aab", true},  {"MAC*", "Mac 250", false}};
    for (const auto& row : patterns) {
        EXPECT_EQ(ProfileBook::matches(row.pattern, row.text), row.matches)
            << row.pattern << " " << row.text;
    }
}

TEST(AddressProfiles, UnknownOrUnsettableRefusedWhereWritten) {
    const auto refusal = [](const std::vector<SwitchChart::Fixture>& fixtures,
                            SwitchChart::Unsettable unsettable) -> ChartMessage {
        try {
            (void)SwitchChart::make(fixtures, unsettable, bookWithOwn());
        } catch (const ChartRefused& refused) {
            return *refused.message();
        }
        return {};
    };
    using enum SwitchChart::Unsettable;
    const ChartMessage unknown = refusal({at(1), at(5, "dip11")}, LeaveOut);
    EXPECT_EQ(std::tuple(unknown.kind, unknown.text, unknown.fixture.line, unknown.fixture.place),
              std::tuple(Kind::UnknownProfile, std::string("dip11"), 7, std::size_t{2}));
    EXPECT_EQ(refusal({at(10, "decoder")}, Refuse).kind, Kind::AddressOffProfileStep);
    EXPECT_EQ(refusal({at(300, "hex2")}, Refuse).kind, Kind::AddressAboveProfile);
    EXPECT_EQ(refusal({at(512)}, Refuse).kind, Kind::AddressAboveSwitches);
    const ChartMessage nothing = refusal({at(10, "decoder"), SwitchChart::Fixture{}}, LeaveOut);
    EXPECT_EQ(std::tuple(nothing.kind, nothing.count, nothing.notPatched),
              std::tuple(Kind::NothingAsProfiled, std::size_t{2}, std::size_t{1}));
}

} // namespace
} // namespace brisolant
