#include "pagesource.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace brisolant {

bool PageSource::print(QPagedPaintDevice& device, std::size_t first, std::size_t last) const {
    QPainter painter(&device);
    if (!painter.isActive()) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = device.logicalDpiX() / 72.0;
    for (std::size_t page = first; page <= last; ++page) {
        if (page > first) {
            device.newPage();
        }
        painter.resetTransform();
        painter.scale(scale, scale);
        paint(painter, page);
    }
    return painter.end();
}

} // namespace brisolant
