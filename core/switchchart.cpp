#include "switchchart.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "headlessswitchbank.h"
#include "modapp.h"
#include "wholenumber.h"

#include <algorithm>
#include <tuple>

namespace brisolant {

namespace {

// Pairs that share channels are named up to this many; a rig where hundreds of
// fixtures share one address would otherwise bury the rest of the output.
constexpr std::size_t kMostWarnings = 1000;

static_assert(std::tuple_size_v<decltype(SwitchChart::Row::on)> == SwitchBankView::kSwitchCount);

// How a note or a warning names a fixture: Spot A (line 2), or Fixture 3.
std::string plainName(const SwitchChart::Fixture& fixture, std::size_t number) {
    std::string who = fixture.name.empty() ? "Fixture " + std::to_string(number) : fixture.name;
    if (fixture.line > 0) {
        who += " (line " + std::to_string(fixture.line) + ")";
    }
    return who;
}

// "17", or "2/17" where the source names the universe.
std::string addressText(const SwitchChart::Fixture& fixture, int address) {
    const std::string text = std::to_string(address);
    return fixture.universe ? std::to_string(*fixture.universe) + "/" + text : text;
}

// Where a fixture goes on the chart: its universe and address, or nothing
// when it is to be left out, with the reason in whyLeftOut. Throws
// ChartRefused for what is plainly wrong.
struct Placed {
    int universe = 1;
    int address = 0;
};
std::optional<Placed> place(const SwitchChart::Fixture& fixture, std::size_t number,
                            SwitchChart::Unsettable unsettable, std::string& whyLeftOut) {
    const std::string who = SwitchChart::refusalName(fixture, number);
    const bool leaveOut = unsettable == SwitchChart::Unsettable::LeaveOut;
    if (!fixture.address) {
        if (!leaveOut) {
            throw ChartRefused(who + ": no start address.");
        }
        whyLeftOut = "not patched";
        return std::nullopt;
    }
    const int written = *fixture.address;
    if (fixture.universe && *fixture.universe < 1) {
        throw ChartRefused(who + ": universe " + std::to_string(*fixture.universe) +
                           "; universes count from 1.");
    }
    if (written < dmx::kFirstChannel) {
        throw ChartRefused(who + ": start address " + addressText(fixture, written) +
                           " is below 1; DMX channels start at 1.");
    }
    Placed placed{fixture.universe.value_or(1), written};
    if (!fixture.universe) {
        // A number that counts across universes.
        placed = {(written - 1) / dmx::kLastChannel + 1, (written - 1) % dmx::kLastChannel + 1};
    } else if (written > dmx::kLastChannel) {
        throw ChartRefused(who + ": start address " + addressText(fixture, written) +
                           " lies past 512, the last channel of a universe.");
    }
    if (fixture.channels < 1) {
        throw ChartRefused(who + ": " + std::to_string(fixture.channels) +
                           " channels; a fixture takes at least 1.");
    }
    const long long last = static_cast<long long>(placed.address) + fixture.channels - 1;
    if (last > dmx::kLastChannel) {
        throw ChartRefused(who + ": its " + std::to_string(fixture.channels) +
                           " channels run from " + std::to_string(placed.address) + " to " +
                           std::to_string(last) + ", past 512.");
    }
    if (placed.address > kHighestAddress) {
        if (!leaveOut) {
            throw ChartRefused(who + ": start address " + addressText(fixture, written) +
                               " is above 511, the highest nine switches can set.");
        }
        whyLeftOut = "512 needs a tenth switch";
        return std::nullopt;
    }
    return placed;
}

// Tells each row how many others share channels with it, and with whom
// first; returns the pairs (the first of them, in no order) and their count.
std::size_t sharePairs(std::vector<SwitchChart::Row>& rows,
                       std::vector<std::pair<std::size_t, std::size_t>>& pairs) {
    // By universe and first channel, so that only neighbours are compared.
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    const auto span = [&rows](std::size_t i) {
        const SwitchChart::Row& row = rows[i];
        return std::tuple(row.universe, int(row.startAddress), row.startAddress + row.channels - 1);
    };
    std::sort(order.begin(), order.end(),
              [&span](std::size_t a, std::size_t b) { return span(a) < span(b); });
    const auto share = [&rows](std::size_t row, std::size_t partner) {
        if (rows[row].sharing++ == 0) {
            const SwitchChart::Row& with = rows[partner];
            rows[row].sharedWith = with.name.empty() && with.fixtureNumber.empty()
                                       ? "Fixture " + std::to_string(with.number)
                                       : with.label();
        }
    };
    std::size_t count = 0;
    std::vector<std::size_t> open; // rows whose channels may still reach the next one
    for (const std::size_t current : order) {
        const int universe = std::get<0>(span(current));
        const int first = std::get<1>(span(current));
        std::erase_if(open, [&](std::size_t other) {
            return std::get<0>(span(other)) != universe || std::get<2>(span(other)) < first;
        });
        for (const std::size_t other : open) {
            ++count;
            if (pairs.size() < kMostWarnings * 4) {
                pairs.emplace_back(std::min(other, current), std::max(other, current));
            }
            share(current, other);
            share(other, current);
        }
        open.push_back(current);
    }
    return count;
}

// Names every pair of rows in one universe whose channels overlap, once, in
// the order of the list.
void findOverlaps(const std::vector<SwitchChart::Fixture>& fixtures,
                  std::vector<SwitchChart::Row>& rows, std::vector<std::string>& warnings) {
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    const std::size_t count = sharePairs(rows, pairs);
    std::sort(pairs.begin(), pairs.end());
    pairs.resize(std::min(pairs.size(), kMostWarnings));
    for (const auto& [a, b] : pairs) {
        const SwitchChart::Row& one = rows[a];
        const SwitchChart::Row& two = rows[b];
        const int from = std::max(one.startAddress, two.startAddress);
        const int to =
            std::min(one.startAddress + one.channels, two.startAddress + two.channels) - 1;
        const std::string shared =
            from == to ? "channel " + std::to_string(from)
                       : "channels " + std::to_string(from) + "\u2013" + std::to_string(to);
        warnings.push_back("warning: " + plainName(fixtures[one.number - 1], one.number) + " and " +
                           plainName(fixtures[two.number - 1], two.number) + " share " + shared +
                           " of universe " + std::to_string(one.universe) + ".");
    }
    if (count > pairs.size()) {
        warnings.push_back("warning: " + std::to_string(count - pairs.size()) +
                           " more pairs of fixtures share channels.");
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

std::string SwitchChart::refusalName(const Fixture& fixture, std::size_t number) {
    std::string who = fixture.name.empty() ? "Fixture " + std::to_string(number)
                                           : "Fixture \"" + fixture.name + "\"";
    if (fixture.line > 0) {
        who += " (line " + std::to_string(fixture.line) + ")";
    }
    return who;
}

SwitchChart::Chart SwitchChart::make(const std::vector<Fixture>& fixtures, Unsettable unsettable) {
    if (fixtures.empty()) {
        throw ChartRefused("Nothing to chart: no fixture was given.");
    }
    // Every fixture is checked before any is charted, so that a refusal
    // leaves nothing half made.
    Chart chart;
    std::vector<std::pair<std::size_t, Placed>> placed;
    placed.reserve(fixtures.size());
    for (std::size_t i = 0; i < fixtures.size(); ++i) {
        std::string whyLeftOut;
        if (const auto where = place(fixtures[i], i + 1, unsettable, whyLeftOut)) {
            placed.emplace_back(i, *where);
            chart.showsUniverses =
                chart.showsUniverses || fixtures[i].universe.has_value() || where->universe != 1;
        } else {
            chart.leftOut.push_back(plainName(fixtures[i], i + 1) + " left out: " + whyLeftOut +
                                    ".");
        }
    }
    if (placed.empty()) {
        throw ChartRefused("Nothing to chart: none of the " + std::to_string(fixtures.size()) +
                           " fixtures can be set with nine switches; " + chart.leftOut.front());
    }

    // The switch positions come from the window's own bank, run headless.
    modApp app;
    HeadlessSwitchBank headless(app);
    SwitchBank& bank = headless.bank();
    chart.rows.reserve(placed.size());
    for (const auto& [index, where] : placed) {
        const Fixture& fixture = fixtures[index];
        Row row;
        row.number = index + 1;
        row.name = fixture.name;
        row.fixtureNumber = fixture.number;
        row.universe = where.universe;
        row.startAddress = static_cast<std::int16_t>(where.address);
        row.channels = fixture.channels;
        bank.fctDMXStartAdress(row.startAddress);
        for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
            row.on.at(static_cast<std::size_t>(digit)) = bank.isOn(digit);
        }
        chart.rows.push_back(std::move(row));
    }
    findOverlaps(fixtures, chart.rows, chart.warnings);
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
        if (i > 0 && first.universe && address + channels - 1 > dmx::kLastChannel) {
            ++universe;
            address = 1;
        } else if (i > 0 && !first.universe &&
                   (address - 1) % dmx::kLastChannel + channels > dmx::kLastChannel) {
            address += dmx::kLastChannel - (address - 1) % dmx::kLastChannel;
        }
        Fixture fixture;
        fixture.universe =
            first.universe ? std::optional<int>(int(std::min<long long>(universe, kBeyondAnyLimit)))
                           : std::nullopt;
        fixture.address = int(std::clamp<long long>(address, -kBeyondAnyLimit, kBeyondAnyLimit));
        fixture.channels = channels;
        fixtures.push_back(std::move(fixture));
        address += channels;
    }
    return fixtures;
}

} // namespace brisolant
