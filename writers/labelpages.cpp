#include "labelpages.h"

#include "chartpages.h"
#include "pagecanvas.h"
#include "switchdrawing.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace brisolant {

namespace {

// All lengths in points. Nothing is drawn within 1 mm of a label's edge; half
// a millimetre more takes the anti-aliasing and a sheet fed a little askew.
constexpr qreal kLabelPadding = 1.5 * 72 / 25.4;
constexpr qreal kLabelGap = 4;
// The smallest print a thermal label printer prints legibly.
constexpr qreal kSmallestPoints = 6;
// A label lower than this has its text beside the switch block rather than
// its name above it.
constexpr qreal kLowest = 90;
// A compact label's number and address, when beside the switch block.
constexpr qreal kCompactColumn = 44;
constexpr qreal kLargestAddress = 48;

// The universe always: a label outlives the paperwork, and the rig may grow
// into a second universe.
QString addressOf(const SwitchChart::Row& row) {
    return QStringLiteral("%1/%2").arg(row.universe).arg(row.startAddress);
}

// A text's largest size in points for a box this high: DejaVu Sans's line is
// 1.17 times its size.
qreal pointsForHeight(qreal height) {
    return height / 1.2;
}

} // namespace

LabelPages::Layout LabelPages::fullLayout(QSizeF inner, QSizeF drawing) {
    Layout layout;
    const qreal width = inner.width();
    const qreal height = inner.height();
    if (height >= kLowest) {
        // The name across the top, the channels and the file along the bottom,
        // between them the address beside the switch block.
        const qreal nameHeight = 19;
        const qreal bottom = 8;
        const qreal middle = height - nameHeight - 2 - bottom - 2;
        const qreal scale =
            std::min({1.0, middle / drawing.height(), 0.62 * width / drawing.width()});
        const qreal drawingWidth = drawing.width() * scale;
        layout.name = {0, 0, width, nameHeight};
        layout.namePoints = 8;
        layout.drawing = {width - drawingWidth, nameHeight + 2, drawingWidth, middle};
        layout.address = {0, nameHeight + 2, width - drawingWidth - kLabelGap, middle};
        layout.channels = {0, height - bottom, width / 2, bottom};
        layout.file = {width / 2, height - bottom, width / 2, bottom};
    } else {
        // The switch block as high as the label, the text in a column beside it.
        const qreal scale =
            std::min({1.0, height / drawing.height(), 0.6 * width / drawing.width()});
        const qreal drawingWidth = drawing.width() * scale;
        const qreal column = width - drawingWidth - kLabelGap;
        const qreal nameHeight = 17;
        const qreal fileHeight = 7;
        const qreal channelsHeight = 8.5;
        layout.name = {0, 0, column, nameHeight};
        layout.namePoints = 7;
        layout.drawing = {width - drawingWidth, 0, drawingWidth, height};
        layout.address = {0, nameHeight, column, height - nameHeight - channelsHeight - fileHeight};
        layout.channels = {0, height - fileHeight - channelsHeight, column, channelsHeight};
        layout.file = {0, height - fileHeight, column, fileHeight};
    }
    layout.addressPoints = std::min(kLargestAddress, pointsForHeight(layout.address.height()));
    return layout;
}

LabelPages::Layout LabelPages::compactLayout(QSizeF inner, QSizeF drawing) {
    Layout layout;
    const qreal width = inner.width();
    const qreal height = inner.height();
    // Number and address in a line above the switch block, or in a column
    // beside it: whichever leaves the block larger.
    const qreal line = 14;
    const qreal above = std::min((height - line - 1) / drawing.height(), width / drawing.width());
    const qreal beside =
        std::min(height / drawing.height(), (width - kCompactColumn - kLabelGap) / drawing.width());
    layout.namePoints = 7;
    if (above >= beside) {
        layout.name = {0, 0, width / 2 - kLabelGap / 2, line};
        layout.address = {width / 2, 0, width / 2, line};
        layout.addressPoints = 12;
        layout.addressAlignment = Qt::AlignRight;
        layout.drawing = {0, line + 1, width, height - line - 1};
    } else {
        const qreal numberHeight = 9;
        layout.name = {0, 0, kCompactColumn, numberHeight};
        layout.address = {0, numberHeight, kCompactColumn, height - numberHeight};
        layout.addressPoints = pointsForHeight(height - numberHeight);
        layout.drawing = {kCompactColumn + kLabelGap, 0, width - kCompactColumn - kLabelGap,
                          height};
    }
    return layout;
}

LabelPages::LabelPages(SwitchChart::Chart chart, QString title, const LabelSheet& sheet, int start)
    : m_chart(std::move(chart))
    , m_title(std::move(title))
    , m_sheet(sheet)
    , m_start(sheet.tape ? 1 : std::clamp(start, 1, sheet.labelsPerPage()))
    , m_layout([&sheet] {
        const QRectF cell = sheet.cell(0);
        const QSizeF inner = cell.size() - QSizeF(2 * kLabelPadding, 2 * kLabelPadding);
        // Laid out for the switch block most fixtures have; another is
        // scaled into the same area.
        const QSizeF drawing = SwitchDrawing::naturalSize(SwitchChart::Row{});
        Layout layout = sheet.content == LabelSheet::Content::Compact
                            ? compactLayout(inner, drawing)
                            : fullLayout(inner, drawing);
        for (QRectF* area :
             {&layout.name, &layout.address, &layout.drawing, &layout.channels, &layout.file}) {
            area->translate(kLabelPadding, kLabelPadding);
        }
        return layout;
    }())
    , m_names(m_chart.rows, m_layout.name.width(), m_layout.namePoints) {}

LabelPages::Layout LabelPages::layoutFor(const LabelSheet& sheet) {
    const QSizeF inner = sheet.cell(0).size() - QSizeF(2 * kLabelPadding, 2 * kLabelPadding);
    // Laid out for the switch block most fixtures have; another is scaled
    // into the same area.
    const QSizeF drawing = SwitchDrawing::naturalSize(SwitchChart::Row{});
    Layout layout = sheet.content == LabelSheet::Content::Compact ? compactLayout(inner, drawing)
                                                                  : fullLayout(inner, drawing);
    for (QRectF* area :
         {&layout.name, &layout.address, &layout.drawing, &layout.channels, &layout.file}) {
        area->translate(kLabelPadding, kLabelPadding);
    }
    return layout;
}

QPageSize LabelPages::pageSize() const {
    return m_sheet.pageSize();
}

std::size_t LabelPages::pageCount() const {
    const auto perPage = static_cast<std::size_t>(m_sheet.labelsPerPage());
    return (static_cast<std::size_t>(m_start) - 1 + m_chart.rows.size() + perPage - 1) / perPage;
}

std::size_t LabelPages::pageOf(std::size_t row) const {
    return (static_cast<std::size_t>(m_start) - 1 + row) /
           static_cast<std::size_t>(m_sheet.labelsPerPage());
}

QRectF LabelPages::cellOf(std::size_t row) const {
    const auto perPage = static_cast<std::size_t>(m_sheet.labelsPerPage());
    return m_sheet.cell(static_cast<int>((static_cast<std::size_t>(m_start) - 1 + row) % perPage));
}

QRectF LabelPages::drawingArea(std::size_t row) const {
    return m_layout.drawing.translated(cellOf(row).topLeft());
}

std::pair<std::size_t, std::size_t> LabelPages::rowsOn(std::size_t page) const {
    const auto perPage = static_cast<std::size_t>(m_sheet.labelsPerPage());
    const auto skipped = static_cast<std::size_t>(m_start) - 1;
    const std::size_t first =
        std::min(m_chart.rows.size(), std::max(page * perPage, skipped) - skipped);
    return {first, std::min(m_chart.rows.size(), (page + 1) * perPage - skipped)};
}

void LabelPages::paint(QPainter& painter, std::size_t page) const {
    const auto [first, last] = rowsOn(page);
    for (std::size_t row = first; row < last; ++row) {
        paintLabel(painter, row);
    }
}

void LabelPages::paintLabel(QPainter& painter, std::size_t index) const {
    const SwitchChart::Row& row = m_chart.rows[index];
    painter.save();
    painter.translate(cellOf(index).topLeft());
    const PageCanvas canvas(painter);
    const QColor ink = PageCanvas::kInk;
    const Layout& at = m_layout;

    if (at.channels.isEmpty()) {
        // A compact label's number: the source's, else the place in the list.
        const QString number = row.fixtureNumber.empty()
                                   ? tr("No. %1").arg(row.number)
                                   : QString::fromStdString(row.fixtureNumber);
        canvas.drawText(at.name,
                        PageCanvas::fittedPoints(number, 10, kSmallestPoints, at.name.width()),
                        true, ink, number);
    } else {
        const QStringList& name = m_names.lines(index);
        if (name.size() == 1) {
            const QRectF line(at.name.left(), at.name.top(), at.name.width(),
                              at.name.height() / 2 + 2);
            canvas.drawText(line,
                            PageCanvas::fittedPoints(name.constFirst(), at.namePoints + 3,
                                                     at.namePoints, at.name.width()),
                            true, ink, name.constFirst());
        } else {
            for (qsizetype i = 0; i < name.size(); ++i) {
                const qreal lineHeight = at.name.height() / 2;
                canvas.drawText(QRectF(at.name.left(),
                                       at.name.top() + static_cast<qreal>(i) * lineHeight,
                                       at.name.width(), lineHeight),
                                at.namePoints, true, ink, name.at(i));
            }
        }
        const QString range = row.channels > 1 ? QStringLiteral("%1\u2013%2")
                                                     .arg(addressOf(row))
                                                     .arg(row.startAddress + row.channels - 1)
                                               : addressOf(row);
        // The word where the label has room for it.
        QString channels =
            row.channels > 1 ? tr("Channels %1").arg(range) : tr("Channel %1").arg(range);
        if (PageCanvas::metrics(PageCanvas::font(kSmallestPoints, true))
                .horizontalAdvance(channels) > at.channels.width()) {
            channels = range;
        }
        canvas.drawText(at.channels,
                        PageCanvas::fittedPoints(channels, 7, kSmallestPoints, at.channels.width()),
                        true, ink, channels);
        canvas.drawText(at.file, kSmallestPoints, false, ink, m_title,
                        at.file.left() > at.channels.left() ? Qt::AlignRight | Qt::AlignVCenter
                                                            : Qt::AlignLeft | Qt::AlignVCenter);
    }
    const QString address = addressOf(row);
    canvas.drawText(
        at.address,
        PageCanvas::fittedPoints(address, at.addressPoints, kSmallestPoints, at.address.width()),
        true, ink, address, at.addressAlignment | Qt::AlignVCenter);
    SwitchDrawing::draw(canvas, at.drawing, row);
    painter.restore();
}

QString LabelPages::describe(std::size_t page) const {
    QStringList labels;
    const auto [first, last] = rowsOn(page);
    for (std::size_t row = first; row < last; ++row) {
        const SwitchChart::Row& fixture = m_chart.rows[row];
        labels << (fixture.hasSwitches()
                       ? tr("%1 at %2, switches ON: %3")
                             .arg(m_names.lines(row).join(u' '), addressOf(fixture),
                                  QString::fromStdString(fixture.onSwitches()))
                       : tr("%1 at %2, %3")
                             .arg(m_names.lines(row).join(u' '), addressOf(fixture),
                                  ChartPages::setting(fixture)));
    }
    return labels.join(QStringLiteral("; "));
}

} // namespace brisolant
