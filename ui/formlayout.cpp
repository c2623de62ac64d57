#include "formlayout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace brisolant::formlayout {

// clang-format off
const std::array<Placement, 32> kControls = {{
    {"txtInput",   "",       1080,  120,  855,  285, 30},
    {"cmdInfo",    "",        120, 1680, 1600,  975, 29},
    {"cmdClose",   "",       1760, 1680, 1600,  975, 28},
    {"Frame9",     "",       3000,  600,  375,  975, 24},
    {"opt256",     "Frame9",    0,    0,  375,  495, 26},
    {"opt256_0",   "Frame9",    0,  480,  375,  495, 25},
    {"Frame8",     "",       2280,  600,  375,  975, 21},
    {"opt64_0",    "Frame8",    0,  480,  375,  495, 23},
    {"opt64",      "Frame8",    0,    0,  375,  495, 22},
    {"Frame7",     "",       2640,  600,  375,  975, 18},
    {"opt128",     "Frame7",    0,    0,  375,  495, 20},
    {"opt128_0",   "Frame7",    0,  480,  375,  495, 19},
    {"Frame6",     "",       1560,  600,  375,  975, 15},
    {"opt16",      "Frame6",    0,    0,  375,  495, 17},
    {"opt16_0",    "Frame6",    0,  480,  375,  495, 16},
    {"Frame5",     "",       1920,  600,  375,  975, 12},
    {"opt32_0",    "Frame5",    0,  480,  375,  495, 14},
    {"opt32",      "Frame5",    0,    0,  375,  495, 13},
    {"Frame4",     "",        840,  600,  375,  975,  9},
    {"opt4",       "Frame4",    0,    0,  375,  495, 11},
    {"opt4_0",     "Frame4",    0,  480,  375,  495, 10},
    {"Frame3",     "",       1205,  600,  375,  975,  6},
    {"opt8_0",     "Frame3",    0,  480,  375,  495,  8},
    {"opt8",       "Frame3",    0,    0,  375,  495,  7},
    {"Frame2",     "",        480,  600,  375,  975,  3},
    {"opt2",       "Frame2",    0,    0,  375,  495,  5},
    {"opt2_0",     "Frame2",    0,  480,  375,  495,  4},
    {"Frame1",     "",        120,  600,  375,  975,  0},
    {"opt1_0",     "Frame1",    0,  480,  375,  495,  2},
    {"opt1",       "Frame1",    0,    0,  375,  495,  1},
    {"lblAusgabe", "",        240,  200, 2895,  300, 27},
    {"Image1",     "",        120,  120, 3220,  435, std::nullopt},
}};
// clang-format on

const std::array<std::string_view, 9> kSwitchFrames = {
    "Frame1", "Frame2", "Frame4", "Frame3", "Frame6", "Frame5", "Frame8", "Frame7", "Frame9",
};

const Placement& placement(std::string_view name) {
    const auto* found = std::find_if(kControls.begin(), kControls.end(),
                                     [name](const Placement& p) { return p.name == name; });
    if (found == kControls.end()) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *found;
}

int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect pixelRect(const Placement& placement) {
    const int left = toPixels(placement.left);
    const int top = toPixels(placement.top);
    const int right = toPixels(placement.left + placement.width);
    const int bottom = toPixels(placement.top + placement.height);
    return {left, top, right - left, bottom - top};
}

} // namespace brisolant::formlayout
