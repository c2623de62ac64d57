#include "vectorpicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

QString num(double v) {
    return QString::number(v, 'g', 6);
}

QString hex(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString opacity(const char* attribute, const QColor& c) {
    if (c.alpha() == 255) {
        return {};
    }
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(attribute), num(c.alphaF()));
}

} // namespace

VectorPicture::VectorPicture(int units)
    : m_units(units) {}

void VectorPicture::addRect(const QRectF& rect, const Fill& fill, double radius) {
    m_shapes.push_back({rect, fill, radius});
}

VectorPicture::Fill VectorPicture::solid(const QColor& colour) {
    return {colour, {}, 0.0, 0.0};
}

VectorPicture::Fill VectorPicture::vertical(double y1, double y2, std::vector<Stop> stops) {
    return {QColor(), std::move(stops), y1, y2};
}

QImage VectorPicture::render(int pixels) const {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(pixels) / m_units, double(pixels) / m_units);
    p.setPen(Qt::NoPen);
    for (const Shape& s : m_shapes) {
        if (s.fill.stops.empty()) {
            p.setBrush(s.fill.colour);
        } else {
            QLinearGradient g(0.0, s.fill.y1, 0.0, s.fill.y2);
            for (const Stop& stop : s.fill.stops) {
                g.setColorAt(stop.at, stop.colour);
            }
            p.setBrush(g);
        }
        if (s.radius > 0.0) {
            p.drawRoundedRect(s.rect, s.radius, s.radius);
        } else {
            p.drawRect(s.rect);
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray VectorPicture::svg(const QString& title) const {
    QString defs;
    QString body;
    std::vector<QString> gradients;
    // Runs of plain rectangles in one colour (the pixel-font letters) become one path each.
    QString pathData;
    QColor pathColour;
    const auto flushPath = [&] {
        if (!pathData.isEmpty()) {
            body += QStringLiteral("  <path fill=\"%1\"%2 d=\"%3\"/>\n")
                        .arg(hex(pathColour), opacity("fill-opacity", pathColour), pathData);
            pathData.clear();
        }
    };
    for (const Shape& s : m_shapes) {
        const QRectF& r = s.rect;
        if (s.fill.stops.empty() && s.radius == 0.0) {
            if (!pathData.isEmpty() && pathColour != s.fill.colour) {
                flushPath();
            }
            pathColour = s.fill.colour;
            // Absolute commands only: some simple SVG renderers mishandle the relative ones.
            pathData += QStringLiteral("M%1 %2H%3V%4H%1Z")
                            .arg(num(r.left()), num(r.top()), num(r.right()), num(r.bottom()));
            continue;
        }
        flushPath();
        QString fill;
        if (s.fill.stops.empty()) {
            fill = QStringLiteral("fill=\"%1\"%2")
                       .arg(hex(s.fill.colour), opacity("fill-opacity", s.fill.colour));
        } else {
            QString gradient = QStringLiteral("gradientUnits=\"userSpaceOnUse\" "
                                              "x1=\"0\" y1=\"%1\" x2=\"0\" y2=\"%2\">\n")
                                   .arg(num(s.fill.y1), num(s.fill.y2));
            for (const Stop& stop : s.fill.stops) {
                gradient +=
                    QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"%3/>\n")
                        .arg(num(stop.at), hex(stop.colour), opacity("stop-opacity", stop.colour));
            }
            // Shapes that share a gradient share its definition.
            auto known = std::find(gradients.begin(), gradients.end(), gradient);
            if (known == gradients.end()) {
                gradients.push_back(gradient);
                known = std::prev(gradients.end());
                defs += QStringLiteral("    <linearGradient id=\"g%1\" ")
                            .arg(std::distance(gradients.begin(), known)) +
                        gradient + QStringLiteral("    </linearGradient>\n");
            }
            fill =
                QStringLiteral("fill=\"url(#g%1)\"").arg(std::distance(gradients.begin(), known));
        }
        QString corner;
        if (s.radius > 0.0) {
            corner = QStringLiteral(" rx=\"%1\" ry=\"%1\"").arg(num(s.radius));
        }
        body += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"%5 %6/>\n")
                    .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height()), corner, fill);
    }
    flushPath();

    const QString size = num(m_units);
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                                 "width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                                 "  <title>%2</title>\n")
                      .arg(size, title.toHtmlEscaped());
    if (!defs.isEmpty()) {
        out += QStringLiteral("  <defs>\n") + defs + QStringLiteral("  </defs>\n");
    }
    out += body + QStringLiteral("</svg>\n");
    return out.toUtf8();
}
