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

static_assert(std::tuple_size_v<decltype(SwitchChart::Row::on)> == SwitchBankView::kSwitchCount);

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

// Where a fixture goes on the chart: its universe and address, or nothing
// when it is to be left out, with the reason in whyLeftOut. Throws
// ChartRefused for what is plainly wrong.
struct Placed {
    int universe = 1;
    int address = 0;
};
std::optional<Placed> place(const SwitchChart::Fixture& fixture, const FixtureRef& who,
                            SwitchChart::Unsettable unsettable, Kind& whyLeftOut) {
    const bool leaveOut = unsettable == SwitchChart::Unsettable::LeaveOut;
    if (!fixture.address) {
        if (!leaveOut) {
            refuse(Kind::NoStartAddress, who);
        }
        whyLeftOut = Kind::NotPatched;
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
    if (placed.address > kHighestAddress) {
        if (!leaveOut) {
            refuse(Kind::AddressAboveSwitches, who, writtenAddress(fixture));
        }
        whyLeftOut = Kind::NeedsTenthSwitch;
        return std::nullopt;
    }
    return placed;
}

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
        index.forEach(i, [&](std::size_t other) {
            rows[i].sharedWith = nameOfRow(other);
            return false;
        });
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

std::string SwitchChart::Row::switchDigits() const {
    std::string digits;
    for (const bool isOn : on) {
        digits += isOn ? '1' : '0';
    }
    return digits;
}

std::string SwitchChart::Row::onSwitches() const {
    std::string numbers;
    for (std::size_t i = 0; i < on.size(); ++i) {
        if (on.at(i)) {
            numbers += (numbers.empty() ? "" : " ") + std::to_string(i + 1);
        }
    }
    return numbers;
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

SwitchChart::Chart SwitchChart::make(const std::vector<Fixture>& fixtures, Unsettable unsettable) {
    if (fixtures.empty()) {
        throw ChartRefused(ChartMessage{});
    }
    const std::vector<FixtureRef> names = namesOf(fixtures);
    // Every fixture is checked before any is charted, so that a refusal
    // leaves nothing half made.
    Chart chart;
    std::vector<std::pair<std::size_t, Placed>> placed;
    placed.reserve(fixtures.size());
    std::size_t notPatched = 0;
    for (std::size_t i = 0; i < fixtures.size(); ++i) {
        Kind whyLeftOut = Kind::NotPatched;
        if (const auto where = place(fixtures[i], names[i], unsettable, whyLeftOut)) {
            placed.emplace_back(i, *where);
            chart.showsUniverses =
                chart.showsUniverses || fixtures[i].universe.has_value() || where->universe != 1;
        } else {
            notPatched += whyLeftOut == Kind::NotPatched ? 1 : 0;
            chart.leftOut.push_back(aboutFixture(whyLeftOut, names[i]));
        }
    }
    if (placed.empty()) {
        ChartMessage nothing;
        nothing.kind = Kind::NothingSettable;
        nothing.count = fixtures.size();
        nothing.notPatched = notPatched;
        throw ChartRefused(std::move(nothing));
    }

    // The switch positions come from the window's own bank, run headless,
    // once for each address the chart holds: a rig repeats addresses in
    // every universe, and a ganged list repeats one.
    modApp app;
    HeadlessSwitchBank headless(app);
    SwitchBank& bank = headless.bank();
    std::array<std::optional<decltype(Row::on)>, kHighestAddress + 1> positions;
    chart.rows.reserve(placed.size());
    for (const auto& [index, where] : placed) {
        const Fixture& fixture = fixtures[index];
        Row row;
        row.number = index + 1;
        row.name = fixture.name;
        row.fixtureNumber = names[index].number;
        row.universe = where.universe;
        row.startAddress = static_cast<std::int16_t>(where.address);
        row.channels = fixture.channels;
        auto& known = positions.at(static_cast<std::size_t>(row.startAddress));
        if (!known) {
            bank.fctDMXStartAdress(row.startAddress);
            known.emplace();
            for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
                known->at(static_cast<std::size_t>(digit)) = bank.isOn(digit);
            }
        }
        row.on = *known;
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
