#include "pagecanvas.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

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
    // Widths without hinting are nearly, not quite, proportional to the size,
    // and rounded: aiming a little under the width, a second pass is seldom
    // needed and a third never.
    for (int pass = 0; pass < 3; ++pass) {
        const qreal natural = metrics(font(fitted, true)).horizontalAdvance(text);
        if (natural <= width) {
            break;
        }
        fitted = std::max(smallest, fitted * width / natural * 0.99);
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
    const QString shown =
        metrics(font(points, bold)).elidedText(text, Qt::ElideRight, rect.width());
    m_painter.drawText(rect, static_cast<int>(alignment), shown);
}

} // namespace brisolant
