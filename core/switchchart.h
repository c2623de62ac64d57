#pragma once

#include "addressprofile.h"
#include "chartmessage.h"
#include "fixtureref.h"
#include "patchaddress.h"
#include "profilebook.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisolant {

// The switch chart of a rig: for every fixture its universe, start address and
// what to set on it as its addressing profile says: switches (their address
// bits taken from the same switch bank that drives the window), dials or a
// display. Whatever program wrote the rig, its reader hands the fixtures on in
// this one form, and the checks here hold for every source.
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
        // What kind of fixture it is, as the file writes it, for choosing how
        // its address is set: the maker (empty where the file names none) and
        // the fixture type or model.
        std::string maker;
        std::string type;
        // The addressing profile the file itself names for it (a patch list's
        // Profile column); empty for none.
        std::string profile;
        // Where the source has it; 0 when not from a file, or where a line
        // would not help (the XML inside a zip).
        int line = 0;
        // The fields as the source wrote them, for messages; empty where the
        // source gave none or a message should use the number.
        struct Written {
            std::string address;
            std::string universe;
            std::string channels;
        } written;
    };

    struct Row {
        std::size_t number = 0;    // place in the list, from 1
        std::string name;          // empty when the source gives none
        std::string fixtureNumber; // the source's number, where it is one (FixtureRef)
        int universe = 1;
        std::int16_t startAddress = 0;
        int channels = 1;
        // How it takes its address, and the value set: (address - offset) / step.
        std::shared_ptr<const AddressProfile> profile = builtInBook().fallback();
        int value = 0;
        // on[i] is switch i + 1 as the fixture numbers it, for a profile of switches.
        std::array<bool, AddressProfile::kMostSwitches> on{};
        // Other fixtures of the chart that share channels with this one, and
        // the first of them by universe and first channel (then list order).
        std::size_t sharing = 0;
        FixtureRef sharedWith;

        // The switches as "1" and "0", switch 1 first: 100 -> "001001100";
        // empty for dials and a display.
        [[nodiscard]] std::string switchDigits() const;
        // The numbers of the switches to turn ON: 100 -> "3 6 7"; empty for
        // dials and a display.
        [[nodiscard]] std::string onSwitches() const;
        // What to set, in the fixture's words: the switches ON ("3 6 7"), the
        // dials' digits as printed ("1 0 0") or the display's text ("A100").
        [[nodiscard]] std::string setting() const;
        [[nodiscard]] bool hasSwitches() const;
        // The source's number and the name, or the place in the list: "101 Spot left".
        [[nodiscard]] std::string label() const;
    };

    struct Chart {
        std::vector<Row> rows;
        // Each a fixture left off the chart and why (NotPatched,
        // NeedsTenthSwitch, AboveProfile, OffProfileStep), in list order.
        std::vector<ChartMessage> leftOut;
        // Each two fixtures that share channels (SharedChannels), pairs in list
        // order up to kMostSharedPairs, then how many more (MoreSharedPairs).
        std::vector<ChartMessage> warnings;
        // Some fixture is in a universe other than 1, or the source names universes.
        bool showsUniverses = false;
    };

    // What a chart does with a fixture its profile cannot set (not patched,
    // at 512 with nine switches, off the profile's step): a list typed by the
    // user is refused, but a whole show's export holds such fixtures, and they
    // are only left out.
    enum class Unsettable : std::uint8_t { Refuse, LeaveOut };

    // Beyond this a series is no rig but a typing error.
    static constexpr int kLongestSeries = 10'000;
    // Pairs that share channels are named up to this many; a rig where
    // hundreds of fixtures share one address would otherwise bury the rest.
    static constexpr std::size_t kMostSharedPairs = 1000;

    // Checks every fixture and charts them in order, each as its profile in
    // book says (its own, named by the file, then the book's rules, then the
    // fallback), or throws ChartRefused with a ChartMessage for the first one
    // that is plainly wrong: a profile no one has, below address 1, past 512
    // of its universe, a universe outside 1 ... 63,999, fewer than 1 channel,
    // or nothing left to chart. Fixtures are named as nameOf() says, except
    // that a number 0 that every fixture of the list has is none. Takes
    // O(n log n) time, however many fixtures share channels.
    [[nodiscard]] static Chart make(const std::vector<Fixture>& fixtures, Unsettable unsettable,
                                    const ProfileBook& book = builtInBook());

    // The built-in profiles and no rules: every fixture dip9 unless its file
    // names another.
    [[nodiscard]] static const ProfileBook& builtInBook();

    // The profile fixture takes from book; nullptr for a name of its own that
    // book does not have.
    [[nodiscard]] static ProfileBook::Profile profileOf(const Fixture& fixture,
                                                        const ProfileBook& book);

    // COUNT fixtures of CHANNELS channels each, the first at FIRST, each next
    // one where the previous one's channels end, or at address 1 of the next
    // universe when it would run past 512, as consoles patch a range. COUNT is
    // taken as 0 ... kLongestSeries. Each fixture's written texts are its
    // exact universe, address and channel count, for messages; the caller
    // gives the first the texts the user typed.
    [[nodiscard]] static std::vector<Fixture> series(const PatchAddress& first, int channels,
                                                     int count);

    // How the place'th fixture of a list is known, from the fixture alone:
    // its number (where it is one: not empty, not "None" in any case), name
    // and line.
    [[nodiscard]] static FixtureRef nameOf(const Fixture& fixture, std::size_t place);
};

} // namespace brisolant
