#include "chartpages.h"

#include "brisolant_version.h"
#include "chartmessages.h"
#include "namelayout.h"
#include "pagecanvas.h"
#include "switchdrawing.h"

#include <QPainter>

#include <algorithm>
#include <tuple>
#include <utility>

namespace brisolant {

namespace {

// All lengths in points.
constexpr qreal kGap = 8;
// The smallest cell that holds a large address beside the switch drawing.
constexpr qreal kCellWidth = 250;
constexpr qreal kCellHeight = 112;
constexpr qreal kPadding = 10;
constexpr qreal kNumberWidth = 40;
// A name: one line from 12 points down to 8, else two lines of 8.
constexpr qreal kNamePoints = 12;
constexpr qreal kSmallestNamePoints = 8;
constexpr qreal kNameLineHeight = 9.5;

// A fixture that shares channels gets a heavy border and, on it, a tab saying
// with whom, so that nobody sets its switches without noticing.
void drawSharing(const PageCanvas& canvas, const QRectF& cell, const SwitchChart::Row& row) {
    QString text =
        ChartPages::tr("Shares channels with %1").arg(ChartMessages::name(row.sharedWith));
    if (row.sharing > 1) {
        text += ChartPages::tr(" and %1 more").arg(row.sharing - 1);
    }
    const qreal width =
        std::min(PageCanvas::metrics(PageCanvas::font(7, true)).horizontalAdvance(text) + 10,
                 cell.width() - 24);
    const QRectF tab(cell.right() - 12 - width, cell.top() - 5, width, 10);
    QPainter& painter = canvas.painter();
    painter.setPen(QPen(PageCanvas::kInk, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cell, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PageCanvas::kInk);
    painter.drawRoundedRect(tab, 2, 2);
    canvas.drawText(tab.adjusted(5, 0, -5, 0), 7, true, Qt::white, text);
}

void drawFixture(const PageCanvas& canvas, const QRectF& cell, const SwitchChart::Row& row,
                 const QStringList& name, bool showsUniverses) {
    QPainter& painter = canvas.painter();
    painter.setPen(QPen(PageCanvas::kRule, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cell, 4, 4);
    if (row.sharing > 0) {
        drawSharing(canvas, cell, row);
    }
    const QRectF inner = cell.adjusted(kPadding, kPadding - 2, -kPadding, -kPadding + 2);

    // A long name gets smaller print before it takes a second line.
    const qreal nameWidth = inner.width() - kNumberWidth;
    if (name.size() == 1) {
        canvas.drawText(QRectF(inner.left(), inner.top(), nameWidth, 18),
                        PageCanvas::fittedPoints(name.constFirst(), kNamePoints,
                                                 kSmallestNamePoints, nameWidth),
                        true, PageCanvas::kInk, name.constFirst());
    } else {
        for (qsizetype line = 0; line < name.size(); ++line) {
            canvas.drawText(QRectF(inner.left(),
                                   inner.top() + static_cast<qreal>(line) * kNameLineHeight - 0.5,
                                   nameWidth, kNameLineHeight),
                            kSmallestNamePoints, true, PageCanvas::kInk, name.at(line));
        }
    }
    if (NameLayout::isNamed(row)) {
        canvas.drawText(QRectF(inner.right() - kNumberWidth, inner.top(), kNumberWidth, 18), 7.5,
                        false, PageCanvas::kGrey, ChartPages::tr("No. %1").arg(row.number),
                        Qt::AlignRight | Qt::AlignVCenter);
    }

    // The drawing keeps its width, up to three fifths of the cell for sixteen
    // switches; the address takes what is left.
    const qreal blockWidth = std::min(SwitchDrawing::naturalSize(row).width(), inner.width() * 0.6);
    const qreal leftWidth = inner.width() - blockWidth - 4;
    const qreal top = inner.top() + 22;
    canvas.drawText(QRectF(inner.left(), top, leftWidth, 10), 7, false, PageCanvas::kGrey,
                    showsUniverses ? ChartPages::tr("Universe / start address")
                                   : ChartPages::tr("Start address"));
    // The universe as large as the address where it fits, as a console writes it.
    const QString address = showsUniverses
                                ? QStringLiteral("%1/%2").arg(row.universe).arg(row.startAddress)
                                : QString::number(row.startAddress);
    canvas.drawText(QRectF(inner.left(), top + 9, leftWidth, 40),
                    PageCanvas::fittedPoints(address, 30, 16, leftWidth), true, PageCanvas::kInk,
                    address);
    // Two lines when many switches are ON; the column beside the drawing is narrow.
    canvas.setFont(9.5, true);
    painter.setPen(PageCanvas::kInk);
    painter.drawText(QRectF(inner.left(), inner.bottom() - 26, leftWidth, 26),
                     Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, ChartPages::setting(row));

    SwitchDrawing::draw(
        canvas, QRectF(inner.right() - blockWidth, top - 2, blockWidth, inner.bottom() - top + 2),
        row);
}

// Cells across the page's width, and the width of each.
std::pair<int, qreal> columnsAcross(const QPageSize& pageSize) {
    const qreal width = pageSize.size(QPageSize::Point).width() - 2 * PageCanvas::kMargin;
    const int columns = std::max(1, static_cast<int>((width + kGap) / (kCellWidth + kGap)));
    return {columns, (width - (columns - 1) * kGap) / columns};
}

} // namespace

QString ChartPages::setting(const SwitchChart::Row& row) {
    const QString set = QString::fromStdString(row.setting());
    switch (row.profile->kind) {
    case AddressProfile::Kind::Dials:
        //: The digits to set on a fixture's address dials, as printed: "0 5 6".
        return tr("Dials: %1").arg(set);
    case AddressProfile::Kind::Display:
        //: The text to set on a fixture's display: "A056".
        return tr("Display: %1").arg(set);
    case AddressProfile::Kind::Switches:
        break;
    }
    return tr("ON: %1").arg(set);
}

ChartPages::ChartPages(SwitchChart::Chart chart, QString title, const QPageSize& pageSize)
    : m_chart(std::move(chart))
    , m_title(std::move(title))
    , m_pageSize(pageSize)
    , m_names(m_chart.rows, columnsAcross(pageSize).second - 2 * kPadding - kNumberWidth,
              kSmallestNamePoints) {
    std::tie(m_columns, m_cellWidth) = columnsAcross(pageSize);
    const qreal height = pageSize.size(QPageSize::Point).height() - 2 * PageCanvas::kMargin -
                         PageCanvas::kHeaderHeight - PageCanvas::kFooterHeight;
    m_lines = std::max(1, static_cast<int>((height + kGap) / (kCellHeight + kGap)));
    m_cellHeight = (height - (m_lines - 1) * kGap) / m_lines;
}

std::size_t ChartPages::pageCount() const {
    const auto perPage = static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_lines);
    return (m_chart.rows.size() + perPage - 1) / perPage;
}

std::pair<std::size_t, std::size_t> ChartPages::rowsOn(std::size_t page) const {
    const auto perPage = static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_lines);
    const std::size_t first = std::min(m_chart.rows.size(), page * perPage);
    return {first, std::min(m_chart.rows.size(), first + perPage)};
}

const QStringList& ChartPages::nameLines(std::size_t row) const {
    return m_names.lines(row);
}

void ChartPages::paint(QPainter& painter, std::size_t page) const {
    painter.save();
    const PageCanvas canvas(painter);
    const QSizeF size = m_pageSize.size(QPageSize::Point);
    const qreal width = size.width() - 2 * PageCanvas::kMargin;

    const QRectF header(PageCanvas::kMargin, PageCanvas::kMargin, width, 20);
    canvas.drawText(header.adjusted(0, 0, -90, 0), 11, true, PageCanvas::kInk,
                    tr("Switch chart: %1").arg(m_title));
    canvas.drawText(header, 9, false, PageCanvas::kGrey,
                    tr("Page %1 of %2").arg(page + 1).arg(pageCount()),
                    Qt::AlignRight | Qt::AlignVCenter);
    painter.setPen(QPen(PageCanvas::kInk, 0.75));
    painter.drawLine(QPointF(header.left(), header.bottom() + 2),
                     QPointF(header.right(), header.bottom() + 2));
    const bool nineSwitches =
        std::all_of(m_chart.rows.begin(), m_chart.rows.end(),
                    [](const SwitchChart::Row& row) { return row.profile->name == "dip9"; });
    canvas.drawText(
        QRectF(PageCanvas::kMargin, size.height() - PageCanvas::kMargin - 12, width, 12), 7, false,
        PageCanvas::kGrey,
        (nineSwitches
             ? tr("Brisolant %1. Switch 1 has weight 1, switch 9 weight 256; a lever up is ON.")
             : tr("Brisolant %1. Each fixture as its addressing profile is set: switches "
                  "numbered as printed, F a function switch; dials; a display."))
            .arg(QString::fromLatin1(version::kText)));

    const auto [first, last] = rowsOn(page);
    for (std::size_t i = first; i < last; ++i) {
        // Across first, then down.
        const auto slot = static_cast<int>(i - first);
        const int line = slot / m_columns;
        const int column = slot % m_columns;
        const QRectF cell(PageCanvas::kMargin + column * (m_cellWidth + kGap),
                          PageCanvas::kMargin + PageCanvas::kHeaderHeight +
                              line * (m_cellHeight + kGap),
                          m_cellWidth, m_cellHeight);
        drawFixture(canvas, cell, m_chart.rows[i], m_names.lines(i), m_chart.showsUniverses);
    }
    painter.restore();
}

QString ChartPages::describe(std::size_t page) const {
    QStringList fixtures;
    const auto [first, last] = rowsOn(page);
    for (std::size_t i = first; i < last; ++i) {
        const SwitchChart::Row& row = m_chart.rows[i];
        const QString address =
            m_chart.showsUniverses ? QStringLiteral("%1/%2").arg(row.universe).arg(row.startAddress)
                                   : QString::number(row.startAddress);
        fixtures << (row.hasSwitches()
                         ? tr("%1 at %2, switches ON: %3")
                               .arg(nameLines(i).join(u' '), address,
                                    QString::fromStdString(row.onSwitches()))
                         : tr("%1 at %2, %3").arg(nameLines(i).join(u' '), address, setting(row)));
    }
    return fixtures.join(QStringLiteral("; "));
}

} // namespace brisolant
