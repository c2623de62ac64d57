#include "fakeservices.h"
#include "frmmainsmall.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>

using namespace brisolant;

class LayoutTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowIsFixedCentredAndCaptioned();
    void controlGeometry_data();
    void controlGeometry();
    void switchesStartOffInCrossedFrameOrder();
    void optionButtonsOfEveryFrameCoverItExactly();
    void fontsOfTheCaptions();
    void addressDisplayLooks();
    void pictureButtons();
    void everyControlLiesInsideTheClientArea();
    void menuIsHiddenButReadyAsPopup();
    void tabOrderVisitsSelectedPositionsByTabIndex();

private:
    template <typename T = QWidget> T* control(const char* name) {
        auto* widget = window->findChild<T*>(QLatin1String(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }

    testing::FakeServices fakes;
    modApp app;
    std::unique_ptr<frmMainSmall> window;
};

void LayoutTest::init() {
    app = {};
    window = std::make_unique<frmMainSmall>(app, fakes.services());
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void LayoutTest::cleanup() {
    window.reset();
}

void LayoutTest::windowIsFixedCentredAndCaptioned() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Brisolant"));
    QCOMPARE(window->size(), QSize(231, 185));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    QVERIFY2((window->frameGeometry().center() - screenCentre).manhattanLength() <= 4,
             "the window opens in the middle of the screen");
    QVERIFY(window->findChild<QMenuBar*>() == nullptr);
}

void LayoutTest::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");

    // Twips at fifteen to the pixel, edges rounded to the nearest pixel.
    QTest::newRow("display picture") << "Image1"
                                     << "frmMainSmall" << QRect(8, 8, 215, 29);
    QTest::newRow("address label") << "lblAusgabe"
                                   << "frmMainSmall" << QRect(16, 13, 193, 20);
    QTest::newRow("Info") << "cmdInfo"
                          << "frmMainSmall" << QRect(8, 112, 107, 65);
    QTest::newRow("Exit") << "cmdClose"
                          << "frmMainSmall" << QRect(117, 112, 107, 65);
    const struct {
        const char* frame;
        int left;
    } frames[] = {{"Frame1", 8},   {"Frame2", 32},  {"Frame4", 56},
                  {"Frame3", 80},  {"Frame6", 104}, {"Frame5", 128},
                  {"Frame8", 152}, {"Frame7", 176}, {"Frame9", 200}};
    for (const auto& f : frames) {
        QTest::newRow(f.frame) << f.frame << "frmMainSmall" << QRect(f.left, 40, 25, 65);
    }
    QTest::newRow("upper button in its frame") << "opt8"
                                               << "Frame3" << QRect(0, 0, 25, 33);
    QTest::newRow("lower button overlaps by a pixel") << "opt8_0"
                                                      << "Frame3" << QRect(0, 32, 25, 33);
    QTest::newRow("last upper button") << "opt256"
                                       << "Frame9" << QRect(0, 0, 25, 33);
}

void LayoutTest::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    auto* widget = window->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), pixels);
}

void LayoutTest::switchesStartOffInCrossedFrameOrder() {
    QCOMPARE(control<QLabel>("lblAusgabe")->text(), QStringLiteral("0"));
    const auto* editor = window->findChild<QLineEdit*>(QStringLiteral("txtInput"));
    QVERIFY(editor == nullptr || !editor->isVisible());
    QCOMPARE(QApplication::focusWidget(), control("opt1"));

    // Left to right the frames hold the weights in order, though their names cross.
    QList<QWidget*> frames;
    for (int i = 1; i <= 9; ++i) {
        frames << control(QStringLiteral("Frame%1").arg(i).toLatin1().constData());
    }
    std::sort(frames.begin(), frames.end(),
              [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    int weight = 1;
    for (QWidget* frame : frames) {
        auto* upper = frame->findChild<QAbstractButton*>(QStringLiteral("opt%1").arg(weight));
        auto* lower = frame->findChild<QAbstractButton*>(QStringLiteral("opt%1_0").arg(weight));
        QVERIFY2(upper && lower, qPrintable(frame->objectName()));
        QCOMPARE(upper->text(), QString::number(weight));
        QCOMPARE(lower->text(), QStringLiteral("0"));
        QVERIFY(upper->isChecked());
        QVERIFY(!lower->isChecked());
        QVERIFY(upper->y() < lower->y());
        weight *= 2;
    }
    QCOMPARE(control("opt8")->parentWidget()->objectName(), QStringLiteral("Frame3"));
    QCOMPARE(control("opt4")->parentWidget()->objectName(), QStringLiteral("Frame4"));

    // The lower button of the fourth switch from the left is weight 8's.
    QTest::mouseClick(frames.at(3)->findChildren<QAbstractButton*>().at(1), Qt::LeftButton);
    QCOMPARE(control<QLabel>("lblAusgabe")->text(), QStringLiteral("8"));
}

void LayoutTest::optionButtonsOfEveryFrameCoverItExactly() {
    for (QWidget* frame : window->findChildren<QWidget*>(QRegularExpression("^Frame\\d$"))) {
        const auto buttons = frame->findChildren<QAbstractButton*>();
        QCOMPARE(buttons.size(), 2);
        QRect covered;
        for (const auto* button : buttons) {
            covered |= button->geometry();
        }
        QCOMPARE(covered, frame->rect());
        QVERIFY(!frame->autoFillBackground());
    }
}

void LayoutTest::fontsOfTheCaptions() {
    const auto checkFont = [](const QWidget* widget, qreal points) {
        QCOMPARE(widget->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(widget->font().pointSizeF(), points);
        const QFontInfo shown(widget->font());
        QVERIFY(shown.bold());
        QVERIFY(!shown.italic());
        // Where the face is missing a sans-serif of the machine stands in.
        const QStringList faces = {"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans",
                                   "Liberation Sans"};
        QVERIFY2(faces.contains(shown.family()), qPrintable(shown.family()));
    };
    checkFont(control("lblAusgabe"), 12.0);
    checkFont(control("cmdInfo"), 9.75);
    checkFont(control("cmdClose"), 9.75);
    for (const char* name : {"opt1", "opt256_0", "Frame3"}) {
        QVERIFY2(!control(name)->testAttribute(Qt::WA_SetFont), name);
        QCOMPARE(control(name)->font(), window->font());
    }
}

void LayoutTest::addressDisplayLooks() {
    auto* label = control<QLabel>("lblAusgabe");
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(!label->autoFillBackground());
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QCOMPARE(label->frameShape(), QFrame::NoFrame);

    auto* picture = control<QLabel>("Image1");
    QVERIFY(picture->hasScaledContents());
    QCOMPARE(picture->frameShape(), QFrame::Box);
    QCOMPARE(picture->lineWidth(), 1);
    QVERIFY(!picture->pixmap().isNull());

    // The label is drawn over the picture, the editor over both.
    QTest::mouseDClick(label, Qt::LeftButton);
    const auto children = window->children();
    QVERIFY(children.indexOf(picture) < children.indexOf(label));
    QVERIFY(children.indexOf(label) < children.indexOf(control("txtInput")));
}

void LayoutTest::pictureButtons() {
    for (const auto& [name, caption] : {std::pair{"cmdInfo", QStringLiteral("Info")},
                                        std::pair{"cmdClose", QStringLiteral("Exit")}}) {
        auto* button = control<QToolButton>(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        const QPixmap picture = button->icon().pixmap(QSize(32, 32));
        QVERIFY2(!picture.isNull(), name);
        // White is drawn as transparent, the picture itself is not.
        const QImage image = picture.toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
    }
}

void LayoutTest::everyControlLiesInsideTheClientArea() {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isWindow() && widget->parentWidget() == window.get()) {
            QVERIFY2(window->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
        }
    }
}

void LayoutTest::menuIsHiddenButReadyAsPopup() {
    auto* menu = window->popupMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("mnuFile"));
    QCOMPARE(menu->title(), QStringLiteral("&Datei"));
    QVERIFY(!menu->isVisible());
    const auto actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Reset"));
    QVERIFY(actions.at(1)->isSeparator());
    QCOMPARE(actions.at(2)->text(), QStringLiteral("About..."));
    for (const QAction* action : actions) {
        QVERIFY(action->isEnabled());
        QVERIFY(!action->isCheckable());
        QVERIFY(action->shortcut().isEmpty());
    }
}

void LayoutTest::tabOrderVisitsSelectedPositionsByTabIndex() {
    const QStringList expected = {"opt1",   "opt2",  "opt8",   "opt4",     "opt32",   "opt16",
                                  "opt128", "opt64", "opt256", "cmdClose", "cmdInfo", "opt1"};
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    // Once a switch is ON, Tab stops at its lower position instead.
    QTest::mouseClick(control("opt2_0"), Qt::LeftButton);
    control("opt1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("opt2_0"));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
