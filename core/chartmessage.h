#pragma once

#include "fixtureref.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brisolant {

// One fact a chart tells the user: why it is refused, a fixture it leaves out,
// two fixtures that share channels. The core words none of them, so that every
// message can be translated: ChartMessages, on the writers' side, turns each
// record into one line in the user's language. A value is kept as the source
// wrote it (text), never as the number a parser made of it, so that a message
// quotes what the user typed or can find in the file.
struct ChartMessage {
    // What happened, and which of the fields below say more.
    enum class Kind : std::uint8_t {
        // Refusals, carried by ChartRefused: nothing is charted.
        NoFixtures,            // the source held none
        NothingSettable,       // count fixtures, every one left out: notPatched of them
                               // not patched, the others at 512 of their universe
        NothingAsProfiled,     // count fixtures, every one left out: notPatched of them not
                               // patched, the others at addresses their profiles cannot set
        FixtureRefused,        // fixture; text: why, in the words of the reader that found it
        NotANotation,          // fixture; text: a start address in none of the notations
        NoStartAddress,        // fixture
        UniverseBelowFirst,    // fixture; text: the universe, below 1
        UniverseAboveLast,     // fixture; text: the universe, above dmx::kLastUniverse
        AddressBelowFirst,     // fixture; text: the start address, below 1
        AddressPastUniverse,   // fixture; text: the start address, past 512 of its universe
        AddressPastUniverses,  // fixture; text: an address counted across universes that
                               // lands past the last universe
        AddressAboveSwitches,  // fixture; text: the start address, at 512 of its universe
        UnknownProfile,        // fixture; text: the profile its file names, which none has
        AddressAboveProfile,   // fixture; text: the start address; profile, and first the
                               // highest address it sets
        AddressOffProfileStep, // fixture; text: the start address; profile, whose
                               // addresses are first + last * k
        ChannelsBelowOne,      // fixture; text: the channel count, below 1
        ChannelsPastUniverse,  // fixture; text: the channel count; first and last
                               // channel (last 0: too far past 512 to say)
        // Fixtures left out of a chart that is made.
        NotPatched,       // fixture
        NeedsTenthSwitch, // fixture, at 512 of its universe
        AboveProfile,     // fixture; as AddressAboveProfile
        OffProfileStep,   // fixture; as AddressOffProfileStep
        // Warnings beside a chart that is made.
        SharedChannels,  // fixture and other, in list order; universe, first and last
                         // of the channels they share
        MoreSharedPairs, // count: pairs that share channels and are not named
    };

    Kind kind = Kind::NoFixtures;
    FixtureRef fixture;
    FixtureRef other;
    std::string text;
    std::string profile; // a profile's name
    int universe = 0;
    int first = 0;
    int last = 0;
    std::size_t count = 0;
    std::size_t notPatched = 0;

    // A value as the source wrote it, fit to be quoted in a line: blanks around
    // it dropped, line breaks and tabs as blanks, and cut after kLongestQuote
    // characters with "…", never inside a UTF-8 character.
    [[nodiscard]] static std::string quote(std::string_view written);
    static constexpr std::size_t kLongestQuote = 40;
};

} // namespace brisolant
