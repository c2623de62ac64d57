#include "wholenumber.h"

#include <algorithm>

namespace brisolant {

namespace {

bool isNumberBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<int> readDigits(std::string_view& text) {
    long long value = 0;
    std::size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
        value = std::min<long long>(value * 10 + (text[count] - '0'), kBeyondAnyLimit);
        ++count;
    }
    if (count == 0) {
        return std::nullopt;
    }
    text.remove_prefix(count);
    return static_cast<int>(value);
}

std::optional<int> readWholeNumber(std::string_view text) {
    while (!text.empty() && isNumberBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isNumberBlank(text.back())) {
        text.remove_suffix(1);
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    const std::optional<int> magnitude = readDigits(text);
    if (!magnitude || !text.empty()) {
        return std::nullopt;
    }
    return negative ? -*magnitude : *magnitude;
}

} // namespace brisolant
