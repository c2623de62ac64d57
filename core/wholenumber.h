#pragma once

#include <optional>
#include <string_view>

namespace brisolant {

// Whole numbers as people and programs write them in addresses, counts and
// universes: the one digit reader of every source of fixtures.
//
// A magnitude beyond any limit a chart has is held at kBeyondAnyLimit, so that
// it still fails every check; a message quotes the text as written, never the
// number made of it.
inline constexpr int kBeyondAnyLimit = 1'000'000'000;

// Leading decimal digits of text, consumed; nothing when there are none.
[[nodiscard]] std::optional<int> readDigits(std::string_view& text);

// Optional blanks, an optional sign and decimal digits, optional blanks; the
// sign counts ("-5" is -5). Nothing for anything else, the empty text included.
[[nodiscard]] std::optional<int> readWholeNumber(std::string_view text);

} // namespace brisolant
