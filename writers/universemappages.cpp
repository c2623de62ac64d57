#include "universemappages.h"

#include "brisolant_version.h"
#include "dmxlimits.h"
#include "pagecanvas.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace brisolant {

namespace {

// All lengths in points.
constexpr int kPerRow = 32;
constexpr int kRows = dmx::kLastChannel / kPerRow;
constexpr qreal kRowLabelWidth = 26;
constexpr qreal kListLine = 10;
constexpr qreal kListColumn = 84;

// A block as people read it: "33–48 (16)", or one channel "33 (1)".
QString blockText(const UniverseMap::Block& block) {
    const QString channels = block.size() > 1
                                 ? QStringLiteral("%1\u2013%2").arg(block.first).arg(block.last)
                                 : QString::number(block.first);
    return QStringLiteral("%1 (%2)").arg(channels).arg(block.size());
}

// How a band names its fixture: the source's number, else its place.
QString numberOf(const SwitchChart::Row& row) {
    return row.fixtureNumber.empty() ? QString::number(row.number)
                                     : QString::fromStdString(row.fixtureNumber);
}

// The grid: where each channel's cell is.
struct Grid {
    QPointF origin; // the top left corner of channel 1's cell
    qreal cellWidth = 0;
    qreal rowHeight = 0;

    [[nodiscard]] QRectF cells(int first, int last) const {
        const int row = (first - 1) / kPerRow;
        return {origin.x() + ((first - 1) % kPerRow) * cellWidth, origin.y() + row * rowHeight,
                (last - first + 1) * cellWidth, rowHeight};
    }
    // Channels first to last, a rectangle for each row of the grid they are on.
    template <typename Each> void forEachRow(const UniverseMap::Block& block, Each each) const {
        for (int first = block.first; first <= block.last;) {
            const int last = std::min(block.last, ((first - 1) / kPerRow + 1) * kPerRow);
            each(cells(first, last));
            first = last + 1;
        }
    }
};

// Diagonal lines across rect, for the channels that two fixtures share.
void hatch(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(QPen(PageCanvas::kInk, 0.8));
    const qreal step = 3.5;
    for (qreal x = rect.left() - rect.height(); x < rect.right(); x += step) {
        painter.drawLine(QPointF(x, rect.bottom()), QPointF(x + rect.height(), rect.top()));
    }
    painter.restore();
}

// Texts in columns, down and then across, in area; what does not fit is
// counted in the last place. Returns the height taken.
qreal drawList(const PageCanvas& canvas, const QRectF& area, const QStringList& texts) {
    const int columns = std::max(1, static_cast<int>(area.width() / kListColumn));
    const int room = std::max(1, static_cast<int>(area.height() / kListLine));
    const auto lines =
        static_cast<int>(std::min<qsizetype>(room, (texts.size() + columns - 1) / columns));
    const qsizetype shown =
        std::min<qsizetype>(static_cast<qsizetype>(columns) * lines, texts.size());
    for (qsizetype i = 0; i < shown; ++i) {
        const bool last = i == shown - 1 && texts.size() > shown;
        const QString text =
            last ? UniverseMapPages::tr("and %n more", nullptr, static_cast<int>(texts.size() - i))
                 : texts.at(i);
        const auto column = static_cast<int>(i / lines); // down, then across
        const auto line = static_cast<int>(i % lines);
        const QRectF place(area.left() + column * kListColumn, area.top() + line * kListLine,
                           kListColumn - 4, kListLine);
        canvas.drawText(place, 8, false, PageCanvas::kInk, text);
    }
    return lines * kListLine;
}

} // namespace

UniverseMapPages::UniverseMapPages(const SwitchChart::Chart& chart, QString title,
                                   const QPageSize& pageSize)
    : m_chart(chart)
    , m_title(std::move(title))
    , m_pageSize(pageSize)
    , m_maps(UniverseMap::of(chart.rows)) {}

void UniverseMapPages::paint(QPainter& painter, std::size_t page) const {
    const UniverseMap& map = m_maps.at(page);
    painter.save();
    const PageCanvas canvas(painter);
    const QSizeF size = m_pageSize.size(QPageSize::Point);
    const qreal width = size.width() - 2 * PageCanvas::kMargin;
    const qreal height = size.height() - 2 * PageCanvas::kMargin - PageCanvas::kHeaderHeight -
                         PageCanvas::kFooterHeight;

    const QRectF header(PageCanvas::kMargin, PageCanvas::kMargin, width, 20);
    canvas.drawText(header.adjusted(0, 0, -90, 0), 11, true, PageCanvas::kInk,
                    tr("Universe map: %1").arg(m_title));
    canvas.drawText(header, 11, true, PageCanvas::kInk, tr("Universe %1").arg(map.universe),
                    Qt::AlignRight | Qt::AlignVCenter);
    painter.setPen(QPen(PageCanvas::kInk, 0.75));
    painter.drawLine(QPointF(header.left(), header.bottom() + 2),
                     QPointF(header.right(), header.bottom() + 2));
    canvas.drawText(
        QRectF(PageCanvas::kMargin, size.height() - PageCanvas::kMargin - 12, width, 12), 7, false,
        PageCanvas::kGrey,
        tr("Brisolant %1. A band is a fixture's channels, with its number; hatched "
           "channels are shared.")
            .arg(QString::fromLatin1(version::kText)));

    // The grid, each row's first channel before it, a heavier rule every
    // eight channels to count by.
    Grid grid;
    grid.rowHeight = std::min(22.0, height * 0.46 / kRows);
    grid.cellWidth = (width - kRowLabelWidth) / kPerRow;
    grid.origin = QPointF(PageCanvas::kMargin + kRowLabelWidth,
                          PageCanvas::kMargin + PageCanvas::kHeaderHeight + 4);
    for (int row = 0; row < kRows; ++row) {
        const QRectF line = grid.cells(row * kPerRow + 1, (row + 1) * kPerRow);
        canvas.drawText(QRectF(PageCanvas::kMargin, line.top(), kRowLabelWidth - 4, line.height()),
                        7, true, PageCanvas::kInk, QString::number(row * kPerRow + 1),
                        Qt::AlignRight | Qt::AlignVCenter);
        for (int column = 0; column <= kPerRow; ++column) {
            const qreal x = line.left() + column * grid.cellWidth;
            painter.setPen(QPen(column % 8 == 0 ? PageCanvas::kGrey : PageCanvas::kRule,
                                column % 8 == 0 ? 0.75 : 0.4));
            painter.drawLine(QPointF(x, line.top()), QPointF(x, line.bottom()));
        }
        painter.setPen(QPen(PageCanvas::kRule, 0.4));
        painter.drawLine(line.topLeft(), line.topRight());
        painter.drawLine(line.bottomLeft(), line.bottomRight());
    }

    // The bands, in channel order, then the hatching where fixtures share
    // channels, then the numbers over both.
    const auto bandsOf = [&grid](const UniverseMap::Block& block, const auto& each) {
        grid.forEachRow(block,
                        [&each](const QRectF& cells) { each(cells.adjusted(1, 3, -1, -3)); });
    };
    painter.setPen(QPen(PageCanvas::kInk, 0.75));
    painter.setBrush(PageCanvas::kBody);
    for (const UniverseMap::Span& span : map.spans) {
        bandsOf(span.channels, [&painter](const QRectF& band) { painter.drawRect(band); });
    }
    for (const UniverseMap::Block& block : map.shared) {
        bandsOf(block, [&painter](const QRectF& band) { hatch(painter, band); });
    }
    for (const UniverseMap::Span& span : map.spans) {
        const QString number = numberOf(m_chart.rows[span.row]);
        const qreal textWidth =
            PageCanvas::metrics(PageCanvas::font(6.5, true)).horizontalAdvance(number) + 3;
        bandsOf(span.channels, [&](const QRectF& band) {
            if (band.width() >= 8) {
                const QRectF place(band.left() + 1, band.top() + 1,
                                   std::min(textWidth, band.width() - 2), band.height() - 2);
                painter.fillRect(place, Qt::white);
                canvas.drawText(place.adjusted(1, 0, 0, 0), 6.5, true, PageCanvas::kInk, number);
            }
        });
    }
    painter.setBrush(Qt::NoBrush);

    // Under the grid: the totals, then the free blocks and the shared channels.
    qreal top = grid.origin.y() + kRows * grid.rowHeight + 12;
    canvas.drawText(QRectF(PageCanvas::kMargin, top, width, 16), 10, true, PageCanvas::kInk,
                    tr("%1 of 512 channels used, %2 free; the largest free block %3.")
                        .arg(map.usedChannels())
                        .arg(map.freeChannels())
                        .arg(map.largestFree()));
    top += 22;
    const qreal bottom = size.height() - PageCanvas::kMargin - PageCanvas::kFooterHeight;
    QStringList freeBlocks;
    for (const UniverseMap::Block& block : map.free) {
        freeBlocks << blockText(block);
    }
    QStringList sharedBlocks;
    for (const UniverseMap::Block& block : map.shared) {
        sharedBlocks << blockText(block);
    }
    // The shared channels, when there are any, keep room for a few lines.
    const qreal sharedRoom = sharedBlocks.isEmpty() ? 0 : 18 + 4 * kListLine;
    canvas.drawText(QRectF(PageCanvas::kMargin, top, width, 12), 9, true, PageCanvas::kInk,
                    tr("Free blocks, first\u2013last (channels):"));
    top +=
        14 + drawList(canvas,
                      QRectF(PageCanvas::kMargin, top + 14, width, bottom - top - 14 - sharedRoom),
                      freeBlocks.isEmpty() ? QStringList{tr("none")} : freeBlocks);
    if (!sharedBlocks.isEmpty()) {
        top += 8;
        canvas.drawText(QRectF(PageCanvas::kMargin, top, width, 12), 9, true, PageCanvas::kInk,
                        tr("Shared channels, first\u2013last (channels):"));
        drawList(canvas, QRectF(PageCanvas::kMargin, top + 14, width, bottom - top - 14),
                 sharedBlocks);
    }
    painter.restore();
}

QString UniverseMapPages::describe(std::size_t page) const {
    const UniverseMap& map = m_maps.at(page);
    QStringList freeBlocks;
    for (const UniverseMap::Block& block : map.free) {
        freeBlocks << blockText(block);
    }
    return tr("Universe %1: %2 of 512 channels used, %3 free; the largest free block %4. Free "
              "blocks: %5.")
        .arg(map.universe)
        .arg(map.usedChannels())
        .arg(map.freeChannels())
        .arg(map.largestFree())
        .arg(freeBlocks.isEmpty() ? tr("none") : freeBlocks.join(QStringLiteral(", ")));
}

} // namespace brisolant
