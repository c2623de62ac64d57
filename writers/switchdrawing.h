#pragma once

#include "switchchart.h"

#include <QRectF>
#include <QSizeF>

namespace brisolant {

class PageCanvas;

// How a fixture's address is set, drawn as it looks on the fixture: one
// drawing wherever a fixture appears, on a chart's page, in the chart window
// and on a label.
class SwitchDrawing final {
public:
    // The drawing's own size, in points.
    [[nodiscard]] static QSizeF naturalSize(const SwitchChart::Row& row);

    // The drawing of row's setting scaled to fit area, keeping its shape, and
    // centred in it; however small, no line is thinner than 0.2 mm.
    static void draw(const PageCanvas& canvas, const QRectF& area, const SwitchChart::Row& row);
};

} // namespace brisolant
