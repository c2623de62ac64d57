#include "chartpageview.h"

#include "pagesource.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace brisolant {

namespace {

// The ground around the page, in pixels.
constexpr int kGround = 16;
constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.25;
constexpr double kMostZoom = 4;

// Where a page of length pixels starts in a view of room pixels: in the
// middle while it fits, else where the scroll bar has moved it.
double pageStart(double length, int room, const QScrollBar* bar) {
    return length + 2 * kGround <= room ? (room - length) / 2 : kGround - bar->value();
}

} // namespace

ChartPageView::ChartPageView(QWidget* parent)
    : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Chart page"));
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(20);
    }
}

void ChartPageView::setPages(const PageSource* pages) {
    m_pages = pages;
    const std::size_t count = pages != nullptr ? pages->pageCount() : 0;
    m_page = std::min(m_page, count > 0 ? count - 1 : 0);
    updateScrollBars();
    describePage();
    viewport()->update();
    Q_EMIT pageShown(static_cast<int>(m_page), static_cast<int>(count));
}

void ChartPageView::showPage(std::size_t page) {
    if (m_pages == nullptr || m_pages->pageCount() == 0) {
        return;
    }
    page = std::min(page, m_pages->pageCount() - 1);
    if (page == m_page) {
        return;
    }
    m_page = page;
    verticalScrollBar()->setValue(0);
    describePage();
    viewport()->update();
    Q_EMIT pageShown(static_cast<int>(m_page), static_cast<int>(m_pages->pageCount()));
}

double ChartPageView::pixelsPerPoint() const {
    if (m_zoom) {
        return *m_zoom * logicalDpiX() / 72.0;
    }
    const QSizeF page = m_pages != nullptr ? m_pages->pageSize().size(QPageSize::Point)
                                           : QPageSize(QPageSize::A4).size(QPageSize::Point);
    const QSizeF room = QSizeF(viewport()->size()) - QSizeF(2 * kGround, 2 * kGround);
    return std::max(0.05, std::min(room.width() / page.width(), room.height() / page.height()));
}

double ChartPageView::zoom() const {
    return pixelsPerPoint() * 72.0 / logicalDpiX();
}

void ChartPageView::zoomIn() {
    setZoom(std::min(kMostZoom, zoom() * kZoomStep));
}

void ChartPageView::zoomOut() {
    setZoom(std::max(kLeastZoom, zoom() / kZoomStep));
}

void ChartPageView::fitPage() {
    setZoom(std::nullopt);
}

void ChartPageView::setZoom(std::optional<double> zoom) {
    m_zoom = zoom;
    updateScrollBars();
    viewport()->update();
}

void ChartPageView::updateScrollBars() {
    if (m_pages == nullptr) {
        return;
    }
    const QSizeF pixels = m_pages->pageSize().size(QPageSize::Point) * pixelsPerPoint();
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(
        0, std::max(0, static_cast<int>(std::ceil(pixels.width())) + 2 * kGround - room.width()));
    verticalScrollBar()->setRange(
        0, std::max(0, static_cast<int>(std::ceil(pixels.height())) + 2 * kGround - room.height()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setPageStep(room.height());
}

void ChartPageView::describePage() {
    if (m_pages == nullptr || m_pages->pageCount() == 0) {
        setAccessibleDescription(QString());
        return;
    }
    setAccessibleDescription(tr("Page %1 of %2. %3")
                                 .arg(m_page + 1)
                                 .arg(m_pages->pageCount())
                                 .arg(m_pages->describe(m_page)));
}

void ChartPageView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    if (m_pages == nullptr || m_pages->pageCount() == 0) {
        return;
    }
    const double scale = pixelsPerPoint();
    const QSizeF pixels = m_pages->pageSize().size(QPageSize::Point) * scale;
    const QPointF topLeft(pageStart(pixels.width(), viewport()->width(), horizontalScrollBar()),
                          pageStart(pixels.height(), viewport()->height(), verticalScrollBar()));
    painter.fillRect(QRectF(topLeft, pixels), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(topLeft);
    painter.scale(scale, scale);
    m_pages->paint(painter, m_page);
}

void ChartPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ChartPageView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    const std::size_t count = m_pages != nullptr ? m_pages->pageCount() : 0;
    if (plain && event->key() == Qt::Key_PageUp) {
        showPage(m_page > 0 ? m_page - 1 : 0);
    } else if (plain && event->key() == Qt::Key_PageDown) {
        showPage(m_page + 1);
    } else if (plain && event->key() == Qt::Key_Home) {
        showPage(0);
    } else if (plain && event->key() == Qt::Key_End && count > 0) {
        showPage(count - 1);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void ChartPageView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}

} // namespace brisolant

#include "moc_chartpageview.cpp"
