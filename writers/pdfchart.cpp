#include "pdfchart.h"

#include "brisolant_version.h"
#include "chartmessages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace brisolant {

namespace {

// All lengths in points: the writer runs at 72 dots per inch.
constexpr int kResolution = 72;
constexpr qreal kMargin = 36;
constexpr qreal kHeaderHeight = 30;
constexpr qreal kFooterHeight = 18;
constexpr qreal kGap = 8;
// The smallest cell that holds a large address beside the switch drawing.
constexpr qreal kCellWidth = 250;
constexpr qreal kCellHeight = 112;
constexpr qreal kPadding = 10;

const QColor kInk(Qt::black);
const QColor kGrey(110, 110, 110);
const QColor kRule(170, 170, 170);
const QColor kBody(226, 226, 226);

QFont fontOf(qreal points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Text is measured with the page's own metrics: the screen's would be wrong
// at the writer's 72 dots per inch, and text would be cut where it fits.
QFontMetricsF metricsOf(const QPainter& painter, const QFont& font) {
    return {font, painter.device()};
}

void drawText(QPainter& painter, const QRectF& rect, const QFont& font, const QColor& color,
              const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    painter.setFont(font);
    painter.setPen(color);
    const QString shown = metricsOf(painter, font).elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, static_cast<int>(alignment), shown);
}

// Bold text at points size, or smaller down to smallest so that it fits width.
QFont fittedFont(const QPainter& painter, const QString& text, qreal points, qreal smallest,
                 qreal width) {
    const qreal natural = metricsOf(painter, fontOf(points, true)).horizontalAdvance(text);
    return fontOf(std::clamp(points * width / natural, smallest, points), true);
}

// The switch drawing: nine slots side by side in a body.
constexpr qreal kSlotWidth = 10;
constexpr qreal kSlotGap = 3.5;
constexpr qreal kInset = 6;
constexpr auto kSlots = static_cast<int>(std::tuple_size_v<decltype(SwitchChart::Row::on)>);
constexpr qreal kBlockWidth = kSlots * kSlotWidth + (kSlots - 1) * kSlotGap + 2 * kInset;

// The nine-switch block as it looks on a fixture: switch 1 on the left, each
// lever black, up for ON, the numbers of the ON switches in bold.
void drawSwitchBlock(QPainter& painter, const QRectF& area, const SwitchChart::Row& row) {
    constexpr qreal kSlotHeight = 38;
    const qreal height = kInset + 11 + kSlotHeight + 3 + 11 + kInset;
    const QRectF body(area.right() - kBlockWidth, area.center().y() - height / 2, kBlockWidth,
                      height);

    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kBody);
    painter.drawRoundedRect(body, 3, 3);
    drawText(painter, QRectF(body.left() + kInset, body.top() + kInset - 1, 60, 11),
             fontOf(7.5, true), kInk, QStringLiteral("ON \u2191"));

    const qreal slotTop = body.top() + kInset + 11;
    for (int i = 0; i < kSlots; ++i) {
        const bool on = row.on.at(static_cast<std::size_t>(i));
        const QRectF slot(body.left() + kInset + i * (kSlotWidth + kSlotGap), slotTop, kSlotWidth,
                          kSlotHeight);
        painter.setPen(QPen(kInk, 0.75));
        painter.setBrush(Qt::white);
        painter.drawRect(slot);
        const qreal lever = kSlotHeight / 2 - 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInk);
        painter.drawRect(QRectF(slot.left() + 1.5,
                                on ? slot.top() + 1.5 : slot.bottom() - 1.5 - lever, kSlotWidth - 3,
                                lever));
        drawText(painter, QRectF(slot.left() - 2, slot.bottom() + 3, kSlotWidth + 4, 11),
                 fontOf(8, on), on ? kInk : kGrey, QString::number(i + 1), Qt::AlignCenter);
    }
}

// A fixture that shares channels gets a heavy border and, on it, a tab saying
// with whom, so that nobody sets its switches without noticing.
void drawSharing(QPainter& painter, const QRectF& cell, const SwitchChart::Row& row) {
    const QFont font = fontOf(7, true);
    QString text = QStringLiteral("Shares channels with ") + ChartMessages::name(row.sharedWith);
    if (row.sharing > 1) {
        text += QStringLiteral(" and %1 more").arg(row.sharing - 1);
    }
    const qreal width =
        std::min(metricsOf(painter, font).horizontalAdvance(text) + 10, cell.width() - 24);
    const QRectF tab(cell.right() - 12 - width, cell.top() - 5, width, 10);
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cell, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRoundedRect(tab, 2, 2);
    drawText(painter, tab.adjusted(5, 0, -5, 0), font, Qt::white, text);
}

void drawFixture(QPainter& painter, const QRectF& cell, const SwitchChart::Row& row,
                 bool showsUniverses) {
    painter.setPen(QPen(kRule, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cell, 4, 4);
    if (row.sharing > 0) {
        drawSharing(painter, cell, row);
    }
    const QRectF inner = cell.adjusted(kPadding, kPadding - 2, -kPadding, -kPadding + 2);

    const QString number = QString::number(row.number);
    const bool named = !row.name.empty() || !row.fixtureNumber.empty();
    const QString name =
        named ? QString::fromStdString(row.label()) : QStringLiteral("Fixture ") + number;
    constexpr qreal kNumberWidth = 40;
    // A long name gets smaller print before it is cut short.
    const QRectF nameRect(inner.left(), inner.top(), inner.width() - kNumberWidth, 18);
    drawText(painter, nameRect, fittedFont(painter, name, 12, 8, nameRect.width()), kInk, name);
    if (named) {
        drawText(painter, QRectF(inner.right() - kNumberWidth, inner.top(), kNumberWidth, 18),
                 fontOf(7.5, false), kGrey, QStringLiteral("No. ") + number,
                 Qt::AlignRight | Qt::AlignVCenter);
    }

    // The drawing keeps its width; the address takes what is left of the cell.
    const qreal leftWidth = inner.width() - kBlockWidth - 4;
    const qreal top = inner.top() + 22;
    drawText(painter, QRectF(inner.left(), top, leftWidth, 10), fontOf(7, false), kGrey,
             showsUniverses ? QStringLiteral("Universe / start address")
                            : QStringLiteral("Start address"));
    // The universe as large as the address where it fits, as a console writes it.
    const QString address = showsUniverses
                                ? QStringLiteral("%1/%2").arg(row.universe).arg(row.startAddress)
                                : QString::number(row.startAddress);
    drawText(painter, QRectF(inner.left(), top + 9, leftWidth, 40),
             fittedFont(painter, address, 30, 16, leftWidth), kInk, address);
    // Two lines when many switches are ON; the column beside the drawing is narrow.
    painter.setFont(fontOf(9.5, true));
    painter.setPen(kInk);
    painter.drawText(QRectF(inner.left(), inner.bottom() - 26, leftWidth, 26),
                     Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                     QStringLiteral("ON: ") + QString::fromStdString(row.onSwitches()));

    drawSwitchBlock(
        painter,
        QRectF(inner.right() - kBlockWidth, top - 2, kBlockWidth, inner.bottom() - top + 2), row);
}

} // namespace

std::optional<QPageSize> PdfChart::pageSizeNamed(const QString& name) {
    const std::array<std::pair<QStringView, QPageSize::PageSizeId>, 5> sizes = {{
        {u"A3", QPageSize::A3},
        {u"A4", QPageSize::A4},
        {u"A5", QPageSize::A5},
        {u"Letter", QPageSize::Letter},
        {u"Legal", QPageSize::Legal},
    }};
    for (const auto& [text, id] : sizes) {
        if (name.compare(text, Qt::CaseInsensitive) == 0) {
            return QPageSize(id);
        }
    }
    return std::nullopt;
}

QPageSize PdfChart::localPageSize() {
    // The POSIX order of the variables that choose a locale's paper.
    QString name;
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        name = QString::fromLocal8Bit(qgetenv(variable));
        if (!name.isEmpty()) {
            break;
        }
    }
    // The territories whose locales print on Letter.
    const std::array letter = {
        QLocale::UnitedStates, QLocale::Canada,
        QLocale::PuertoRico,   QLocale::Mexico,
        QLocale::Philippines,  QLocale::Chile,
        QLocale::Colombia,     QLocale::CostaRica,
        QLocale::Guatemala,    QLocale::Nicaragua,
        QLocale::Panama,       QLocale::ElSalvador,
        QLocale::Venezuela,    QLocale::DominicanRepublic,
    };
    const QLocale::Territory territory = QLocale(name).territory();
    const bool isLetter = !name.isEmpty() && name != u"C" && name != u"POSIX" &&
                          std::find(letter.cbegin(), letter.cend(), territory) != letter.cend();
    return {isLetter ? QPageSize::Letter : QPageSize::A4};
}

QByteArray PdfChart::render(const SwitchChart::Chart& chart, const QString& title,
                            const QPageSize& pageSize) {
    const std::vector<SwitchChart::Row>& rows = chart.rows;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageSize(pageSize);
    writer.setPageMargins(QMarginsF());
    writer.setTitle(QStringLiteral("Switch chart: ") + title);
    writer.setCreator(QStringLiteral("Brisolant ") + QString::fromLatin1(version::kText));

    const QSizeF page = pageSize.size(QPageSize::Point);
    const QRectF grid(kMargin, kMargin + kHeaderHeight, page.width() - 2 * kMargin,
                      page.height() - 2 * kMargin - kHeaderHeight - kFooterHeight);
    const int columns = std::max(1, static_cast<int>((grid.width() + kGap) / (kCellWidth + kGap)));
    const int lines = std::max(1, static_cast<int>((grid.height() + kGap) / (kCellHeight + kGap)));
    const qreal cellWidth = (grid.width() - (columns - 1) * kGap) / columns;
    const qreal cellHeight = (grid.height() - (lines - 1) * kGap) / lines;
    const auto perPage = static_cast<std::size_t>(columns) * static_cast<std::size_t>(lines);
    const std::size_t pages = (rows.size() + perPage - 1) / perPage;

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t pageIndex = 0; pageIndex < pages; ++pageIndex) {
        if (pageIndex > 0) {
            writer.newPage();
        }
        const QRectF header(kMargin, kMargin, grid.width(), 20);
        drawText(painter, header.adjusted(0, 0, -90, 0), fontOf(11, true), kInk,
                 QStringLiteral("Switch chart: ") + title);
        drawText(painter, header, fontOf(9, false), kGrey,
                 QStringLiteral("Page %1 of %2").arg(pageIndex + 1).arg(pages),
                 Qt::AlignRight | Qt::AlignVCenter);
        painter.setPen(QPen(kInk, 0.75));
        painter.drawLine(QPointF(header.left(), header.bottom() + 2),
                         QPointF(header.right(), header.bottom() + 2));
        drawText(painter, QRectF(kMargin, page.height() - kMargin - 12, grid.width(), 12),
                 fontOf(7, false), kGrey,
                 QStringLiteral("Brisolant %1. Switch 1 has weight 1, switch 9 weight 256; "
                                "a lever up is ON.")
                     .arg(QString::fromLatin1(version::kText)));

        const std::size_t first = pageIndex * perPage;
        const std::size_t last = std::min(rows.size(), first + perPage);
        for (std::size_t i = first; i < last; ++i) {
            // Across first, then down.
            const auto slot = static_cast<int>(i - first);
            const int line = slot / columns;
            const int column = slot % columns;
            const QRectF cell(grid.left() + column * (cellWidth + kGap),
                              grid.top() + line * (cellHeight + kGap), cellWidth, cellHeight);
            drawFixture(painter, cell, rows[i], chart.showsUniverses);
        }
    }
    painter.end();
    return bytes;
}

} // namespace brisolant
