#include "displaypanel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Key {
    double row;
    int r, g, b;
};

// Top, the lightest band about two thirds down, the shadow just above the bottom edge, and a
// light last row that reads as the panel's lower rim.
constexpr std::array keys{
    Key{0.0, 60, 213, 221},
    Key{36.0, 98, 253, 237},
    Key{53.0, 61, 212, 223},
    Key{54.0, 84, 228, 237},
};

constexpr int highlightFirst = 1;
constexpr int highlightColumns = 3;
constexpr int darkLineColumn = highlightFirst + highlightColumns;

int mix(int a, int b, double t) {
    return static_cast<int>(std::lround(a + (b - a) * t));
}

} // namespace

DisplayPanel::DisplayPanel(int scale)
    : m_scale(scale) {}

QColor DisplayPanel::rowColour(double row) {
    row = std::clamp(row, keys.front().row, keys.back().row);
    for (std::size_t i = 1; i < keys.size(); ++i) {
        const Key& a = keys[i - 1];
        const Key& b = keys[i];
        if (row <= b.row) {
            // Eased so the bands melt into each other without a visible kink.
            const double t = (row - a.row) / (b.row - a.row);
            const double s = t * t * (3.0 - 2.0 * t);
            return {mix(a.r, b.r, s), mix(a.g, b.g, s), mix(a.b, b.b, s)};
        }
    }
    return {keys.back().r, keys.back().g, keys.back().b};
}

QImage DisplayPanel::image() const {
    QImage image(width * m_scale, height * m_scale, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    const QColor darkLine(47, 153, 141);
    for (int y = 0; y < image.height(); ++y) {
        // Sample the design at the centre of each pixel row.
        const QColor base = rowColour((y + 0.5) / m_scale - 0.5);
        const QColor light(mix(base.red(), 255, 0.45), mix(base.green(), 255, 0.45),
                           mix(base.blue(), 255, 0.45));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int column = x / m_scale;
            QColor c = base;
            if (column >= highlightFirst && column < darkLineColumn) {
                c = light;
            } else if (column == darkLineColumn) {
                c = darkLine;
            }
            line[x] = c.rgb();
        }
    }
    return image;
}
