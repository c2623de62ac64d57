#include "addressprofile.h"

#include "dmxlimits.h"
#include "translatable.h"

#include <algorithm>

namespace brisolant {

namespace {

AddressProfile switchBlock(std::string name, int addressSwitches, int count, bool functionOn) {
    AddressProfile profile;
    profile.name = std::move(name);
    profile.switches.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < addressSwitches; ++i) {
        profile.switches[static_cast<std::size_t>(i)].weight = 1 << i;
    }
    for (int i = addressSwitches; i < count; ++i) {
        profile.switches[static_cast<std::size_t>(i)].functionOn = functionOn;
    }
    return profile;
}

std::vector<AddressProfile> makeBuiltIns() {
    std::vector<AddressProfile> profiles;
    profiles.push_back(switchBlock("dip9", 9, 9, false));
    profiles.push_back(switchBlock("dip10", 10, 10, false));
    profiles.push_back(switchBlock("dip10-function-off", 9, 10, false));
    profiles.push_back(switchBlock("dip10-function-on", 9, 10, true));
    AddressProfile dials;
    dials.name = "dials3";
    dials.kind = AddressProfile::Kind::Dials;
    profiles.push_back(dials);
    AddressProfile display;
    display.name = "display";
    display.kind = AddressProfile::Kind::Display;
    display.prefix = "A";
    profiles.push_back(display);
    return profiles;
}

int power(int base, int exponent) {
    int result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

} // namespace

AddressProfile::Value AddressProfile::valueFor(int address) const {
    if (address > highestAddress()) {
        return {0, Unsettable::AboveHighest};
    }
    const int above = address - offset;
    if (above < 0 || above % step != 0) {
        return {0, Unsettable::OffStep};
    }
    return {above / step, std::nullopt};
}

int AddressProfile::highestValue() const {
    switch (kind) {
    case Kind::Switches: {
        int sum = 0;
        for (const Switch& one : switches) {
            sum += one.weight;
        }
        return sum;
    }
    case Kind::Dials:
        return power(base, dials) - 1;
    case Kind::Display:
        return power(10, digits) - 1;
    }
    return 0;
}

int AddressProfile::highestAddress() const {
    const long long highest = offset + static_cast<long long>(step) * highestValue();
    return static_cast<int>(std::min<long long>(highest, dmx::kLastChannel));
}

int AddressProfile::addressSwitches() const {
    return static_cast<int>(std::count_if(switches.begin(), switches.end(),
                                          [](const Switch& one) { return one.weight > 0; }));
}

std::array<bool, AddressProfile::kMostSwitches> AddressProfile::switchesFor(int value) const {
    std::array<bool, kMostSwitches> on{};
    for (std::size_t i = 0; i < switches.size() && i < on.size(); ++i) {
        const Switch& one = switches[i];
        on.at(i) = one.weight > 0 ? (value & one.weight) != 0 : one.functionOn;
    }
    return on;
}

std::string AddressProfile::dialDigits(int value) const {
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string digitsFirst;
    for (int dial = dials - 1; dial >= 0; --dial) {
        digitsFirst += kDigits.at(static_cast<std::size_t>((value / power(base, dial)) % base));
    }
    if (!mostSignificantFirst) {
        std::reverse(digitsFirst.begin(), digitsFirst.end());
    }
    std::string spaced;
    for (const char digit : digitsFirst) {
        spaced.append(spaced.empty() ? "" : " ").push_back(digit);
    }
    return spaced;
}

std::string AddressProfile::displayText(int value) const {
    const std::string number = std::to_string(value);
    const auto width = static_cast<std::size_t>(digits);
    return prefix + std::string(width - std::min(width, number.size()), '0') + number;
}

const AddressProfile& AddressProfile::dip9() {
    return builtIns().front();
}

const std::vector<AddressProfile>& AddressProfile::builtIns() {
    static const std::vector<AddressProfile> profiles = makeBuiltIns();
    return profiles;
}

const char* AddressProfile::fault() const {
    if (kind != Kind::Switches) {
        return nullptr;
    }
    if (switches.empty() || switches.size() > kMostSwitches) {
        return translatable("AddressProfile", "a block has 1 to 16 switches");
    }
    int weights = 0; // each weight's bit, to find one given twice
    for (const Switch& one : switches) {
        if (one.weight < 0 || (one.weight & (one.weight - 1)) != 0 || (weights & one.weight) != 0) {
            return translatable("AddressProfile",
                                "the address switches' weights are 1, 2, 4 and on, each once");
        }
        weights |= one.weight;
    }
    if (weights == 0) {
        return translatable("AddressProfile", "a block needs at least one address switch");
    }
    // 1, 2, 4 ... with none left out: one less than a power of two.
    if ((weights & (weights + 1)) != 0) {
        return translatable("AddressProfile",
                            "the address switches' weights are 1, 2, 4 and on, each once");
    }
    return nullptr;
}

bool AddressProfile::isName(std::string_view name) {
    return !name.empty() && name.size() <= kLongestName &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_' || c == '.';
           });
}

} // namespace brisolant
