#include "focusring.h"

#include <QEvent>
#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace brisolant {

namespace {

constexpr const char* kInsetProperty = "focusRingInset";
constexpr int kWidth = 2;

} // namespace

FocusRing::FocusRing(QObject* parent)
    : QObject(parent) {}

void FocusRing::watch(QWidget& widget, int inset) {
    widget.setProperty(kInsetProperty, inset);
    widget.installEventFilter(this);
}

void FocusRing::paint(QPainter& painter, const QRect& outer, const QColor& ink, bool sides) {
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), kWidth), ink);
    painter.fillRect(QRect(outer.left(), outer.bottom() - kWidth + 1, outer.width(), kWidth), ink);
    if (!sides) {
        return;
    }
    painter.fillRect(QRect(outer.left(), outer.top(), kWidth, outer.height()), ink);
    painter.fillRect(QRect(outer.right() - kWidth + 1, outer.top(), kWidth, outer.height()), ink);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Paint || widget == nullptr || !widget->hasFocus()) {
        return QObject::eventFilter(watched, event);
    }
    // The widget paints itself first; the ring goes over it.
    watched->event(event);
    QPainter painter(widget);
    const int inset = widget->property(kInsetProperty).toInt();
    paint(painter, widget->rect().adjusted(inset, inset, -inset, -inset),
          widget->palette().color(widget->foregroundRole()));
    return true;
}

} // namespace brisolant

#include "moc_focusring.cpp"
