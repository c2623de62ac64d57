#include "modbinarydecimal.h"

#include "conversions.h"

namespace brisolant::modBinaryDecimal {

std::string fctDecimalToBinary(double value) {
    std::string digits;
    // Every pass after the first sees a whole number, so n only shrinks.
    std::int32_t n = conv::toInt32(value);
    do {
        // The remainder takes the sign of n: a negative odd n gives "-1".
        const std::int32_t remainder = n % 2;
        digits.insert(0, remainder < 0 ? "-1" : (remainder == 1 ? "1" : "0"));
        n /= 2;
    } while (n >= 1);
    return digits;
}

} // namespace brisolant::modBinaryDecimal
