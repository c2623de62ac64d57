#include "switchdrawing.h"

#include "pagecanvas.h"

#include <QPainter>

#include <algorithm>
#include <tuple>

namespace brisolant {

namespace {

// Nine slots side by side in a body; all lengths in points.
constexpr qreal kSlotWidth = 10;
constexpr qreal kSlotGap = 3.5;
constexpr qreal kSlotHeight = 38;
constexpr qreal kInset = 6;
constexpr qreal kCaptionHeight = 11;
constexpr auto kSlots = static_cast<int>(std::tuple_size_v<decltype(SwitchChart::Row::on)>);
constexpr qreal kBlockWidth = kSlots * kSlotWidth + (kSlots - 1) * kSlotGap + 2 * kInset;
constexpr qreal kBlockHeight = kInset + kCaptionHeight + kSlotHeight + 3 + kCaptionHeight + kInset;

} // namespace

QSizeF SwitchDrawing::naturalSize(const SwitchChart::Row& /*row*/) {
    return {kBlockWidth, kBlockHeight};
}

// The nine-switch block as it looks on a fixture: switch 1 on the left, each
// lever black, up for ON, the numbers of the ON switches in bold.
void SwitchDrawing::draw(const PageCanvas& canvas, const QRectF& area,
                         const SwitchChart::Row& row) {
    const QSizeF natural = naturalSize(row);
    const qreal scale = std::min(area.width() / natural.width(), area.height() / natural.height());
    QPainter& painter = canvas.painter();
    painter.save();
    painter.translate(area.center().x() - natural.width() * scale / 2,
                      area.center().y() - natural.height() * scale / 2);
    painter.scale(scale, scale);

    const QRectF body(QPointF(0, 0), natural);
    painter.setPen(QPen(PageCanvas::kInk, 1));
    painter.setBrush(PageCanvas::kBody);
    painter.drawRoundedRect(body, 3, 3);
    canvas.drawText(QRectF(kInset, kInset - 1, 60, kCaptionHeight), 7.5, true, PageCanvas::kInk,
                    QStringLiteral("ON \u2191"));

    const qreal slotTop = kInset + kCaptionHeight;
    for (int i = 0; i < kSlots; ++i) {
        const bool on = row.on.at(static_cast<std::size_t>(i));
        const QRectF slot(kInset + i * (kSlotWidth + kSlotGap), slotTop, kSlotWidth, kSlotHeight);
        painter.setPen(QPen(PageCanvas::kInk, 0.75));
        painter.setBrush(Qt::white);
        painter.drawRect(slot);
        const qreal lever = kSlotHeight / 2 - 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(PageCanvas::kInk);
        painter.drawRect(QRectF(slot.left() + 1.5,
                                on ? slot.top() + 1.5 : slot.bottom() - 1.5 - lever, kSlotWidth - 3,
                                lever));
        canvas.drawText(QRectF(slot.left() - 2, slot.bottom() + 3, kSlotWidth + 4, kCaptionHeight),
                        8, on, on ? PageCanvas::kInk : PageCanvas::kGrey, QString::number(i + 1),
                        Qt::AlignCenter);
    }
    painter.restore();
}

} // namespace brisolant
