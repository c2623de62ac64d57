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

void addBlock(VectorPicture& p, int size, double radius) {
    p.addRect(QRectF(0, 0, size, size), VectorPicture::solid(QColor(112, 0, 0)), radius);
    p.addRect(
        QRectF(1, 1, size - 2, size - 2),
        VectorPicture::vertical(
            1, size - 1,
            {{0.0, QColor(244, 72, 60)}, {0.45, QColor(222, 24, 20)}, {1.0, QColor(168, 0, 0)}}),
        radius - 1.0);
}

void addLever(VectorPicture& p, const QRectF& slot, double leverHeight, bool up) {
    const QColor white(255, 255, 255);
    p.addRect(slot, VectorPicture::vertical(slot.top(), slot.bottom(),
                                            {{0.0, QColor(48, 0, 0)}, {1.0, QColor(92, 8, 8)}}));
    const double top = up ? slot.top() + 1 : slot.bottom() - 1 - leverHeight;
    p.addRect(QRectF(slot.left() + 1, top, slot.width() - 2, leverHeight),
              VectorPicture::vertical(top, top + leverHeight,
                                      {{0.0, white}, {0.6, white}, {1.0, QColor(196, 196, 196)}}));
}

} // namespace

VectorPicture picture() {
    VectorPicture p(units);
    const QColor white(255, 255, 255);
    addBlock(p, units, 3.0);

    const QString label = QStringLiteral("DMX");
    addText(p, label, QPoint((units - PixelFont::textWidth(label)) / 2, 3), white);

    for (int i = 0; i < 4; ++i) {
        const int x = firstSlot + i * slotPitch;
        addLever(p, QRectF(x, slotTop, slotWidth, slotHeight), leverHeight,
                 leverUp[static_cast<std::size_t>(i)]);
        addText(p, QString::number(i + 1), QPoint(x + 1, 24), white);
    }
    return p;
}

VectorPicture smallPicture() {
    constexpr int size = 16;
    VectorPicture p(size);
    addBlock(p, size, 2.0);
    for (int i = 0; i < 4; ++i) {
        addLever(p, QRectF(2 + i * 3, 3, 3, 10), 4, leverUp[static_cast<std::size_t>(i)]);
    }
    return p;
}

} // namespace IconDesign
