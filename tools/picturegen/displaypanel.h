#pragma once

#include <QColor>
#include <QImage>

// The turquoise strip behind the address: one vertical gradient, the same in every column except
// for a light highlight and a dark line near the left edge. Sizes are multiples of 133 x 55.
class DisplayPanel final {
public:
    static constexpr int width = 133;
    static constexpr int height = 55;

    explicit DisplayPanel(int scale);

    [[nodiscard]] QImage image() const;

    // The gradient at a row of the 133 x 55 picture; fractional rows serve larger scales.
    [[nodiscard]] static QColor rowColour(double row);

private:
    int m_scale;
};
