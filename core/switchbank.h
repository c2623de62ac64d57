#pragma once

#include "modapp.h"
#include "switchbankview.h"

#include <cstdint>
#include <string_view>

namespace brisolant {

// The nine-switch bank of a DMX512 fixture and its two directions of
// conversion. The start address is the sum of the weights 1, 2, 4 ... 256 of
// the switches that are ON.
//
// Setting positions raises their Click nested inside the assignment, and the
// owner of the view answers every Click with UpdateAddressFromSwitches. The
// operations here count on that: fctDMXStartAdress and Reset recompute once
// for every switch that changes, before they return.
class SwitchBank final {
public:
    SwitchBank(SwitchBankView& view, modApp& app);

    // Puts every switch OFF, as a new bank starts, and then answers every
    // Click of the eighteen positions with UpdateAddressFromSwitches. The
    // owner of the view calls it once its positions exist.
    void connectPositions();

    // Adds up the ON switches, stores the sum in intStartAddress and shows it.
    void UpdateAddressFromSwitches();

    // Sets the switches to the lowest nine binary digits of Adress. Adress is
    // read once at entry, so the caller may pass intStartAddress itself, which
    // the nested recomputes overwrite. A negative odd address raises type
    // mismatch (13) before any position is touched.
    void fctDMXStartAdress(const std::int16_t& Adress);

    // Sets the nine weight variables to 0; touches nothing else.
    void ClearSwitchWeights();

    // All switches OFF: every ON position False first, then every OFF
    // position True, then the weight variables cleared.
    void Reset();

    // The Enter path of the address editor, once the typed text has been
    // accepted: store and show the address, then move the switches to it.
    void EnterStartAddress(std::int16_t address);

    [[nodiscard]] bool isOn(int digit) const;

    std::int16_t intSwitch1 = 0;
    std::int16_t intSwitch2 = 0;
    std::int16_t intSwitch4 = 0;
    std::int16_t intSwitch8 = 0;
    std::int16_t intSwitch16 = 0;
    std::int16_t intSwitch32 = 0;
    std::int16_t intSwitch64 = 0;
    std::int16_t intSwitch128 = 0;
    std::int16_t intSwitch256 = 0;

private:
    void showAddress();

    SwitchBankView& m_view;
    modApp& m_app;
};

// The typed text of the address editor as an address the switches can show:
// a whole number 0 ... 511 after the rounding of conv::parseInt16. Raises type
// mismatch (13) for a text that is no number, overflow (6) beyond the 16-bit
// range, and invalid address (380) for any other number outside 0 ... 511; each
// error's description tells the user what was wrong and what is accepted.
[[nodiscard]] std::int16_t parseStartAddress(std::string_view text);

inline constexpr std::int16_t kHighestAddress = 511;

} // namespace brisolant
