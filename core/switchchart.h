#pragma once

#include "patchaddress.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisolant {

// The switch chart of a rig: for every fixture its universe, start address and
// the positions of its nine address switches, taken from the same switch bank
// that drives the window. Whatever program wrote the rig, its reader hands the
// fixtures on in this one form, and the checks here hold for every source.
class SwitchChart final {
public:
    // A fixture as its source gives it.
    struct Fixture {
        std::string name;   // empty: known by its number in the list
        std::string number; // the source's own number for it (channel, FID, unit); may be empty
        // From 1. Nothing when the source names no universe: the address then
        // counts across universes, 513 being universe 2, address 1.
        std::optional<int> universe;
        // Nothing: not patched.
        std::optional<int> address;
        int channels = 1;
        int line = 0; // where the source has it; 0 when not from a file
        // The fields as the source wrote them, for messages; empty where the
        // source gave none or a message should use the number.
        struct Written {
            std::string address;
            std::string universe;
            std::string channels;
        } written;
    };

    struct Row {
        std::size_t number = 0; // place in the list, from 1
        std::string name;       // empty when the source gives none
        std::string fixtureNumber;
        int universe = 1;
        std::int16_t startAddress = 0;
        int channels = 1;
        // on[i] is switch i + 1, of weight 2 to the power i.
        std::array<bool, 9> on{};
        // Other fixtures of the chart that share channels with this one, and
        // how the first of them is known.
        std::size_t sharing = 0;
        std::string sharedWith;

        // The nine switches as "1" and "0", switch 1 first: 100 -> "001001100".
        [[nodiscard]] std::string switchDigits() const;
        // The numbers of the switches to turn ON: 100 -> "3 6 7".
        [[nodiscard]] std::string onSwitches() const;
        // The source's number and the name, or the place in the list: "101 Spot left".
        [[nodiscard]] std::string label() const;
    };

    struct Chart {
        std::vector<Row> rows;
        // One line each: a fixture left off the chart and why, in list order.
        std::vector<std::string> leftOut;
        // One line each: two fixtures that share channels.
        std::vector<std::string> warnings;
        // Some fixture is in a universe other than 1, or the source names universes.
        bool showsUniverses = false;
    };

    // What a chart does with a fixture nine switches cannot set (not patched,
    // or at 512): a list typed by the user is refused, but a whole show's
    // export holds such fixtures, and they are only left out.
    enum class Unsettable : std::uint8_t { Refuse, LeaveOut };

    // Beyond this a series is no rig but a typing error.
    static constexpr int kLongestSeries = 10'000;

    // Checks every fixture and charts them in order, or throws ChartRefused
    // for the first one that is plainly wrong: below address 1, past 512 of its
    // universe, universe 0, fewer than 1 channel, or nothing left to chart.
    [[nodiscard]] static Chart make(const std::vector<Fixture>& fixtures, Unsettable unsettable);

    // COUNT fixtures of CHANNELS channels each, the first at FIRST, each next
    // one where the previous one's channels end, or at address 1 of the next
    // universe when it would run past 512, as consoles patch a range. COUNT is
    // taken as 0 ... kLongestSeries.
    [[nodiscard]] static std::vector<Fixture> series(const PatchAddress& first, int channels,
                                                     int count);

    // How a refusal names a fixture: Fixture "Spot" (line 4), or Fixture 3.
    [[nodiscard]] static std::string refusalName(const Fixture& fixture, std::size_t number);
};

} // namespace brisolant
