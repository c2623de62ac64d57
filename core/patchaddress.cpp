#include "patchaddress.h"

#include <algorithm>

namespace brisolant {

namespace {

constexpr long long kLargestNumber = 1'000'000'000;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

void skipBlanks(std::string_view& text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
}

// Leading decimal digits of text, consumed; nothing when there are none.
std::optional<int> digits(std::string_view& text) {
    long long value = 0;
    std::size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
        value = std::min(value * 10 + (text[count] - '0'), kLargestNumber);
        ++count;
    }
    if (count == 0) {
        return std::nullopt;
    }
    text.remove_prefix(count);
    return static_cast<int>(value);
}

} // namespace

std::optional<PatchAddress> PatchAddress::read(std::string_view text) {
    skipBlanks(text);
    const bool isSigned = !text.empty() && (text.front() == '-' || text.front() == '+');
    const int sign = isSigned && text.front() == '-' ? -1 : 1;
    if (isSigned) {
        text.remove_prefix(1);
    }
    std::optional<int> first = digits(text);
    if (!first) {
        return std::nullopt;
    }
    PatchAddress patch;
    patch.address = sign * *first;
    skipBlanks(text);
    // A sign belongs to a plain number only: "-1/5" is no address.
    if (!text.empty() && !isSigned &&
        std::string_view("/.-:").find(text.front()) != std::string_view::npos) {
        text.remove_prefix(1);
        skipBlanks(text);
        const std::optional<int> address = digits(text);
        if (!address) {
            return std::nullopt;
        }
        patch.universe = *first;
        patch.address = *address;
        skipBlanks(text);
    }
    if (!text.empty() && text.front() == '<') {
        text.remove_prefix(1);
        skipBlanks(text);
        patch.last = digits(text);
        if (!patch.last) {
            return std::nullopt;
        }
        skipBlanks(text);
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return patch;
}

std::string PatchAddress::notAnAddress(std::string_view text) {
    std::string what = "start address \"";
    what.append(text).append(
        "\" is in none of the notations 17, 2/17, 2.17, 2-17, 2:17 or 2/17<32.");
    return what;
}

} // namespace brisolant
