#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisolant {

// How one kind of fixture takes its start address: a block of switches, some
// of them address bits and the others function switches with a state to set;
// decimal or hexadecimal dials; or a display menu. Whatever it is, the value
// set is (address - offset) / step.
struct AddressProfile {
    enum class Kind : std::uint8_t { Switches, Dials, Display };

    static constexpr int kMostSwitches = 16;
    static constexpr int kMostDials = 4;
    static constexpr int kMostDisplayDigits = 4;
    static constexpr std::size_t kLongestLabel = 12;
    static constexpr std::size_t kLongestName = 40;

    // One switch as the fixture numbers it: an address bit of weight > 0, or
    // a function switch (weight 0) set to functionOn, with a short label.
    struct Switch {
        int weight = 0;
        bool functionOn = false;
        std::string label;
    };

    std::string name;
    Kind kind = Kind::Switches;
    int offset = 0; // 0 or 1
    int step = 1;   // 1 or more

    // Switches: switches[i] is switch i + 1.
    std::vector<Switch> switches;
    // Switch 1 is at the right end of the block as printed, and ON is down.
    bool numberedFromRight = false;
    bool onDown = false;

    // Dials: how many, in base 10 or 16, the most significant printed first.
    int dials = 3;
    int base = 10;
    bool mostSignificantFirst = true;

    // Display: what stands before the digits ("A", "d.", nothing) and how many.
    std::string prefix;
    int digits = 3;

    // Why an address cannot be set.
    enum class Unsettable : std::uint8_t { AboveHighest, OffStep };

    // The value set for address: (address - offset) / step.
    struct Value {
        int value = 0;
        std::optional<Unsettable> unsettable;
    };
    [[nodiscard]] Value valueFor(int address) const;

    // The highest value it sets: the sum of its weights, or the most its
    // dials or digits show.
    [[nodiscard]] int highestValue() const;
    // The highest address it sets, and how many address switches it has.
    [[nodiscard]] int highestAddress() const;
    [[nodiscard]] int addressSwitches() const;

    // Which switches are ON for value, switch 1 first: address bits and
    // function switches alike.
    [[nodiscard]] std::array<bool, kMostSwitches> switchesFor(int value) const;
    // The dials' digits as printed, "0 5 6"; the display's text, "A056".
    [[nodiscard]] std::string dialDigits(int value) const;
    [[nodiscard]] std::string displayText(int value) const;

    // Nine switches of weights 1 to 256, switch 1 at the left, ON up: the
    // chart's default and the main window's only profile.
    [[nodiscard]] static const AddressProfile& dip9();
    // dip9, dip10, dip10-function-off, dip10-function-on, dials3, display.
    [[nodiscard]] static const std::vector<AddressProfile>& builtIns();

    // Why the switches as a file gives them cannot be used, as a translatable
    // text (translatable()); nullptr when they can. The weights must be 1, 2,
    // 4 ... each once, so that every value up to their sum has one setting.
    [[nodiscard]] const char* fault() const;
    // A name of letters, digits, '-', '_' and '.', up to kLongestName.
    [[nodiscard]] static bool isName(std::string_view name);
};

} // namespace brisolant
