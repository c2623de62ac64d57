#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

class QPainter;

namespace brisolant {

// What the printed pages (chart, labels, maps) draw with: a painter whose
// units are points, fonts sized so that a point is a point on any device, and
// text measured at 72 points to the inch without hinting, never on the device,
// so that every device shows the same lines cut at the same places.
class PageCanvas final {
public:
    // The ink and greys of the pages: black on white, for any printer.
    static inline const QColor kInk{Qt::black};
    static inline const QColor kGrey{110, 110, 110};
    static inline const QColor kRule{170, 170, 170};
    static inline const QColor kBody{226, 226, 226};
    // The frame the chart's pages and the maps' share, in points: the margin
    // all round, the header above the body and the footer below it.
    static constexpr qreal kMargin = 36;
    static constexpr qreal kHeaderHeight = 30;
    static constexpr qreal kFooterHeight = 18;

    // The painter's units must be points; its device may have any resolution.
    explicit PageCanvas(QPainter& painter);

    [[nodiscard]] QPainter& painter() const { return m_painter; }

    [[nodiscard]] static QFont font(qreal points, bool bold);
    // Measured on an image of 72 dots per inch, one dot a point.
    [[nodiscard]] static QFontMetricsF metrics(const QFont& font);
    // The size from points down to smallest at which bold text fits width.
    [[nodiscard]] static qreal fittedPoints(const QString& text, qreal points, qreal smallest,
                                            qreal width);

    void setFont(qreal points, bool bold) const;
    // text in rect, cut with an ellipsis where it does not fit.
    void drawText(const QRectF& rect, qreal points, bool bold, const QColor& color,
                  const QString& text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) const;

private:
    QPainter& m_painter;
    // The device sizes fonts by its resolution, and the painter's scale again.
    qreal m_fontScale = 1;
};

} // namespace brisolant
