#pragma once

#include "switchchart.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace brisolant {

// The chart laid out into pages of one size, and the one drawing of a page,
// whatever it is drawn on: a PDF, a printer, the screen, an image. Text is
// measured at the page's own 72 points to the inch without hinting, never on
// the device, so that every device shows the same lines cut at the same places.
//
// Per fixture a cell: its name, its universe and start address in large
// print, the drawing of how its address is set (SwitchDrawing), and what to
// set as text; a fixture that shares channels gets a heavy border and a
// tab saying with whom. Cells go across, then down, in the order given.
class ChartPages final {
    Q_DECLARE_TR_FUNCTIONS(ChartPages)

public:
    // Needs a QGuiApplication for its fonts; any platform does, offscreen too.
    ChartPages(SwitchChart::Chart chart, QString title, const QPageSize& pageSize);

    [[nodiscard]] const SwitchChart::Chart& chart() const { return m_chart; }
    [[nodiscard]] const QPageSize& pageSize() const { return m_pageSize; }
    [[nodiscard]] std::size_t pageCount() const;
    // The rows on page (from 0): first, and one past the last.
    [[nodiscard]] std::pair<std::size_t, std::size_t> rowsOn(std::size_t page) const;

    // A fixture's name as its cell shows it, one string a line. A name too
    // long for one line is wrapped onto a second, and one too long for two is
    // shortened in the middle of the second, keeping its end; where that would
    // give two different names the same lines, each keeps the place where they
    // differ.
    [[nodiscard]] const QStringList& nameLines(std::size_t row) const;

    // What to set on the row's fixture, as its cell says it: "ON: 3 6 7",
    // "Dials: 1 0 0", "Display: A100".
    [[nodiscard]] static QString setting(const SwitchChart::Row& row);

    // Draws page in the painter's coordinates, one unit a point from the
    // page's top left corner; the caller scales the painter to its device.
    void paint(QPainter& painter, std::size_t page) const;

    // Pages first to last (from 0) onto a device whose page is already this
    // size and has no margins, one page each; false when the device cannot be
    // painted on (a file that cannot be written, a printer gone).
    [[nodiscard]] bool print(QPagedPaintDevice& device, std::size_t first, std::size_t last) const;

private:
    void layOutNames();
    void keepNamesApart();

    SwitchChart::Chart m_chart;
    QString m_title;
    QPageSize m_pageSize;
    int m_columns = 1;
    int m_lines = 1;
    double m_cellWidth = 0;
    double m_cellHeight = 0;
    // Per row: the name as shown, and where its second line starts in the
    // full name (0 for one line).
    std::vector<QStringList> m_names;
    std::vector<qsizetype> m_secondLineStart;
};

} // namespace brisolant
