#include "patchaddress.h"

#include "wholenumber.h"

namespace brisolant {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

void skipBlanks(std::string_view& text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
}

} // namespace

std::optional<PatchAddress> PatchAddress::read(std::string_view text) {
    skipBlanks(text);
    const bool isSigned = !text.empty() && (text.front() == '-' || text.front() == '+');
    const int sign = isSigned && text.front() == '-' ? -1 : 1;
    if (isSigned) {
        text.remove_prefix(1);
    }
    std::optional<int> first = readDigits(text);
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
        const std::optional<int> address = readDigits(text);
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
        patch.last = readDigits(text);
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

std::string_view PatchAddress::universeText(std::string_view text) {
    const std::optional<PatchAddress> patch = read(text);
    if (!patch || !patch->universe) {
        return {};
    }
    skipBlanks(text);
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    return text.substr(0, digits);
}

std::string PatchAddress::notAnAddress(std::string_view text) {
    std::string what = "start address \"";
    what.append(text).append(
        "\" is in none of the notations 17, 2/17, 2.17, 2-17, 2:17 or 2/17<32.");
    return what;
}

} // namespace brisolant
