#include "pagecanvas.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brisolant {

PageCanvas::PageCanvas(QPainter& painter)
    : m_painter(painter)
    , m_fontScale(72.0 / painter.device()->logicalDpiY()) {}

QFont PageCanvas::font(qreal points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Hinting fits glyphs to a device's pixels, and so a line's width to the device.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFontMetricsF PageCanvas::metrics(const QFont& font) {
    static const QImage page = [] {
        QImage image(1, 1, QImage::Format_Mono);
        constexpr int kPointsPerMetre = 2835; // 72 to the inch
        image.setDotsPerMeterX(kPointsPerMetre);
        image.setDotsPerMeterY(kPointsPerMetre);
        return image;
    }();
    return {font, &page};
}

qreal PageCanvas::fittedPoints(const QString& text, qreal points, qreal smallest, qreal width) {
    qreal fitted = points;
    // Qt sizes a font in whole pixels of its device, and so in whole points
    // here: from the size the widths say, a point less at a time.
    for (int pass = 0; pass < 4; ++pass) {
        const qreal natural = metrics(font(fitted, true)).horizontalAdvance(text);
        if (natural <= width || fitted <= smallest) {
            break;
        }
        fitted = std::max(smallest, std::min(fitted - 1, std::floor(fitted * width / natural)));
    }
    return fitted;
}

void PageCanvas::setFont(qreal points, bool bold) const {
    m_painter.setFont(font(points * m_fontScale, bold));
}

void PageCanvas::drawText(const QRectF& rect, qreal points, bool bold, const QColor& color,
                          const QString& text, Qt::Alignment alignment) const {
    setFont(points, bold);
    m_painter.setPen(color);
    // Qt's eliding measures a little wider than the advance fittedPoints()
    // fits text to: only text wider than the rect is cut.
    const QFontMetricsF measured = metrics(font(points, bold));
    const QString shown = measured.horizontalAdvance(text) <= rect.width()
                              ? text
                              : measured.elidedText(text, Qt::ElideRight, rect.width());
    m_painter.drawText(rect, static_cast<int>(alignment), shown);
}

} // namespace brisolant
