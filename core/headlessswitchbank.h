#pragma once

#include "switchbank.h"
#include "switchbankview.h"

#include <array>
#include <functional>
#include <string>

namespace brisolant {

// A switch bank without a window: nine plain position pairs under the same
// rules as the window's option buttons, a text for the address, and the same
// Click hook that recomputes the address. At creation all switches are OFF and
// the text is "0", as in the window.
class HeadlessSwitchBank final : public SwitchBankView {
public:
    explicit HeadlessSwitchBank(modApp& app);

    [[nodiscard]] OptionPair& positions(int digit) override;
    void setAddressText(std::string_view text) override;

    [[nodiscard]] SwitchBank& bank() { return m_bank; }
    [[nodiscard]] const std::string& addressText() const { return m_text; }

    // Told of every address text shown, in order, nested runs included.
    void setAddressTextObserver(std::function<void(const std::string&)> observer) {
        m_observer = std::move(observer);
    }

private:
    std::array<OptionPair, kSwitchCount> m_positions;
    std::string m_text = "0";
    std::function<void(const std::string&)> m_observer;
    SwitchBank m_bank;
};

} // namespace brisolant
