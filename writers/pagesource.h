#pragma once

#include <QPageSize>
#include <QString>

#include <cstddef>

class QPagedPaintDevice;
class QPainter;

namespace brisolant {

// Pages of one size, each drawn on any QPainter whose units are points from
// the page's top left corner: a PDF, a printer, the screen, an image. The
// chart, its universe maps and the labels are each such pages; the chart
// window shows them and the printer and the PDF take them alike.
class PageSource {
public:
    PageSource() = default;
    PageSource(const PageSource&) = delete;
    PageSource& operator=(const PageSource&) = delete;
    PageSource(PageSource&&) = delete;
    PageSource& operator=(PageSource&&) = delete;
    virtual ~PageSource() = default;

    [[nodiscard]] virtual QPageSize pageSize() const = 0;
    [[nodiscard]] virtual std::size_t pageCount() const = 0;
    // Draws page (from 0); the caller scales the painter to its device.
    virtual void paint(QPainter& painter, std::size_t page) const = 0;
    // What a sighted reader takes from the page, for a screen reader.
    [[nodiscard]] virtual QString describe(std::size_t page) const = 0;

    // Pages first to last (from 0) onto a device whose page is already this
    // size and has no margins, one page each; false when the device cannot be
    // painted on (a file that cannot be written, a printer gone).
    [[nodiscard]] bool print(QPagedPaintDevice& device, std::size_t first, std::size_t last) const;
};

} // namespace brisolant
