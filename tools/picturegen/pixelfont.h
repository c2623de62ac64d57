#pragma once

#include <QChar>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// A tiny bitmap font, five pixels high, for labels that must stay sharp at 32 x 32 pixels.
class PixelFont final {
public:
    static constexpr int height = 5;

    [[nodiscard]] static int glyphWidth(QChar c);
    [[nodiscard]] static int textWidth(const QString& text);

    // One rectangle per horizontal run of set pixels, in pixel units, so that every renderer
    // (raster or SVG) draws exactly the same cells.
    [[nodiscard]] static std::vector<QRect> runs(const QString& text, QPoint topLeft);
};
