#pragma once

#include <QAbstractScrollArea>

#include <cstddef>
#include <optional>

namespace brisolant {

class PageSource;

// One page at a time (of a chart, its maps or labels), drawn as it will be printed, on a dark
// ground: Page Up and Page Down turn the pages, Home and End go to the first
// and last; the arrow keys move a page larger than the view. The page fits
// the view until zoomed. Its accessible description reads the page out.
class ChartPageView final : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ChartPageView(QWidget* parent = nullptr);

    // The pages to show, owned by the caller, until the next call; the page
    // number is kept where the new pages have it.
    void setPages(const PageSource* pages);
    [[nodiscard]] std::size_t page() const { return m_page; }
    void showPage(std::size_t page);

    // 1 shows the page at its printed size on the screen.
    [[nodiscard]] double zoom() const;
    void zoomIn();
    void zoomOut();
    void fitPage();

Q_SIGNALS:
    void pageShown(int page, int pageCount);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    [[nodiscard]] double pixelsPerPoint() const;
    void setZoom(std::optional<double> zoom);
    void updateScrollBars();
    void describePage();

    const PageSource* m_pages = nullptr;
    std::size_t m_page = 0;
    std::optional<double> m_zoom; // nothing: fit the page to the view
};

} // namespace brisolant
