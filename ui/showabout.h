#pragma once

#include <string>
#include <string_view>

namespace brisolant {

class AppInformation;
class Clock;
class MessageBox;

// The maker's texts in the About message. The credit line follows the year
// directly, hence its leading blank.
inline constexpr std::string_view kCreditLine =
    " The Brisolant developers. Free for every lighting crew.";
inline constexpr std::string_view kWebAddress = "https://brisolant.example.org";

// The About text, built afresh: the program name as the executable is named
// now, the fixed " 1.0 (Release " and the version numbers, in the user's
// language; "(C) ", this year and the credit line; the web address, which
// like the credit line are the maker's own and read the same in every
// language. Each line ends with a single carriage return, and one more
// follows the last.
[[nodiscard]] std::string aboutText(const AppInformation& app, const Clock& clock);

// Shows the About text with one OK button and the application's title.
void ShowAbout(MessageBox& messageBox, const AppInformation& app, const Clock& clock);

} // namespace brisolant
