#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace brisolant {

// The two positions of one two-way switch, as drawn in its frame.
enum class OptionSlot : std::uint8_t { Upper = 0, Lower = 1 };

[[nodiscard]] constexpr OptionSlot partnerOf(OptionSlot slot) {
    return slot == OptionSlot::Upper ? OptionSlot::Lower : OptionSlot::Upper;
}

// Two option positions that exclude each other, with the rules every caller of
// the switch bank relies on. This is the only place they are written down:
//  1. Setting one position True makes its partner False.
//  2. Setting a position False changes only that position; both may be False.
//  3. A change from False to True raises that position's Click at once, nested
//     inside the assignment, with the partner already False; the Click runs to
//     completion before setValue returns.
//  4. Setting False, or True on a position already True, raises nothing.
// The headless bank uses it as it is; the window's option buttons show it.
class OptionPair final {
public:
    using ClickHandler = std::function<void(OptionSlot)>;
    using ChangeObserver = std::function<void()>;

    OptionPair() = default;
    OptionPair(const OptionPair&) = delete;
    OptionPair& operator=(const OptionPair&) = delete;

    [[nodiscard]] bool value(OptionSlot slot) const { return m_values[index(slot)]; }
    void setValue(OptionSlot slot, bool value);

    // The program's reaction to a Click (rule 3).
    void setClickHandler(ClickHandler handler) { m_click = std::move(handler); }
    // Told after every change of either value, before any Click runs, so that a
    // view can show the new state while the Click works.
    void setChangeObserver(ChangeObserver observer) { m_changed = std::move(observer); }

private:
    static constexpr std::size_t index(OptionSlot slot) { return static_cast<std::size_t>(slot); }
    void notifyChanged() const;

    std::array<bool, 2> m_values{};
    ClickHandler m_click;
    ChangeObserver m_changed;
};

} // namespace brisolant
