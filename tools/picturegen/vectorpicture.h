#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>

#include <vector>

// A picture made of filled (rounded) rectangles in a square user space, drawn either as pixels at
// any size or as SVG text, so that the icon's raster and scalable forms share one geometry.
class VectorPicture final {
public:
    struct Stop {
        double at = 0.0;
        QColor colour;
    };

    // A solid colour, or a vertical gradient from y1 to y2 in user units.
    struct Fill {
        QColor colour;
        std::vector<Stop> stops;
        double y1 = 0.0;
        double y2 = 0.0;
    };

    explicit VectorPicture(int units);

    void addRect(const QRectF& rect, const Fill& fill, double radius = 0.0);

    [[nodiscard]] int units() const { return m_units; }
    [[nodiscard]] QImage render(int pixels) const;
    [[nodiscard]] QByteArray svg(const QString& title) const;

    [[nodiscard]] static Fill solid(const QColor& colour);
    [[nodiscard]] static Fill vertical(double y1, double y2, std::vector<Stop> stops);

private:
    struct Shape {
        QRectF rect;
        Fill fill;
        double radius = 0.0;
    };

    int m_units;
    std::vector<Shape> m_shapes;
};
