#include "switchchart.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "headlessswitchbank.h"
#include "modapp.h"
#include "overlapindex.h"
#include "wholenumber.h"

#include <algorithm>
#include <array>

namespace brisolant {

namespace {

using Kind = ChartMessage::Kind;

// The bank's switches are the value's lowest bits.
static_assert(1 << SwitchBankView::kSwitchCount == dmx::kLastChannel);

ChartMessage aboutFixture(Kind kind, const FixtureRef& fixture, std::string text = {}) {
    ChartMessage message;
    message.kind = kind;
    message.fixture = fixture;
    message.text = std::move(text);
    return message;
}

[[noreturn]] void refuse(Kind kind, const FixtureRef& fixture, std::string text = {}) {
    throw ChartRefused(aboutFixture(kind, fixture, std::move(text)));
}

// The start address as the source wrote it, with the universe where that is
// a column of its own: "2/17".
std::string writtenAddress(const SwitchChart::Fixture& fixture) {
    const SwitchChart::Fixture::Written& written = fixture.written;
    if (written.address.empty()) {
        const std::string address = std::to_string(*fixture.address);
        return fixture.universe ? std::to_string(*fixture.universe) + "/" + address : address;
    }
    return ChartMessage::quote(written.universe.empty() ? written.address
                                                        : written.universe + "/" + written.address);
}

// The universe as the source wrote it: a column of its own, or the part of
// the address that names it.
std::string writtenUniverse(const SwitchChart::Fixture& fixture) {
    if (!fixture.written.universe.empty()) {
        return ChartMessage::quote(fixture.written.universe);
    }
    const std::string_view named = PatchAddress::universeText(fixture.written.address);
    return named.empty() ? std::to_string(*fixture.universe) : ChartMessage::quote(named);
}

std::string writtenChannels(const SwitchChart::Fixture& fixture) {
    return fixture.written.channels.empty() ? std::to_string(fixture.channels)
                                            : ChartMessage::quote(fixture.written.channels);
}

// Why profile cannot set a fixture's start address (written): a refusal
// where the address was typed, else the note of a fixture left out.
ChartMessage unsettableBy(const AddressProfile& profile, AddressProfile::Unsettable why,
                          const FixtureRef& who, std::string written, bool leaveOut) {
    // Nine switches at 512 are told as they always were: a tenth is needed.
    const bool nine = profile.kind == AddressProfile::Kind::Switches &&
                      profile.switches.size() == SwitchBankView::kSwitchCount &&
                      profile.highestAddress() == kHighestAddress;
    const bool above = why == AddressProfile::Unsettable::AboveHighest;
    const Kind kind = nine && above
                          ? (leaveOut ? Kind::NeedsTenthSwitch : Kind::AddressAboveSwitches)
                      : above ? (leaveOut ? Kind::AboveProfile : Kind::AddressAboveProfile)
                              : (leaveOut ? Kind::OffProfileStep : Kind::AddressOffProfileStep);
    ChartMessage message = aboutFixture(kind, who, std::move(written));
    if (!nine) {
        message.profile = profile.name;
        message.first = above ? profile.highestAddress() : profile.offset;
        message.last = above ? 0 : profile.step;
    }
    return message;
}

// Where a fixture goes on the chart: its universe and address, or nothing
// when it is to be left out, with the reason in leftOut. Throws ChartRefused
// for what is plainly wrong.
struct Placed {
    int universe = 1;
    int address = 0;
};
std::optional<Placed> place(const SwitchChart::Fixture& fixture, const FixtureRef& who,
                            const AddressProfile& profile, SwitchChart::Unsettable unsettable,
                            ChartMessage& leftOut) {
    const bool leaveOut = unsettable == SwitchChart::Unsettable::LeaveOut;
    if (!fixture.address) {
        if (!leaveOut) {
            refuse(Kind::NoStartAddress, who);
        }
        leftOut = aboutFixture(Kind::NotPatched, who);
        return std::nullopt;
    }
    if (fixture.universe && *fixture.universe < dmx::kFirstUniverse) {
        refuse(Kind::UniverseBelowFirst, who, writtenUniverse(fixture));
    }
    if (fixture.universe && *fixture.universe > dmx::kLastUniverse) {
        refuse(Kind::UniverseAboveLast, who, writtenUniverse(fixture));
    }
    const int written = *fixture.address;
    if (written < dmx::kFirstChannel) {
        refuse(Kind::AddressBelowFirst, who, writtenAddress(fixture));
    }
    Placed placed{fixture.universe.value_or(1), written};
    if (!fixture.universe) {
        // A number that counts across universes.
        placed = {(written - 1) / dmx::kLastChannel + 1, (written - 1) % dmx::kLastChannel + 1};
        if (placed.universe > dmx::kLastUniverse) {
            refuse(Kind::AddressPastUniverses, who, writtenAddress(fixture));
        }
    } else if (written > dmx::kLastChannel) {
        refuse(Kind::AddressPastUniverse, who, writtenAddress(fixture));
    }
    if (fixture.channels < 1) {
        refuse(Kind::ChannelsBelowOne, who, writtenChannels(fixture));
    }
    const long long last = static_cast<long long>(placed.address) + fixture.channels - 1;
    if (last > dmx::kLastChannel) {
        ChartMessage message =
            aboutFixture(Kind::ChannelsPastUniverse, who, writtenChannels(fixture));
        message.first = placed.address;
        // A count held at the reader's limit gives no true last channel.
        message.last = fixture.channels < kBeyondAnyLimit ? static_cast<int>(last) : 0;
        throw ChartRefused(std::move(message));
    }
    const AddressProfile::Value value = profile.valueFor(placed.address);
    if (!value.unsettable) {
        return placed;
    }
    ChartMessage message =
        unsettableBy(profile, *value.unsettable, who, writtenAddress(fixture), leaveOut);
    if (!leaveOut) {
        throw ChartRefused(std::move(message));
    }
    leftOut = std::move(message);
    return std::nullopt;
}

// Every fixture of the list left out: why, in a word.
[[noreturn]] void refuseNothingLeft(const std::vector<ChartMessage>& leftOut) {
    ChartMessage nothing;
    nothing.kind = Kind::NothingSettable;
    nothing.count = leftOut.size();
    for (const ChartMessage& one : leftOut) {
        nothing.notPatched += one.kind == Kind::NotPatched ? 1 : 0;
        if (one.kind == Kind::AboveProfile || one.kind == Kind::OffProfileStep) {
            nothing.kind = Kind::NothingAsProfiled;
        }
    }
    throw ChartRefused(std::move(nothing));
}

// A value's address bits, from the window's own bank run headless, once for
// each value the chart holds: a rig repeats addresses in every universe, and
// a ganged list repeats one. 512, where a profile has a switch of that
// weight, is the one bit beyond the bank's.
class BankBits final {
public:
    [[nodiscard]] int of(int value) {
        std::optional<int>& known = m_known.at(static_cast<std::size_t>(value & kHighestAddress));
        if (!known) {
            SwitchBank& bank = m_headless.bank();
            bank.fctDMXStartAdress(static_cast<std::int16_t>(value & kHighestAddress));
            known = 0;
            for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
                *known |= bank.isOn(digit) ? 1 << digit : 0;
            }
        }
        return *known | (value & dmx::kLastChannel);
    }

private:
    modApp m_app;
    HeadlessSwitchBank m_headless{m_app};
    std::array<std::optional<int>, kHighestAddress + 1> m_known;
};

// How each fixture of the list is known. Some programs write 0 for every
// fixture they never numbered: a 0 that all of them have is no number.
std::vector<FixtureRef> namesOf(const std::vector<SwitchChart::Fixture>& fixtures) {
    const bool zeroForAll =
        fixtures.size() > 1 && std::all_of(fixtures.begin(), fixtures.end(), [](const auto& f) {
            return readWholeNumber(f.number) == 0;
        });
    std::vector<FixtureRef> names;
    names.reserve(fixtures.size());
    for (std::size_t i = 0; i < fixtures.size(); ++i) {
        names.push_back(SwitchChart::nameOf(fixtures[i], i + 1));
        if (zeroForAll) {
            names.back().number.clear();
        }
    }
    return names;
}

// Tells each row how many others share channels with it and which comes
// first, and names the pairs in list order up to the limit, then how many
// more there are.
void findSharing(std::vector<SwitchChart::Row>& rows, const std::vector<FixtureRef>& names,
                 std::vector<ChartMessage>& warnings) {
    std::vector<OverlapIndex::Span> spans;
    spans.reserve(rows.size());
    for (const SwitchChart::Row& row : rows) {
        spans.push_back({row.universe, row.startAddress, row.startAddress + row.channels - 1});
    }
    const OverlapIndex index(spans);
    const auto nameOfRow = [&](std::size_t i) -> const FixtureRef& {
        return names[rows[i].number - 1];
    };
    std::size_t ends = 0; // each pair counted from both of its ends
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].sharing = index.count(i);
        ends += rows[i].sharing;
        if (rows[i].sharing > 0) {
            index.forEach(i, [&](std::size_t other) {
                rows[i].sharedWith = nameOfRow(other);
                return false;
            });
        }
    }
    std::size_t named = 0;
    std::vector<std::size_t> later;
    for (std::size_t i = 0; i < rows.size() && named < SwitchChart::kMostSharedPairs; ++i) {
        later.clear();
        if (rows[i].sharing > 0) {
            index.forEach(i, [&](std::size_t other) {
                if (other > i) {
                    later.push_back(other);
                }
                return true;
            });
        }
        const std::size_t taken = std::min(later.size(), SwitchChart::kMostSharedPairs - named);
        std::partial_sort(later.begin(), later.begin() + std::ptrdiff_t(taken), later.end());
        for (std::size_t k = 0; k < taken; ++k) {
            const SwitchChart::Row& one = rows[i];
            const SwitchChart::Row& two = rows[later[k]];
            ChartMessage message = aboutFixture(Kind::SharedChannels, nameOfRow(i));
            message.other = nameOfRow(later[k]);
            message.universe = one.universe;
            message.first = std::max(one.startAddress, two.startAddress);
            message.last =
                std::min(one.startAddress + one.channels, two.startAddress + two.channels) - 1;
            warnings.push_back(std::move(message));
        }
        named += taken;
    }
    if (ends / 2 > named) {
        ChartMessage more;
        more.kind = Kind::MoreSharedPairs;
        more.count = ends / 2 - named;
        warnings.push_back(std::move(more));
    }
}

} // namespace

bool SwitchChart::Row::hasSwitches() const {
    return profile->kind == AddressProfile::Kind::Switches;
}

std::string SwitchChart::Row::switchDigits() const {
    std::string digits;
    if (hasSwitches()) {
        for (std::size_t i = 0; i < profile->switches.size(); ++i) {
            digits += on.at(i) ? '1' : '0';
        }
    }
    return digits;
}

std::string SwitchChart::Row::onSwitches() const {
    // Built a character at a time: a chart asks this of every row, and
    // switches number at most two digits.
    static_assert(AddressProfile::kMostSwitches < 100);
    std::string numbers;
    if (hasSwitches()) {
        for (std::size_t i = 0; i < profile->switches.size(); ++i) {
            if (!on.at(i)) {
                continue;
            }
            const std::size_t number = i + 1;
            if (!numbers.empty()) {
                numbers += ' ';
            }
            if (number >= 10) {
                numbers += static_cast<char>('0' + number / 10);
            }
            numbers += static_cast<char>('0' + number % 10);
        }
    }
    return numbers;
}

std::string SwitchChart::Row::setting() const {
    switch (profile->kind) {
    case AddressProfile::Kind::Dials:
        return profile->dialDigits(value);
    case AddressProfile::Kind::Display:
        return profile->displayText(value);
    case AddressProfile::Kind::Switches:
        break;
    }
    return onSwitches();
}

std::string SwitchChart::Row::label() const {
    if (name.empty() && fixtureNumber.empty()) {
        return std::to_string(number);
    }
    if (name.empty() || fixtureNumber.empty()) {
        return name + fixtureNumber;
    }
    return fixtureNumber + " " + name;
}

FixtureRef SwitchChart::nameOf(const Fixture& fixture, std::size_t place) {
    std::string_view number = fixture.number;
    while (!number.empty() && (number.front() == ' ' || number.front() == '\t')) {
        number.remove_prefix(1);
    }
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t')) {
        number.remove_suffix(1);
    }
    // As some programs write a number never given, in any case.
    const bool isNone =
        number.size() == 4 && std::equal(number.begin(), number.end(), "none",
                                         [](char c, char lower) { return (c | 0x20) == lower; });
    return {isNone ? std::string() : std::string(number), fixture.name, place, fixture.line};
}

const ProfileBook& SwitchChart::builtInBook() {
    // Without rules a book is never written to, so threads may share it.
    static const ProfileBook book;
    return book;
}

ProfileBook::Profile SwitchChart::profileOf(const Fixture& fixture, const ProfileBook& book) {
    if (!fixture.profile.empty()) {
        return book.find(fixture.profile);
    }
    ProfileBook::Profile ruled = book.ruled(fixture.maker, fixture.type);
    return ruled ? ruled : book.fallback();
}

SwitchChart::Chart SwitchChart::make(const std::vector<Fixture>& fixtures, Unsettable unsettable,
                                     const ProfileBook& book) {
    if (fixtures.empty()) {
        throw ChartRefused(ChartMessage{});
    }
    const std::vector<FixtureRef> names = namesOf(fixtures);
    // Every fixture is checked before any is charted, so that a refusal
    // leaves nothing half made.
    Chart chart;
    struct Charted {
        std::size_t index;
        Placed where;
        ProfileBook::Profile profile;
    };
    std::vector<Charted> placed;
    placed.reserve(fixtures.size());
    for (std::size_t i = 0; i < fixtures.size(); ++i) {
        ProfileBook::Profile profile = profileOf(fixtures[i], book);
        if (!profile) {
            refuse(Kind::UnknownProfile, names[i], ChartMessage::quote(fixtures[i].profile));
        }
        ChartMessage leftOut;
        if (const auto where = place(fixtures[i], names[i], *profile, unsettable, leftOut)) {
            placed.push_back({i, *where, std::move(profile)});
            chart.showsUniverses =
                chart.showsUniverses || fixtures[i].universe.has_value() || where->universe != 1;
        } else {
            chart.leftOut.push_back(std::move(leftOut));
        }
    }
    if (placed.empty()) {
        refuseNothingLeft(chart.leftOut);
    }

    BankBits bits;
    chart.rows.reserve(placed.size());
    for (auto& [index, where, profile] : placed) {
        const Fixture& fixture = fixtures[index];
        Row row;
        row.number = index + 1;
        row.name = fixture.name;
        row.fixtureNumber = names[index].number;
        row.universe = where.universe;
        row.startAddress = static_cast<std::int16_t>(where.address);
        row.channels = fixture.channels;
        row.value = profile->valueFor(where.address).value;
        if (profile->kind == AddressProfile::Kind::Switches) {
            row.on = profile->switchesFor(bits.of(row.value));
        }
        row.profile = std::move(profile);
        chart.rows.push_back(std::move(row));
    }
    findSharing(chart.rows, names, chart.warnings);
    return chart;
}

std::vector<SwitchChart::Fixture> SwitchChart::series(const PatchAddress& first, int channels,
                                                      int count) {
    std::vector<Fixture> fixtures;
    const int made = std::clamp(count, 0, kLongestSeries);
    fixtures.reserve(static_cast<std::size_t>(made));
    // Without a universe named, the addresses count across universes.
    long long universe = first.universe.value_or(1);
    long long address = first.address;
    for (int i = 0; i < made; ++i) {
        // The first stays where it was asked for, so that the chart refuses it
        // if it does not fit.
        const long long inUniverse =
            first.universe ? address : (address - 1) % dmx::kLastChannel + 1;
        if (i > 0 && inUniverse + channels - 1 > dmx::kLastChannel) {
            universe += first.universe ? 1 : 0;
            address = first.universe ? 1 : address + dmx::kLastChannel - inUniverse + 1;
        }
        Fixture fixture;
        fixture.universe =
            first.universe ? std::optional<int>(int(std::min<long long>(universe, kBeyondAnyLimit)))
                           : std::nullopt;
        fixture.address = int(std::clamp<long long>(address, -kBeyondAnyLimit, kBeyondAnyLimit));
        fixture.channels = channels;
        fixture.written.address = first.universe
                                      ? std::to_string(universe) + "/" + std::to_string(address)
                                      : std::to_string(address);
        fixture.written.channels = std::to_string(channels);
        fixtures.push_back(std::move(fixture));
        address += channels;
    }
    return fixtures;
}

} // namespace brisolant
