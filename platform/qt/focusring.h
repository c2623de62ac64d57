#pragma once

#include <QObject>

class QColor;
class QPainter;
class QRect;
class QWidget;

namespace brisolant {

// The keyboard focus drawn as a ring two pixels wide in a control's own text
// colour, which stands out from the control's face as much as its caption
// does, in any palette. A styled focus frame is often a faint tint. Watched
// widgets get the ring over what their style drew; OptionButton draws the
// same ring itself.
class FocusRing final : public QObject {
    Q_OBJECT

public:
    explicit FocusRing(QObject* parent);

    // Rings widget while it has the focus, inset pixels inside its edge.
    void watch(QWidget& widget, int inset);

    // The ring's outer edge is outer; without sides, only its top and bottom,
    // for a caption that takes the whole width.
    static void paint(QPainter& painter, const QRect& outer, const QColor& ink, bool sides = true);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace brisolant
