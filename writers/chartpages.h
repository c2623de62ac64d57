#pragma once

#include "namelayout.h"
#include "pagesource.h"
#include "switchchart.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstddef>

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
class ChartPages final : public PageSource {
    Q_DECLARE_TR_FUNCTIONS(ChartPages)

public:
    // Needs a QGuiApplication for its fonts; any platform does, offscreen too.
    ChartPages(SwitchChart::Chart chart, QString title, const QPageSize& pageSize);

    [[nodiscard]] const SwitchChart::Chart& chart() const { return m_chart; }
    [[nodiscard]] const QString& title() const { return m_title; }
    [[nodiscard]] QPageSize pageSize() const override { return m_pageSize; }
    [[nodiscard]] std::size_t pageCount() const override;
    // The rows on page (from 0): first, and one past the last.
    [[nodiscard]] std::pair<std::size_t, std::size_t> rowsOn(std::size_t page) const;

    // A fixture's name as its cell shows it, one string a line, in up to two
    // lines as NameLayout says.
    [[nodiscard]] const QStringList& nameLines(std::size_t row) const;

    // What to set on the row's fixture, as its cell says it: "ON: 3 6 7",
    // "Dials: 1 0 0", "Display: A100".
    [[nodiscard]] static QString setting(const SwitchChart::Row& row);

    void paint(QPainter& painter, std::size_t page) const override;
    // Each fixture of the page: its name, where it is patched and the
    // switches to turn ON.
    [[nodiscard]] QString describe(std::size_t page) const override;

private:
    SwitchChart::Chart m_chart;
    QString m_title;
    QPageSize m_pageSize;
    NameLayout m_names;
    int m_columns = 1;
    int m_lines = 1;
    double m_cellWidth = 0;
    double m_cellHeight = 0;
};

} // namespace brisolant
