#include "paintwatcher.h"

#include <QEvent>
#include <QWidget>

#include <ctime>

PaintWatcher::PaintWatcher(QObject* parent)
    : QObject(parent) {}

double PaintWatcher::threadCpuMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

void PaintWatcher::watch(QWidget* widget) {
    m_lastPaint.emplace(widget, Stamp{});
    widget->installEventFilter(this);
}

PaintWatcher::Stamp PaintWatcher::lastPaint(const QWidget* widget) const {
    const auto found = m_lastPaint.find(widget);
    return found == m_lastPaint.end() ? Stamp{} : found->second;
}

bool PaintWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint) {
        return QObject::eventFilter(watched, event);
    }
    // QObject::event() is public, QWidget::event() is not: the widget paints
    // itself here, in the paint context the repaint manager has set up.
    const bool handled = watched->event(event);
    m_lastPaint[watched] = {Clock::now(), threadCpuMicros()};
    return handled;
}

#include "moc_paintwatcher.cpp"
