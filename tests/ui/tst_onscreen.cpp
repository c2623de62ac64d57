#include "windowdriver.h"

#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QScreen>

using namespace brisolant;

// The window as it reaches the screen: grabbed from the X server when one
// runs, else rendered by Qt, at whatever scale factor the test runs with.
class OnScreenTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowShowsDisplaySwitchesAndButtons();

private:
    [[nodiscard]] static QImage grabWindow(QWidget* window);
};

QImage OnScreenTest::grabWindow(QWidget* window) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return window->screen()->grabWindow(window->winId()).toImage();
    }
    return window->grab().toImage();
}

namespace {

bool isRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}
bool isBlue(QRgb pixel) {
    return qBlue(pixel) > 150 && qRed(pixel) < 100;
}

bool near(QRgb pixel, QColor expected, int tolerance) {
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// Where in the rectangle (device pixels) the pixels matching test lie.
QRect boundsOf(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace

void OnScreenTest::windowShowsDisplaySwitchesAndButtons() {
    testing::WindowDriver ui;
    QVERIFY(QTest::qWaitForWindowExposed(ui.window.get()));
    QTest::qWait(200);
    const qreal scale = ui.window->devicePixelRatioF();
    const auto device = [scale](const QRect& r) {
        return QRect((r.topLeft().toPointF() * scale).toPoint(),
                     (r.size().toSizeF() * scale).toSize());
    };
    const QImage shot = grabWindow(ui.window.get());
    const QString saveTo = QProcessEnvironment::systemEnvironment().value("BRISOLANT_SCREENSHOT");
    if (!saveTo.isEmpty()) {
        QVERIFY(shot.save(saveTo));
    }
    QCOMPARE(shot.size(), (QSizeF(231, 185) * scale).toSize());

    // The turquoise strip, lightest about two thirds down, left of the digits.
    const QRect display = device(ui.control(QStringLiteral("Image1"))->geometry());
    const int x = display.left() + int(16 * scale);
    QVERIFY(near(shot.pixel(x, display.top() + int(2 * scale)), QColor(60, 213, 221), 30));
    QVERIFY(
        near(shot.pixel(x, display.top() + display.height() * 2 / 3), QColor(98, 253, 237), 30));

    // The red "0" in the middle of the label, and no red elsewhere on the strip.
    const QRect label = device(ui.label()->geometry());
    const QRect red = boundsOf(shot, display, isRed);
    QVERIFY2(!red.isEmpty(), "no red address on the display");
    QVERIFY(label.contains(red));
    QVERIFY(std::abs(red.center().x() - label.center().x()) <= 3 * scale);
    QVERIFY(red.height() >= 8 * scale);

    // The blue i on Info and the red cross on Exit.
    QVERIFY(!boundsOf(shot, device(ui.control(QStringLiteral("cmdInfo"))->geometry()), isBlue)
                 .isEmpty());
    QVERIFY(!boundsOf(shot, device(ui.control(QStringLiteral("cmdClose"))->geometry()), isRed)
                 .isEmpty());

    // Every control inside the client area.
    for (const QWidget* child : ui.window->findChildren<QWidget*>()) {
        if (child->parentWidget() == ui.window.get() && !child->isWindow()) {
            QVERIFY2(ui.window->rect().contains(child->geometry()),
                     qPrintable(child->objectName()));
        }
    }

    // Clicking a switch repaints the address.
    ui.clickPosition(256, true);
    QTest::qWait(100);
    const QImage after = grabWindow(ui.window.get());
    QVERIFY(boundsOf(after, display, isRed).width() > red.width());
}

QTEST_MAIN(OnScreenTest)
#include "tst_onscreen.moc"
