#include "switchchart.h"

#include "chartrefused.h"
#include "headlessswitchbank.h"
#include "modapp.h"

#include <algorithm>

namespace brisolant {

namespace {

constexpr int kClamp = 1'000'000'000;

static_assert(std::tuple_size_v<decltype(SwitchChart::Row::on)> == SwitchBankView::kSwitchCount);

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// How a refusal names a fixture: by name when it has one, else by number.
std::string fixtureName(const SwitchChart::Fixture& fixture, std::size_t number) {
    std::string who = fixture.name.empty() ? "Fixture " + std::to_string(number)
                                           : "Fixture \"" + fixture.name + "\"";
    if (fixture.line > 0) {
        who += " (line " + std::to_string(fixture.line) + ")";
    }
    return who;
}

// The fixture's start address, or ChartRefused saying what is wrong with it.
int checkedAddress(const SwitchChart::Fixture& fixture, std::size_t number) {
    const std::string who = fixtureName(fixture, number);
    const std::string text(trimmed(fixture.address));
    if (text.empty()) {
        throw ChartRefused(who + ": no start address.");
    }
    const std::optional<int> address = SwitchChart::wholeNumber(text);
    if (!address) {
        throw ChartRefused(who + ": start address \"" + text + "\" is not a whole number.");
    }
    if (*address < SwitchChart::kLowestAddress) {
        throw ChartRefused(who + ": start address " + text +
                           " is below 1; DMX channels start at 1.");
    }
    if (*address > kHighestAddress) {
        throw ChartRefused(who + ": start address " + text +
                           " is above 511, the highest nine switches can set.");
    }
    if (fixture.channels < 1) {
        throw ChartRefused(who + ": " + std::to_string(fixture.channels) +
                           " channels; a fixture takes at least 1.");
    }
    const int last = *address + fixture.channels - 1;
    if (last > SwitchChart::kHighestChannel) {
        throw ChartRefused(who + ": its " + std::to_string(fixture.channels) +
                           " channels run from " + text + " to " + std::to_string(last) +
                           ", past 512.");
    }
    return *address;
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

std::vector<SwitchChart::Row> SwitchChart::make(const std::vector<Fixture>& fixtures) {
    if (fixtures.empty()) {
        throw ChartRefused("Nothing to chart: no fixture was given.");
    }
    // Every address is checked before any is charted, so that a refusal
    // leaves nothing half made.
    std::vector<int> addresses;
    addresses.reserve(fixtures.size());
    for (std::size_t i = 0; i < fixtures.size(); ++i) {
        addresses.push_back(checkedAddress(fixtures[i], i + 1));
    }

    // The switch positions come from the window's own bank, run headless.
    modApp app;
    HeadlessSwitchBank headless(app);
    SwitchBank& bank = headless.bank();
    std::vector<Row> rows;
    rows.reserve(fixtures.size());
    for (std::size_t i = 0; i < fixtures.size(); ++i) {
        Row row;
        row.number = i + 1;
        row.name = fixtures[i].name;
        row.startAddress = static_cast<std::int16_t>(addresses[i]);
        bank.fctDMXStartAdress(row.startAddress);
        for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
            row.on.at(static_cast<std::size_t>(digit)) = bank.isOn(digit);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<SwitchChart::Fixture> SwitchChart::series(int first, int channels, int count) {
    std::vector<Fixture> fixtures;
    const int made = std::clamp(count, 0, kHighestChannel);
    fixtures.reserve(static_cast<std::size_t>(made));
    for (long long i = 0; i < made; ++i) {
        const long long address = first + i * channels;
        fixtures.push_back({{}, std::to_string(address), channels, 0});
    }
    return fixtures;
}

std::optional<int> SwitchChart::wholeNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min<long long>(value * 10 + (c - '0'), kClamp);
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace brisolant
