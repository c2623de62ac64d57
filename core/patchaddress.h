#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisolant {

// Where a fixture sits on the DMX wire, as consoles and plot programs write it.
struct PatchAddress {
    // Named by the text ("2/17"); nothing for a plain number.
    std::optional<int> universe;
    // In the universe; a plain number as written, which may count across
    // universes (513 is universe 2, address 1).
    int address = 0;
    // The fixture's last address, where the text gives one ("3/151<153").
    std::optional<int> last;

    // Reads, with blanks around any part:
    //   U/A, U.A, U-A or U:A    universe and address, leading zeros allowed ("1-001");
    //   N                       a plain whole number, with an optional sign;
    //   either one and "<E"     the last address as well.
    // Nothing for anything else, the empty text included. Numbers larger than
    // any patch are held at kBeyondAnyLimit.
    [[nodiscard]] static std::optional<PatchAddress> read(std::string_view text);

    // The universe as the text writes it ("02" of " 02/17"); empty where the
    // text names none or is no address.
    [[nodiscard]] static std::string_view universeText(std::string_view text);

    // What a reader's refusal says of a start address written in none of the
    // notations. (The chart's own refusals are ChartMessage::NotANotation.)
    [[nodiscard]] static std::string notAnAddress(std::string_view text);
};

} // namespace brisolant
