#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QRect>

namespace brisolant::formlayout {

// Where a control of the main window stands, in twips (1/1440 inch) within
// its container's client area, and its place in the Tab order.
struct Placement {
    std::string_view name;
    std::string_view container; // "" for the window itself
    int left;
    int top;
    int width;
    int height;
    std::optional<int> tabIndex;
};

// Fifteen twips to a device-independent pixel; Qt scales pixels for HiDPI.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int kClientWidth = 3465;
inline constexpr int kClientHeight = 2775;

// Every control, in the order the window creates them.
extern const std::array<Placement, 32> kControls;

// The frame holding the switch of weight 2 to the power digit. The frames are
// not numbered by weight: Frame3 holds weight 8, Frame4 weight 4, and so on.
extern const std::array<std::string_view, 9> kSwitchFrames;

[[nodiscard]] const Placement& placement(std::string_view name);

// Rounded to the nearest pixel; edges are rounded, not sizes, so that
// neighbouring controls that touch in twips still touch in pixels.
[[nodiscard]] int toPixels(int twips);
[[nodiscard]] QRect pixelRect(const Placement& placement);

} // namespace brisolant::formlayout
