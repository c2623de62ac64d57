#include "chartmessage.h"

namespace brisolant {

namespace {

bool isQuoteBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A byte that continues a UTF-8 character rather than starting one.
bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

} // namespace

std::string ChartMessage::quote(std::string_view written) {
    while (!written.empty() && isQuoteBlank(written.front())) {
        written.remove_prefix(1);
    }
    while (!written.empty() && isQuoteBlank(written.back())) {
        written.remove_suffix(1);
    }
    std::string quoted;
    std::size_t characters = 0;
    for (const char c : written) {
        if (!continuesCharacter(c) && ++characters > kLongestQuote) {
            return quoted + "\u2026";
        }
        quoted += isQuoteBlank(c) ? ' ' : c;
    }
    return quoted;
}

} // namespace brisolant
