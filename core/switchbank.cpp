#include "switchbank.h"

#include "conversions.h"
#include "modbinarydecimal.h"
#include "runtimeerror.h"

#include <array>
#include <charconv>
#include <string>

namespace brisolant {

namespace {

using WeightVariable = std::int16_t SwitchBank::*;

// Ascending order of weight: index i holds the variable of weight 2^i.
constexpr std::array<WeightVariable, SwitchBankView::kSwitchCount> kWeightVariables = {
    &SwitchBank::intSwitch1,  &SwitchBank::intSwitch2,   &SwitchBank::intSwitch4,
    &SwitchBank::intSwitch8,  &SwitchBank::intSwitch16,  &SwitchBank::intSwitch32,
    &SwitchBank::intSwitch64, &SwitchBank::intSwitch128, &SwitchBank::intSwitch256,
};

constexpr std::int16_t weightOf(int digit) {
    return static_cast<std::int16_t>(1 << digit);
}

const std::string kAccepted = "Type a whole start address from 0 to 511.";

// The user's text as a message quotes it; a pasted novel is cut short.
std::string quoteForMessage(std::string_view text) {
    constexpr std::size_t kLongest = 24;
    if (text.size() <= kLongest) {
        return "\"" + std::string(text) + "\"";
    }
    std::size_t cut = kLongest;
    // Never split a UTF-8 sequence.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U) {
        --cut;
    }
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

} // namespace

SwitchBank::SwitchBank(SwitchBankView& view, modApp& app)
    : m_view(view)
    , m_app(app) {}

void SwitchBank::connectPositions() {
    for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
        OptionPair& pair = m_view.positions(digit);
        // Set before the Click is wired: a bank starting OFF is not a click.
        pair.setValue(kOffPosition, true);
        pair.setClickHandler([this](OptionSlot) { UpdateAddressFromSwitches(); });
    }
}

void SwitchBank::UpdateAddressFromSwitches() {
    for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
        this->*kWeightVariables[digit] = isOn(digit) ? weightOf(digit) : std::int16_t{0};
    }
    std::int16_t sum = 0;
    for (const auto variable : kWeightVariables) {
        sum = conv::addInt16(sum, this->*variable);
    }
    m_app.intStartAddress = sum;
    showAddress();
}

void SwitchBank::fctDMXStartAdress(const std::int16_t& Adress) {
    // The nested recomputes overwrite intStartAddress, which callers pass here.
    const std::int16_t address = Adress;

    // A negative odd address has the digit string "-1", whose "-" is no digit.
    // Refuse it before the first switch moves rather than half-way through,
    // which would leave a half-set bank behind the error.
    if (address < 0 && address % 2 != 0) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }

    const std::string digits = modBinaryDecimal::fctDecimalToBinary(address);
    const int length = static_cast<int>(digits.size());
    // Digits of weight 512 and more have no switch: a 16-bit address keeps its
    // lowest nine binary digits, and nothing above them can fail.
    for (int position = 0; position < SwitchBankView::kSwitchCount; ++position) {
        // With negative odd addresses refused, every character is "0" or "1".
        const bool on =
            position < length && digits[static_cast<std::size_t>(length - 1 - position)] == '1';
        OptionPair& pair = m_view.positions(position);
        // The order matters: a switch that changes raises exactly one Click,
        // its ON position's going ON and its OFF position's going OFF.
        if (on) {
            pair.setValue(kOffPosition, false);
            pair.setValue(kOnPosition, true);
        } else {
            pair.setValue(kOffPosition, true);
            pair.setValue(kOnPosition, false);
        }
    }
}

void SwitchBank::ClearSwitchWeights() {
    for (const auto variable : kWeightVariables) {
        this->*variable = 0;
    }
}

void SwitchBank::Reset() {
    // Clearing every ON position first raises nothing; the OFF positions then
    // raise one recompute for each switch that was ON, the first of which
    // already finds every ON position False.
    for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
        m_view.positions(digit).setValue(kOnPosition, false);
    }
    for (int digit = 0; digit < SwitchBankView::kSwitchCount; ++digit) {
        m_view.positions(digit).setValue(kOffPosition, true);
    }
    ClearSwitchWeights();
}

void SwitchBank::EnterStartAddress(std::int16_t address) {
    m_app.intStartAddress = address;
    showAddress();
    ClearSwitchWeights();
    fctDMXStartAdress(m_app.intStartAddress);
}

bool SwitchBank::isOn(int digit) const {
    return m_view.positions(digit).value(kOnPosition);
}

void SwitchBank::showAddress() {
    // Formatted in place: this runs once for every switch that moves.
    std::array<char, 8> buffer{};
    auto* const end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), m_app.intStartAddress).ptr;
    m_view.setAddressText(
        std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

std::int16_t parseStartAddress(std::string_view text) {
    const conv::Int16Parse parsed = conv::parseInt16(text);
    switch (parsed.status) {
    case conv::ParseStatus::NotANumber:
        throw RuntimeError(ErrorNumber::TypeMismatch,
                           quoteForMessage(text) + " is not a whole number. " + kAccepted);
    case conv::ParseStatus::OutOfRange:
        throw RuntimeError(ErrorNumber::Overflow, quoteForMessage(text) +
                                                      " is far too large for a start address. " +
                                                      kAccepted);
    case conv::ParseStatus::Ok:
        break;
    }
    if (parsed.value < 0 || parsed.value > kHighestAddress) {
        // The user's own text, not the number it rounds to: "511.5", not 512.
        throw RuntimeError(ErrorNumber::InvalidAddress,
                           quoteForMessage(text) + " is not an address nine switches can set. " +
                               kAccepted);
    }
    return parsed.value;
}

} // namespace brisolant
