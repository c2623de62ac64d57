#pragma once

#include "labelsheet.h"
#include "namelayout.h"
#include "pagesource.h"
#include "switchchart.h"

#include <QCoreApplication>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <utility>

namespace brisolant {

// A label for each fixture of a chart, in the chart's order, on a sheet of
// labels or a tape: the fixture's number and name, its universe and start
// address in the largest print that fits, its switch block drawn as on the
// chart, the channels it takes and, small, the file's name; on the smallest
// labels its number, address and switch block only. Black on white, no text
// under 6 points, nothing within 1 mm of a label's edge, so that thermal
// label printers print it too and a label cut a little off still shows all.
class LabelPages final : public PageSource {
    Q_DECLARE_TR_FUNCTIONS(LabelPages)

public:
    // The labels from the start'th of the sheet on (from 1, across and then
    // down), for a sheet partly used; a tape starts at 1 whatever start says.
    // Needs a QGuiApplication for its fonts; any platform does, offscreen too.
    LabelPages(SwitchChart::Chart chart, QString title, const LabelSheet& sheet, int start);

    [[nodiscard]] const SwitchChart::Chart& chart() const { return m_chart; }
    [[nodiscard]] const LabelSheet& sheet() const { return m_sheet; }
    [[nodiscard]] int start() const { return m_start; }

    [[nodiscard]] QPageSize pageSize() const override;
    [[nodiscard]] std::size_t pageCount() const override;
    void paint(QPainter& painter, std::size_t page) const override;
    [[nodiscard]] QString describe(std::size_t page) const override;

    // Where the label of rows[row] is: its page, and its cell and the area of
    // its switch block on that page, in points from the page's corner.
    [[nodiscard]] std::size_t pageOf(std::size_t row) const;
    [[nodiscard]] QRectF cellOf(std::size_t row) const;
    [[nodiscard]] QRectF drawingArea(std::size_t row) const;

private:
    // Areas of a label, in points from its cell's corner.
    struct Layout {
        QRectF name; // the number alone on a compact label
        qreal namePoints = 0;
        QRectF address;
        qreal addressPoints = 0; // at most; less where the address is wide
        Qt::Alignment addressAlignment = Qt::AlignLeft;
        QRectF drawing;
        QRectF channels; // empty on a compact label
        QRectF file;
    };

    // The areas of the sheet's labels: the name across the top where the label
    // is high enough, else beside the switch block; on a compact label the
    // number and address above the block or beside it, whichever leaves it
    // larger. inner is the label less its margins, drawing the block's size.
    [[nodiscard]] static Layout layoutFor(const LabelSheet& sheet);
    [[nodiscard]] static Layout fullLayout(QSizeF inner, QSizeF drawing);
    [[nodiscard]] static Layout compactLayout(QSizeF inner, QSizeF drawing);

    void paintLabel(QPainter& painter, std::size_t index) const;
    // The rows on page: the first, and one past the last.
    [[nodiscard]] std::pair<std::size_t, std::size_t> rowsOn(std::size_t page) const;

    SwitchChart::Chart m_chart;
    QString m_title;
    const LabelSheet& m_sheet;
    int m_start;
    Layout m_layout;
    NameLayout m_names;
};

} // namespace brisolant
