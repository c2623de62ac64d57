#include "modbinarydecimal.h"

#include "conversions.h"

#include <array>

namespace brisolant::modBinaryDecimal {

std::string fctDecimalToBinary(double value) {
    // Filled from the right: at most 31 digits, or "-1" for a negative odd n.
    std::array<char, 32> buffer{};
    auto* first = buffer.data() + buffer.size();
    std::int32_t n = conv::toInt32(value);
    do {
        // The remainder takes the sign of n; a negative n ends after this
        // pass, so its whole result is "0" or "-1".
        const std::int32_t remainder = n % 2;
        if (remainder < 0) {
            *--first = '1';
            *--first = '-';
        } else {
            *--first = remainder == 1 ? '1' : '0';
        }
        n /= 2;
    } while (n >= 1);
    return {first, buffer.end()};
}

} // namespace brisolant::modBinaryDecimal
