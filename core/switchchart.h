#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisolant {

// The switch chart of a rig: for every fixture its start address and the
// positions of its nine address switches, taken from the same switch bank
// that drives the window.
class SwitchChart final {
public:
    // A fixture as its source gives it. The address stays text so that a
    // refusal can quote it as the user wrote it.
    struct Fixture {
        std::string name; // empty: known by its number in the list
        std::string address;
        int channels = 1;
        int line = 0; // line of a patch list; 0 when not from a file
    };

    struct Row {
        std::size_t number = 0; // in the list, from 1
        std::string name;       // empty when the source gives none
        std::int16_t startAddress = 0;
        // on[i] is switch i + 1, of weight 2 to the power i.
        std::array<bool, 9> on{};

        // The nine switches as "1" and "0", switch 1 first: 100 -> "001001100".
        [[nodiscard]] std::string switchDigits() const;
        // The numbers of the switches to turn ON: 100 -> "3 6 7".
        [[nodiscard]] std::string onSwitches() const;
    };

    // Nine switches reach 511; DMX channels run from 1 to 512.
    static constexpr int kLowestAddress = 1;
    static constexpr int kHighestChannel = 512;

    // Checks every fixture in order and charts them all, or throws
    // ChartRefused for the first fixture that fails: an address that is no
    // whole number or lies outside 1 ... 511, channels that run past 512, or
    // no fixture at all.
    [[nodiscard]] static std::vector<Row> make(const std::vector<Fixture>& fixtures);

    // COUNT fixtures of CHANNELS channels each, the first at FIRST, each next
    // one where the previous one's channels end. More than 512 fixtures cannot
    // fit, so at most 512 are made: enough for the refusal to name the first
    // that does not.
    [[nodiscard]] static std::vector<Fixture> series(int first, int channels, int count);

    // Optional blanks, an optional sign and decimal digits; larger values
    // than any address are clamped to +-1e9. Nothing for anything else.
    [[nodiscard]] static std::optional<int> wholeNumber(std::string_view text);
};

} // namespace brisolant
