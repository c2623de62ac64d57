#include "switchdrawing.h"

#include "pagecanvas.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace brisolant {

namespace {

using Kind = AddressProfile::Kind;

// Slots side by side in a body; all lengths in points.
constexpr qreal kSlotWidth = 10;
constexpr qreal kSlotGap = 3.5;
constexpr qreal kSlotHeight = 38;
constexpr qreal kInset = 6;
constexpr qreal kCaptionHeight = 11;
// Dials: a circle each, with its place value above.
constexpr qreal kDial = 30;
constexpr qreal kDialGap = 8;
// A display: its window, as wide as its text.
constexpr qreal kDisplayHeight = 30;
constexpr qreal kDisplayPoints = 20;
// 0.2 mm: a thermal label printer's dot is 0.125 mm, and a line thinner than
// this can vanish from a small label.
constexpr qreal kThinnestLine = 0.2 * 72 / 25.4;

bool hasFunctions(const AddressProfile& profile) {
    return std::any_of(profile.switches.begin(), profile.switches.end(),
                       [](const AddressProfile::Switch& one) { return one.weight == 0; });
}

qreal switchesHeight(const AddressProfile& profile) {
    return kInset + kCaptionHeight + kSlotHeight + 3 + kCaptionHeight + kInset +
           (hasFunctions(profile) ? kCaptionHeight : 0);
}

QString displayText(const SwitchChart::Row& row) {
    return QString::fromStdString(row.setting());
}

qreal displayWidth(const SwitchChart::Row& row) {
    return PageCanvas::metrics(PageCanvas::font(kDisplayPoints, true))
               .horizontalAdvance(displayText(row)) +
           4 * kInset;
}

// The function switches and their settings: "10 OFF = DMX  12 ON".
QString functionLegend(const AddressProfile& profile) {
    QStringList parts;
    for (std::size_t i = 0; i < profile.switches.size(); ++i) {
        const AddressProfile::Switch& one = profile.switches[i];
        if (one.weight == 0) {
            QString part = QStringLiteral("%1 %2").arg(i + 1).arg(
                one.functionOn ? QStringLiteral("ON") : QStringLiteral("OFF"));
            if (!one.label.empty()) {
                part += QStringLiteral(" = ") + QString::fromStdString(one.label);
            }
            parts.append(part);
        }
    }
    return QStringLiteral("F: ") + parts.join(QStringLiteral("  "));
}

// The ink's pen, width points wide in the drawing's own size and no thinner
// than kThinnestLine once drawn at scale.
QPen ink(qreal width, qreal scale) {
    return {PageCanvas::kInk, std::max(width, kThinnestLine / scale)};
}

// The block as it looks on the fixture: switch 1 at the end printed, each
// lever black and toward ON where it is ON, the numbers of the ON switches in
// bold, a function switch marked F in its slot and told below the block.
void drawSwitches(const PageCanvas& canvas, const SwitchChart::Row& row, const QSizeF& natural,
                  qreal scale) {
    const AddressProfile& profile = *row.profile;
    QPainter& painter = canvas.painter();
    const auto count = static_cast<int>(profile.switches.size());
    canvas.drawText(QRectF(kInset, kInset - 1, 60, kCaptionHeight), 7.5, true, PageCanvas::kInk,
                    profile.onDown ? QStringLiteral("ON \u2193") : QStringLiteral("ON \u2191"));
    const qreal slotTop = kInset + kCaptionHeight;
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool on = row.on.at(index);
        const bool function = profile.switches[index].weight == 0;
        const int place = profile.numberedFromRight ? count - 1 - i : i;
        const QRectF slot(kInset + place * (kSlotWidth + kSlotGap), slotTop, kSlotWidth,
                          kSlotHeight);
        painter.setPen(ink(0.75, scale));
        painter.setBrush(function ? PageCanvas::kBody : QColor(Qt::white));
        painter.drawRect(slot);
        const qreal lever = kSlotHeight / 2 - 2;
        const bool up = on != profile.onDown;
        painter.setPen(Qt::NoPen);
        painter.setBrush(PageCanvas::kInk);
        painter.drawRect(QRectF(slot.left() + 1.5,
                                up ? slot.top() + 1.5 : slot.bottom() - 1.5 - lever, kSlotWidth - 3,
                                lever));
        canvas.drawText(QRectF(slot.left() - 2, slot.bottom() + 3, kSlotWidth + 4, kCaptionHeight),
                        8, on, on ? PageCanvas::kInk : PageCanvas::kGrey, QString::number(i + 1),
                        Qt::AlignCenter);
        if (function) {
            // In the half the lever leaves free.
            const qreal top = up ? slot.bottom() - 1.5 - lever : slot.top() + 1.5;
            canvas.drawText(QRectF(slot.left(), top, kSlotWidth, lever), 7, true, PageCanvas::kInk,
                            QStringLiteral("F"), Qt::AlignCenter);
        }
    }
    if (hasFunctions(profile)) {
        // Smaller print for many labels, down to 5 points.
        const QString legend = functionLegend(profile);
        const qreal width = natural.width() - 2 * kInset;
        canvas.drawText(
            QRectF(kInset, natural.height() - kInset - kCaptionHeight, width, kCaptionHeight),
            PageCanvas::fittedPoints(legend, 7, 5, width), true, PageCanvas::kInk, legend);
    }
}

// Each dial a circle with the digit to set in it and a pointer toward it, its
// place value above: "×100", "×10", "×1".
void drawDials(const PageCanvas& canvas, const SwitchChart::Row& row, qreal scale) {
    const AddressProfile& profile = *row.profile;
    QPainter& painter = canvas.painter();
    const QStringList digits = QString::fromStdString(row.setting()).split(u' ');
    for (int i = 0; i < profile.dials; ++i) {
        const int power = profile.mostSignificantFirst ? profile.dials - 1 - i : i;
        const QRectF dial(kInset + i * (kDial + kDialGap), kInset + kCaptionHeight + 2, kDial,
                          kDial);
        canvas.drawText(
            QRectF(dial.left() - 4, kInset - 1, kDial + 8, kCaptionHeight), 7, false,
            PageCanvas::kGrey,
            QStringLiteral("\u00d7%1")
                .arg(QString::number(static_cast<qlonglong>(std::pow(profile.base, power)),
                                     profile.base)
                         .toUpper()),
            Qt::AlignCenter);
        painter.setPen(ink(1, scale));
        painter.setBrush(Qt::white);
        painter.drawEllipse(dial);
        const QString digit = digits.value(i);
        // The pointer at the digit's place round the dial, 0 at the top.
        const qreal angle = qDegreesToRadians(360.0 * digit.toInt(nullptr, 16) / profile.base);
        const QPointF centre = dial.center();
        QPen pointer = ink(2, scale);
        pointer.setCapStyle(Qt::RoundCap);
        painter.setPen(pointer);
        painter.drawLine(centre + QPointF(std::sin(angle), -std::cos(angle)) * (kDial / 2 - 7),
                         centre + QPointF(std::sin(angle), -std::cos(angle)) * (kDial / 2 - 2));
        canvas.drawText(dial.adjusted(5, 5, -5, -5), 13, true, PageCanvas::kInk, digit,
                        Qt::AlignCenter);
    }
}

// The display's window with the text to set in it.
void drawDisplay(const PageCanvas& canvas, const SwitchChart::Row& row, const QSizeF& natural,
                 qreal scale) {
    QPainter& painter = canvas.painter();
    const QRectF window(kInset, kInset, natural.width() - 2 * kInset, kDisplayHeight);
    painter.setPen(ink(1.5, scale));
    painter.setBrush(Qt::white);
    painter.drawRect(window);
    canvas.drawText(window, kDisplayPoints, true, PageCanvas::kInk, displayText(row),
                    Qt::AlignCenter);
}

} // namespace

QSizeF SwitchDrawing::naturalSize(const SwitchChart::Row& row) {
    const AddressProfile& profile = *row.profile;
    switch (profile.kind) {
    case Kind::Dials:
        return {2 * kInset + profile.dials * kDial + (profile.dials - 1) * kDialGap,
                2 * kInset + kCaptionHeight + 2 + kDial};
    case Kind::Display:
        return {displayWidth(row), kDisplayHeight + 2 * kInset};
    case Kind::Switches:
        break;
    }
    const auto count = static_cast<qreal>(profile.switches.size());
    return {count * kSlotWidth + (count - 1) * kSlotGap + 2 * kInset, switchesHeight(profile)};
}

void SwitchDrawing::draw(const PageCanvas& canvas, const QRectF& area,
                         const SwitchChart::Row& row) {
    const QSizeF natural = naturalSize(row);
    const qreal scale = std::min(area.width() / natural.width(), area.height() / natural.height());
    QPainter& painter = canvas.painter();
    painter.save();
    painter.translate(area.center().x() - natural.width() * scale / 2,
                      area.center().y() - natural.height() * scale / 2);
    painter.scale(scale, scale);
    painter.setPen(ink(1, scale));
    painter.setBrush(PageCanvas::kBody);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), natural), 3, 3);
    switch (row.profile->kind) {
    case Kind::Switches:
        drawSwitches(canvas, row, natural, scale);
        break;
    case Kind::Dials:
        drawDials(canvas, row, scale);
        break;
    case Kind::Display:
        drawDisplay(canvas, row, natural, scale);
        break;
    }
    painter.restore();
}

} // namespace brisolant
