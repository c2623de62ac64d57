#pragma once

#include "pagesource.h"
#include "switchchart.h"
#include "universemap.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace brisolant {

// A page for each universe the chart uses (UniverseMap), after the chart: its
// 512 channels as a grid, rows of 32 with the first channel of each written,
// each fixture's span a band with its number, the channels two fixtures share
// hatched; under it the totals (used, free, the largest free block), the free
// blocks and the shared channels, each first–last and its size.
class UniverseMapPages final : public PageSource {
    Q_DECLARE_TR_FUNCTIONS(UniverseMapPages)

public:
    // The chart must outlive it. Needs a QGuiApplication for its fonts.
    UniverseMapPages(const SwitchChart::Chart& chart, QString title, const QPageSize& pageSize);

    [[nodiscard]] QPageSize pageSize() const override { return m_pageSize; }
    [[nodiscard]] std::size_t pageCount() const override { return m_maps.size(); }
    void paint(QPainter& painter, std::size_t page) const override;
    [[nodiscard]] QString describe(std::size_t page) const override;

private:
    const SwitchChart::Chart& m_chart;
    QString m_title;
    QPageSize m_pageSize;
    std::vector<UniverseMap> m_maps;
};

} // namespace brisolant
