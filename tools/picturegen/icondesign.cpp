#include "icondesign.h"

#include "pixelfont.h"

#include <array>

namespace IconDesign {

namespace {

constexpr int slotTop = 10;
constexpr int slotHeight = 12;
constexpr int slotWidth = 5;
constexpr int slotPitch = 7;
constexpr int firstSlot = 3;
constexpr int leverHeight = 5;

// Which levers stand up; a mix shows at a glance that these are switches.
constexpr std::array<bool, 4> leverUp{true, false, true, true};

void addText(VectorPicture& picture, const QString& text, QPoint topLeft, const QColor& colour) {
    for (const QRect& run : PixelFont::runs(text, topLeft)) {
        picture.addRect(QRectF(run), VectorPicture::solid(colour));
    }
}

} // namespace

VectorPicture picture() {
    VectorPicture p(units);
    const QColor white(255, 255, 255);

    p.addRect(QRectF(0, 0, 32, 32), VectorPicture::solid(QColor(112, 0, 0)), 3.0);
    p.addRect(
        QRectF(1, 1, 30, 30),
        VectorPicture::vertical(
            1, 31,
            {{0.0, QColor(244, 72, 60)}, {0.45, QColor(222, 24, 20)}, {1.0, QColor(168, 0, 0)}}),
        2.0);

    const QString label = QStringLiteral("DMX");
    addText(p, label, QPoint((units - PixelFont::textWidth(label)) / 2, 3), white);

    for (int i = 0; i < 4; ++i) {
        const int x = firstSlot + i * slotPitch;
        p.addRect(QRectF(x, slotTop, slotWidth, slotHeight),
                  VectorPicture::vertical(slotTop, slotTop + slotHeight,
                                          {{0.0, QColor(48, 0, 0)}, {1.0, QColor(92, 8, 8)}}));
        const int leverTop = leverUp[static_cast<std::size_t>(i)]
                                 ? slotTop + 1
                                 : slotTop + slotHeight - 1 - leverHeight;
        p.addRect(
            QRectF(x + 1, leverTop, slotWidth - 2, leverHeight),
            VectorPicture::vertical(leverTop, leverTop + leverHeight,
                                    {{0.0, white}, {0.6, white}, {1.0, QColor(196, 196, 196)}}));
        addText(p, QString::number(i + 1), QPoint(x + 1, 24), white);
    }
    return p;
}

} // namespace IconDesign
