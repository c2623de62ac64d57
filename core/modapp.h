#pragma once

#include <cstdint>

namespace brisolant {

// The program-wide state. One object, created in main and handed by reference
// to whoever needs it, so every test starts from fresh state.
struct modApp {
    // The start address last computed from the switches or entered by the user.
    std::int16_t intStartAddress = 0;
};

} // namespace brisolant
