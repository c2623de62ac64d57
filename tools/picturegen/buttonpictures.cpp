#include "buttonpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <functional>

namespace ButtonPictures {

namespace {

const QColor letterWhite(254, 254, 254);

// Paints a symbol on white and then nudges any pure white pixel inside its outline to 254, so
// that the button's transparent colour never punches a hole into a highlight.
QImage paint(int scale, const QPainterPath& outline, const std::function<void(QPainter&)>& draw) {
    const int size = units * scale;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
    }

    QImage coverage(size, size, QImage::Format_Alpha8);
    coverage.fill(0);
    {
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.fillPath(outline, Qt::black);
    }
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* cover = coverage.constScanLine(y);
        for (int x = 0; x < size; ++x) {
            if (cover[x] != 0 && (line[x] & 0xffffffu) == 0xffffffu) {
                line[x] = letterWhite.rgb();
            }
        }
    }
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

QPainterPath circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath crossOutline() {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-16.0, -4.0, 32.0, 8.0), 3.0, 3.0);
    QTransform down;
    down.translate(16.0, 16.0);
    down.rotate(45.0);
    QTransform up;
    up.translate(16.0, 16.0);
    up.rotate(-45.0);
    return down.map(bar).united(up.map(bar)).simplified();
}

} // namespace

QImage info(int scale) {
    const QPointF centre(16.0, 16.0);
    const QPainterPath disc = circle(centre, 14.0);
    return paint(scale, disc, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(12, 42, 128));
        p.drawPath(disc);

        QRadialGradient body(centre, 14.0, QPointF(12.0, 10.0));
        body.setColorAt(0.0, QColor(120, 182, 255));
        body.setColorAt(0.55, QColor(34, 96, 226));
        body.setColorAt(1.0, QColor(14, 52, 164));
        const QPainterPath inner = circle(centre, 13.0);
        p.setBrush(body);
        p.drawPath(inner);

        // The gloss: a soft white cap over the upper half, fading out before the middle.
        QLinearGradient gloss(0.0, 3.0, 0.0, 16.0);
        gloss.setColorAt(0.0, QColor(255, 255, 255, 210));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        QPainterPath cap;
        cap.addEllipse(QRectF(6.0, 3.5, 20.0, 13.0));
        p.setBrush(gloss);
        p.drawPath(cap.intersected(inner));

        p.setBrush(letterWhite);
        p.drawEllipse(QPointF(16.0, 8.5), 2.25, 2.25);
        QPainterPath letter;
        letter.setFillRule(Qt::WindingFill);
        letter.addRect(QRectF(14.0, 13.0, 4.0, 11.0));
        letter.addRect(QRectF(12.0, 13.0, 2.0, 2.0));
        letter.addRect(QRectF(12.0, 22.0, 8.0, 2.0));
        p.drawPath(letter.simplified());
    });
}

QImage close(int scale) {
    const QPainterPath cross = crossOutline();
    return paint(scale, cross, [&](QPainter& p) {
        QLinearGradient body(0.0, 2.0, 0.0, 30.0);
        body.setColorAt(0.0, QColor(255, 112, 96));
        body.setColorAt(0.45, QColor(226, 22, 16));
        body.setColorAt(1.0, QColor(150, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawPath(cross);

        QLinearGradient gloss(0.0, 2.0, 0.0, 15.0);
        gloss.setColorAt(0.0, QColor(255, 255, 255, 190));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        QPainterPath cap;
        cap.addRect(QRectF(0.0, 0.0, 32.0, 15.0));
        p.setBrush(gloss);
        p.drawPath(cap.intersected(cross));

        p.setPen(QPen(QColor(120, 0, 0), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cross);
    });
}

} // namespace ButtonPictures
