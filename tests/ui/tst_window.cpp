#include "displaycheck.h"
#include "handlerboundary.h"
#include "qtappinformation.h"
#include "qtmessagebox.h"
#include "qtprogramend.h"
#include "runtimeerror.h"
#include "showabout.h"
#include "windowdriver.h"

#include <QAccessible>
#include <QFontInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>

#include <cmath>
#include <memory>
#include <random>

using namespace brisolant;
using testing::WindowDriver;

namespace {

// WCAG contrast ratio of two colours' relative luminances.
double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb p) {
        const auto linear = [](int v) {
            return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(p)) + 0.7152 * linear(qGreen(p)) + 0.0722 * linear(qBlue(p));
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// How many pixels of area in image differ by ratio from b's, or from face.
int contrasting(const QImage& image, const QRect& area, double ratio, const QImage& b, QRgb face) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += contrast(image.pixel(x, y), b.isNull() ? face : b.pixel(x, y)) >= ratio;
        }
    }
    return count;
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}
bool isBlue(QRgb pixel) {
    return qBlue(pixel) > 150 && qRed(pixel) < 100;
}
// Where in area of image the pixels that pass test lie.
QRect boundsOf(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            bounds |= test(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return bounds;
}

} // namespace

// The main window through real events, at whatever QT_SCALE_FACTOR the test runs with.
class WindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        ui = std::make_unique<WindowDriver>();
        QVERIFY(QTest::qWaitForWindowActive(&ui->window));
        connect(qApp, &QApplication::focusChanged, &ui->window, [this](QWidget*, QWidget* w) {
            spoken << qMakePair(w, w != nullptr ? w->accessibleDescription() : QString());
        });
    }
    void cleanup() {
        ui.reset();
        other.hide();
    }

    void layout_data() {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels");
        // Twips at fifteen to the pixel, edges rounded to the nearest pixel.
        QTest::newRow("display picture") << "Image1" << "frmMainSmall" << QRect(8, 8, 215, 29);
        QTest::newRow("address label") << "lblAusgabe" << "frmMainSmall" << QRect(16, 13, 193, 20);
        QTest::newRow("Info") << "cmdInfo" << "frmMainSmall" << QRect(8, 112, 107, 65);
        QTest::newRow("Exit") << "cmdClose" << "frmMainSmall" << QRect(117, 112, 107, 65);
        // Left to right the frames hold weights 1, 2, 4 ... 256, though their names cross.
        const char* frames[] = {"Frame1", "Frame2", "Frame4", "Frame3", "Frame6",
                                "Frame5", "Frame8", "Frame7", "Frame9"};
        for (int i = 0; i < 9; ++i) {
            QTest::newRow(frames[i]) << frames[i] << "frmMainSmall" << QRect(8 + 24 * i, 40, 25, 65);
            const QString weight = QString::number(1 << i);
            QTest::newRow(qPrintable("opt" + weight)) << "opt" + weight << frames[i] << QRect(0, 0, 25, 33);
            QTest::newRow(qPrintable("opt" + weight + "_0")) << "opt" + weight + "_0" << frames[i] << QRect(0, 32, 25, 33);
        }
        // clang-format on
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, pixels);
        QWidget* widget = ui->get(name);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), pixels);
    }
    void startsOffWithCaptionsFontsAndMenu() {
        frmMainSmall& window = ui->window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Brisolant"));
        QCOMPARE(window.size(), QSize(231, 185));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.findChild<QMenuBar*>() == nullptr);
        const QPoint centre = window.screen()->availableGeometry().center();
        QVERIFY((window.frameGeometry().center() - centre).manhattanLength() <= 4);

        QCOMPARE(ui->label()->text(), QStringLiteral("0"));
        QVERIFY(!ui->editing());
        QCOMPARE(QApplication::focusWidget(), ui->position(1, false));
        for (int weight = 1; weight <= 256; weight *= 2) {
            QCOMPARE(ui->position(weight, false)->text(), QString::number(weight));
            QCOMPARE(ui->position(weight, true)->text(), QStringLiteral("0"));
            QVERIFY(ui->position(weight, false)->isChecked());
            QVERIFY(!ui->position(weight, true)->isChecked());
        }

        // Bold captions in their face or the sans-serif that stands in for it.
        for (const auto& [name, points] :
             {std::pair{"lblAusgabe", 12.0}, std::pair{"cmdInfo", 9.75},
              std::pair{"cmdClose", 9.75}}) {
            const QFont font = ui->get(QLatin1String(name))->font();
            const QFontInfo shown(font);
            QVERIFY(font.family() == "MS Sans Serif" && font.pointSizeF() == points &&
                    shown.bold());
            QVERIFY2(QStringList({"MS Sans Serif", "DejaVu Sans"}).contains(shown.family()),
                     qPrintable(shown.family()));
        }
        auto* picture = ui->get<QLabel>(QStringLiteral("Image1"));
        QCOMPARE(picture->frameShape(), QFrame::Box);
        QCOMPARE(ui->get<QToolButton>(QStringLiteral("cmdInfo"))->text(), QStringLiteral("Info"));
        QCOMPARE(ui->get<QToolButton>(QStringLiteral("cmdClose"))->text(), QStringLiteral("Exit"));

        auto* menu = ui->get<QMenu>(QStringLiteral("mnuFile"));
        QCOMPARE(menu->title(), QStringLiteral("&Datei"));
        QVERIFY(!menu->isVisible());
        const auto actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions.at(0)->text(), QStringLiteral("Reset"));
        QVERIFY(actions.at(1)->isSeparator());
        QCOMPARE(actions.at(2)->text(), QStringLiteral("About..."));

        // The label lies over the picture, the editor, once made, over both.
        ui->openEditor();
        const auto children = window.children();
        QVERIFY(children.indexOf(picture) < children.indexOf(ui->label()));
        QVERIFY(children.indexOf(ui->label()) < children.indexOf(ui->editor()));
        QCOMPARE(ui->editor()->geometry(), picture->geometry());
        QCOMPARE(ui->editor()->font(), window.font());
    }
    void tabVisitsTheSelectedHalvesByTabIndex_data() {
        QTest::addColumn<QList<int>>("on");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all OFF") << QList<int>{}
                                 << QStringList{"opt1",   "opt2",     "opt8",    "opt4",
                                                "opt32",  "opt16",    "opt128",  "opt64",
                                                "opt256", "cmdClose", "cmdInfo", "opt1"};
        QTest::newRow("1, 4 and 256 ON")
            << QList<int>{1, 4, 256}
            << QStringList{"opt1_0", "opt2",  "opt8",     "opt4_0",   "opt32",   "opt16",
                           "opt128", "opt64", "opt256_0", "cmdClose", "cmdInfo", "opt1_0"};
    }
    void tabVisitsTheSelectedHalvesByTabIndex() {
        QFETCH(QList<int>, on);
        QFETCH(QStringList, expected);
        for (const int weight : on) {
            ui->clickPosition(weight, true);
        }
        ui->get(expected.constFirst())->setFocus(Qt::TabFocusReason);
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            ui->press(Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }
    void pixelsOfDisplayAndButtons() {
        // In the window's own pixels, whatever the scale: the turquoise strip,
        // lightest about two thirds down, left of the digits.
        const QImage shot = ui->window.grab().toImage().scaled(ui->window.size());
        const QRect display = ui->get(QStringLiteral("Image1"))->geometry();
        const QColor top = shot.pixelColor(display.left() + 16, display.top() + 2);
        const QColor light = shot.pixelColor(display.left() + 16, display.top() + 19);
        QVERIFY2(top.red() < 90 && top.green() > 190 && top.blue() > 200, qPrintable(top.name()));
        QVERIFY2(light.green() > 240 && light.green() > top.green(), qPrintable(light.name()));
        // The red "0" in the middle of the label, and no red elsewhere on the strip.
        const QRect label = ui->label()->geometry();
        const QRect red = boundsOf(shot, display, isRed);
        QVERIFY(label.contains(red) && std::abs(red.center().x() - label.center().x()) <= 3);
        QVERIFY(red.height() >= 8);
        // The blue i on Info, the red cross on Exit; their white is transparent.
        QVERIFY(!boundsOf(shot, ui->get(QStringLiteral("cmdInfo"))->geometry(), isBlue).isEmpty());
        QVERIFY(!boundsOf(shot, ui->get(QStringLiteral("cmdClose"))->geometry(), isRed).isEmpty());
        for (const char* name : {"cmdInfo", "cmdClose"}) {
            const QIcon icon = ui->get<QToolButton>(QLatin1String(name))->icon();
            const QImage picture = icon.pixmap(QSize(32, 32), 1.0).toImage();
            QVERIFY(qAlpha(picture.pixel(0, 0)) == 0 && picture.pixel(16, 16) != 0xffffffffU);
        }
        ui->clickPosition(256, true); // repainted, "256" is wider than "0"
        QVERIFY(boundsOf(ui->window.grab().toImage().scaled(ui->window.size()), display, isRed)
                    .width() > red.width());
    }
    void platformArgumentAndProgramEnd() {
        // Qt's "-platform" chooses where the window goes; other options do not.
        const char* argv[] = {"Brisolant", "-platform", "offscreen"};
        const auto unset = [](const char*) -> const char* {
            return nullptr;
        };
        QVERIFY(!missingDisplayReason(unset, 3, argv) && missingDisplayReason(unset, 1, argv));
        // The end of the program leaves the real event loop at once.
        QtProgramEnd end;
        QTimer::singleShot(0, this, [&end] { end.endProgram(); });
        QTimer::singleShot(5000, this, [] { QApplication::exit(99); }); // if it does not
        QCOMPARE(QApplication::exec(), 0);
    }
    void keys_data() {
        for (const char* column : {"from", "script", "focus", "address", "effect"}) {
            QTest::addColumn<QString>(column);
        }
        const auto row = [](const char* name, const char* from, const char* script,
                            const char* focus, int address, const char* effect = "") {
            QTest::newRow(name) << from << script << focus << QString::number(address) << effect;
        };
        // Switch 1 is ON, and the address 1, when each row starts.
        row("F2 on Exit", "cmdClose", "{F2}", "txtInput", 1, "open");
        row("Shift+F10, Enter: Reset", "opt2", "{Shift+F10} {Return}", "opt2", 0);
        row("Menu, Escape", "cmdInfo", "{Menu} {Escape}", "cmdInfo", 1);
        row("Menu, Down, Enter: About", "opt1_0", "{Menu} {Down} {Return}", "opt1_0", 1, "about");
        row("Enter on Info", "cmdInfo", "{Return}", "cmdInfo", 1, "about");
        row("Keypad Enter on Exit", "cmdClose", "{Enter}", "cmdClose", 1, "exit");
        row("a click on Exit", "opt1", "@cmdClose", "cmdClose", 1, "exit");
        row("right-click the label: Reset", "opt2", "@lblAusgabe/right {Down} {Return}", "opt2", 0);
        row("no menu from the left button", "opt2", "@lblAusgabe {Down} {Return}", "opt2_0", 3);
        row("nor from the middle one", "opt2", "@lblAusgabe/middle {Down} {Return}", "opt2_0", 3);
        row("nor over the picture", "opt2", "@Image1/right {Down} {Return}", "opt2_0", 3);
        row("nor over a switch", "opt2", "@opt8/right {Down} {Return}", "opt8_0", 9);
        row("nor over Info", "cmdInfo", "@cmdInfo/right {Return}", "cmdInfo", 1, "about");
        row("Down on an ON upper half", "opt1", "{Down}", "opt1_0", 1);
        row("Down on an ON lower half", "opt1_0", "{Down}", "opt1_0", 1);
        row("Down on an OFF upper half", "opt2", "{Down}", "opt2_0", 3);
        row("Down on an OFF lower half", "opt2_0", "{Down}", "opt2_0", 3);
        row("Space on an OFF lower half", "opt2_0", "{Space}", "opt2_0", 3);
        row("Space on the selected half", "opt1_0", "{Space}", "opt1_0", 1);
        row("Up on an ON lower half", "opt1_0", "{Up}", "opt1", 0);
        row("Up on an ON upper half", "opt1", "{Up}", "opt1", 0);
        row("Up on an OFF upper half", "opt2", "{Up}", "opt2", 1);
        row("Up on an OFF lower half", "opt2_0", "{Up}", "opt2", 1);
        row("Right from 1's lever to 2", "opt1_0", "{Right}", "opt2", 1);
        row("Right from 4 to 8, not to 32", "opt4_0", "{Right}", "opt8", 1);
        row("Left from 2 onto 1's lever", "opt2_0", "{Left}", "opt1_0", 1);
        row("Left at the left end", "opt1_0", "{Left}", "opt1_0", 1);
        row("Right at the right end", "opt256", "{Right}", "opt256", 1);
        row("keypad Down", "opt2", "{Num+Down}", "opt2_0", 3);
        row("keypad Up", "opt1_0", "{Num+Up}", "opt1", 0);
        row("keypad Right", "opt1_0", "{Num+Right}", "opt2", 1);
        row("inactive window, Right", "opt1_0", "{Inactive} {Right}", "opt2", 1);
        row("inactive window, Left", "opt2_0", "{Inactive} {Left}", "opt1_0", 1);
        row("typing replaces", "opt1_0", "{DblClick} 5 {Return}", "opt1", 5);
        row("F2, typing replaces", "opt2", "{F2} 5 {Enter}", "opt1", 5);
        row("End appends", "opt1_0", "{DblClick} {End} 2 {Return}", "opt1", 12);
        row("Left inserts", "opt1_0", "{DblClick} {Left} 2 {Return}", "opt1", 21);
        row("inactive window, Enter", "opt1_0", "{Inactive} {DblClick} 7 {Return}", "opt1", 7);
        row("inactive window, Escape", "opt1_0", "{Inactive} {DblClick} 7 {Escape}", "opt1", 1);
        row("inactive window, refused and corrected", "opt1_0",
            "{Inactive} {DblClick} 511.5 {Return} 7 {Return}", "opt1", 7, "refused");
        row("511 turns all ON", "opt1_0", "{DblClick} 511 {Return}", "opt1", 511);
        row("0 turns all OFF", "opt1_0", "{DblClick} 0 {Return}", "opt1", 0);
        row("a fraction rounds", "opt1_0", "{DblClick} 99.7 {Return}", "opt1", 100);
        row("Shift+Enter", "opt1_0", "{DblClick} 300 {Shift+Return}", "opt1", 300);
        row("Ctrl+Shift+Enter", "opt1_0", "{DblClick} 300 {Ctrl+Shift+Return}", "opt1", 300);
        row("letters refused", "opt1_0", "{DblClick} abc {Return}", "txtInput", 1, "refused open");
        row("empty refused", "opt1", "{DblClick} {Delete} {Return}", "txtInput", 1, "refused open");
        row("40000 refused", "opt1", "{DblClick} 40000 {Return}", "txtInput", 1, "refused open");
        row("512 refused", "opt1_0", "{DblClick} 512 {Return}", "txtInput", 1, "refused open");
        row("-5 refused", "opt1_0", "{DblClick} -5 {Return}", "txtInput", 1, "refused open");
        row("a click ends the editing", "opt1_0", "{DblClick} 300 @opt2_0", "opt2_0", 3);
        row("Info ends the editing", "opt1_0", "{DblClick} 300 @cmdInfo", "cmdInfo", 1, "about");
    }
    void keys() {
        QFETCH(QString, from);
        QFETCH(QString, script);
        QFETCH(QString, address);
        QFETCH(QString, effect);
        ui->clickPosition(1, true);
        ui->get(from)->setFocus();
        ui->shown.clear();
        spoken.clear();
        typed.clear();
        play(script.split(QLatin1Char(' ')));

        const QWidget* focus = ui->window.focusWidget();
        QTEST(focus->objectName(), "focus");
        QCOMPARE(ui->label()->text(), address);
        QVERIFY(ui->consistent());
        // Asking for the position already selected changes nothing.
        QCOMPARE(ui->shown.isEmpty(), address == "1");
        QCOMPARE(ui->editing(), effect.contains("open"));
        const auto& told = ui->fakes.messages;
        QCOMPARE(told.size(), size_t(effect.contains("about") || effect.contains("refused")));
        QVERIFY(!effect.contains("about") || told[0] == brisolant::aboutText(ui->fakes, ui->fakes));
        // A refusal quotes the text as typed, not the number it rounds to.
        const QString message = told.empty() ? QString() : QString::fromStdString(told[0]);
        QVERIFY2(!effect.contains("refused") || (message.startsWith('"' + typed.value(0) + '"') &&
                                                 message.contains("0 to 511")),
                 qPrintable(message));
        QCOMPARE(ui->fakes.ends, effect.contains("exit") ? 1 : 0);
        // A switch a key focuses tells the new address (a click focuses it first).
        const QString heard = QStringLiteral("Start address %1.").arg(address);
        const bool isSwitch = focus->objectName().startsWith(QLatin1String("opt"));
        if (script.contains('@')) {
            spoken.clear();
        }
        spoken << qMakePair(ui->window.focusWidget(), focus->accessibleDescription());
        for (const auto& [widget, text] : std::as_const(spoken)) {
            QVERIFY2(!isSwitch || widget != focus || text.startsWith(heard), qPrintable(text));
        }
        // Typing never clears the address: the next opening shows it.
        ui->openEditor();
        QCOMPARE(ui->editor()->text(), address);
    }
    void iconAndContrastOnTheGrabbedWindow() {
        QCOMPARE(ui->window.windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {32, 32}, {64, 64}}));
        const QImage small = ui->window.windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
        QVERIFY(qAlpha(small.pixel(0, 0)) < 16 && qAlpha(small.pixel(16, 16)) == 255);
        QVERIFY(ui->label()->accessibleDescription().contains(QStringLiteral("F2")));
        const QPalette standard = QApplication::palette();
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? QPalette(QColor(53, 53, 53)) : standard);
            init();
            // Switches 1, 4 and 256 ON, the editor made, the window inactive.
            play({"{DblClick}", "261", "{Return}", "{DblClick}", "{Inactive}"});
            // Looked at in the window's own pixels, whatever the scale.
            const auto grab = [this] {
                return ui->window.grab().toImage().scaled(ui->window.size());
            };
            const QImage plain = grab();
            const auto area = [this](const QWidget* control, int inset) {
                return QRect(control->mapTo(&ui->window, QPoint()), control->size()) -
                       QMargins(inset, inset, inset, inset);
            };
            // Faces taken inside the corners, clear of border and caption.
            for (int weight = 1; weight <= 256; weight *= 2) {
                const QRect off = area(ui->position(weight, false), 3);
                const QRect on = area(ui->position(weight, true), 3);
                QVERIFY(contrast(plain.pixel(off.topLeft()), plain.pixel(on.topLeft())) >= 3.0);
                for (const QRect& half : {off, on}) {
                    QVERIFY(contrasting(plain, half, 4.5, {}, plain.pixel(half.topLeft())) > 0);
                }
            }
            // The focus, against the same pixels without it (the window inactive).
            for (const char* name : {"txtInput", "opt1", "opt1_0", "opt2", "cmdInfo", "cmdClose"}) {
                ui->window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&ui->window));
                ui->get(QLatin1String(name))->setFocus(Qt::TabFocusReason);
                const QRect rect = area(ui->get(QLatin1String(name)), 0);
                const QImage focused = grab();
                QVERIFY2(contrasting(focused, rect, 3.0, plain, 0) >= 2 * rect.width(), name);
            }
        }
        QApplication::setPalette(standard);
    }
    void accessibleNamesStatesAndActions() {
        QAccessibleInterface* off = QAccessible::queryAccessibleInterface(ui->position(8, false));
        QAccessibleInterface* on = QAccessible::queryAccessibleInterface(ui->position(8, true));
        QAccessibleInterface* display = QAccessible::queryAccessibleInterface(ui->label());
        QCOMPARE(off->text(QAccessible::Name) + ", " + on->text(QAccessible::Name),
                 QStringLiteral("Switch 8 OFF, Switch 8 ON"));
        QVERIFY(off->state().checkable && off->state().checked && !on->state().checked);

        // A screen reader selects through the actions; toggling cannot unselect.
        on->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_VERIFY(on->state().checked && !off->state().checked);
        QCOMPARE(display->text(QAccessible::Name), QStringLiteral("8"));
        on->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(on->state().checked && ui->consistent());
        off->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(off->state().checked && !on->state().checked);
        QVERIFY(ui->shown == (QStringList{"8", "0"}) && ui->consistent());

        ui->openEditor();
        QAccessibleInterface* editor = QAccessible::queryAccessibleInterface(ui->editor());
        QVERIFY(editor->text(QAccessible::Name) == "Start address" &&
                editor->role() == QAccessible::EditableText);
    }
    void aboutText_data() {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("firstLines");
        QTest::newRow("as delivered") << "Brisolant" << 0 << "Brisolant 1.0 (Release 1.3.0)\r(C) 2026";
        QTest::newRow("renamed, a new year") << "DipCalc" << 0 << "DipCalc 1.0 (Release 1.3.0)\r(C) 2031";
        QTest::newRow("two-digit revision") << "Brisolant" << 12 << "Brisolant 1.0 (Release 1.3.12)\r(C) 2026";
        // clang-format on
    }
    void aboutText() {
        QFETCH(QString, name);
        QFETCH(int, revision);
        QFETCH(QString, firstLines);
        ui->fakes.name = name.toStdString();
        ui->fakes.revisionNumber = std::int16_t(revision);
        ui->fakes.year = firstLines.right(4).toInt();
        const std::string rest =
            std::string(kCreditLine) + "\r" + std::string(kWebAddress) + "\r\r";
        QCOMPARE(brisolant::aboutText(ui->fakes, ui->fakes), firstLines.toStdString() + rest);
        QVERIFY(kCreditLine.starts_with(' '));
        // The real information: this test program's own name and the build's version.
        const QtAppInformation real;
        QCOMPARE(QString::fromStdString(real.executableBaseName()), QStringLiteral("tst_window"));
        QCOMPARE(QList<int>({real.major(), real.minor(), real.revision()}), QList<int>({1, 3, 0}));
    }
    void realMessageBoxTitleTextAndFocus() {
        QtMessageBox box;
        ui.reset();
        ui = std::make_unique<WindowDriver>(&box);
        box.setParent(&ui->window);
        QVERIFY(QTest::qWaitForWindowActive(&ui->window));
        QApplication::setApplicationDisplayName(QStringLiteral("Brisolant"));
        ui->openEditor();
        ui->type(QStringLiteral("<b>x</b>"));
        QString seen; // title | text | buttons, icon (0: none), format (0: plain text)
        QTimer::singleShot(0, this, [&seen] {
            if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = QStringLiteral("%1 | %2 | %3, %4, %5")
                           .arg(shown->windowTitle(), shown->text())
                           .arg(shown->buttons().size())
                           .arg(shown->icon())
                           .arg(shown->textFormat());
                QTest::keyClick(shown, Qt::Key_Return);
            }
        });
        ui->press(Qt::Key_Return);
        QCOMPARE(seen,
                 QStringLiteral("Brisolant | \"<b>x</b>\" is not a whole number. Type a whole "
                                "start address from 0 to 511.\n\nRun-time error 13: Type "
                                "mismatch. | 1, 0, 0"));
        // The box took the keyboard for a moment; the window takes it back itself.
        QVERIFY(ui->editing());
        QTRY_COMPARE(QApplication::focusWidget(), ui->editor());
        QCOMPARE(ui->editor()->selectedText(), QStringLiteral("<b>x</b>"));
    }
    void boundaryReportsAndCarriesOn_data() {
        // clang-format off
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("report");
        QTest::newRow("overflow") << 0 << "Run-time error 6: Overflow.";
        QTest::newRow("described") << 1 << "\"x\" is no number.\r\rRun-time error 13: Type mismatch.";
        QTest::newRow("standard exception") << 2 << "Unexpected error: boom";
        QTest::newRow("anything else") << 3 << "Unexpected error.";
        // clang-format on
    }
    void boundaryReportsAndCarriesOn() {
        QFETCH(int, kind);
        QFETCH(QString, report);
        HandlerBoundary boundary(ui->fakes);
        int steps = 0;
        const std::function<void()> throwers[] = {
            [] { throw RuntimeError(ErrorNumber::Overflow); },
            [] { throw RuntimeError(ErrorNumber::TypeMismatch, "\"x\" is no number."); },
            [] { throw std::runtime_error("boom"); },
            [] {
                throw 42;
            }};
        const auto fail = [&] {
            ++steps;
            throwers[kind]();
        };
        // A handler nested in another passes its error on to the outermost one.
        QVERIFY(!boundary.run([&] {
            boundary.run(fail);
            ++steps;
        }));
        QCOMPARE(steps, 1);
        QCOMPARE(ui->fakes.messages, std::vector<std::string>{report.toStdString()});
        QVERIFY(boundary.run([&] { ++steps; }));
        QCOMPARE(steps, 2);
    }
    void randomActionsKeepTheAddressTrue() {
        ui->window.setUpdatesEnabled(false); // events and state, not pixels
        QAction* reset = ui->get<QMenu>(QStringLiteral("mnuFile"))->actions().at(0);
        const QStringList typed = {"0",  "1",   "5",   "100", "255",   "256",   "511", " 42 ",
                                   "+7", "2.5", "3.5", "0.4", "512",   "1000",  "-4",  "-5",
                                   "-1", "abc", "",    "1e3", "40000", "32768", "5x",  "0x1F"};
        // BRISOLANT_RANDOM_ACTIONS=100000 for a long run.
        const int asked = qEnvironmentVariableIntValue("BRISOLANT_RANDOM_ACTIONS");
        const int actions = asked > 0 ? asked : 3000;
        std::mt19937 random(20261207U);
        const auto pick = [&random](int count) {
            return std::uniform_int_distribution<int>(0, count - 1)(random);
        };
        std::size_t refusals = 0;
        for (int step = 0; step < actions; ++step) {
            const int kind = pick(10); // 0-4 a click, 5-8 an address typed, 9 Reset
            if (kind >= 5 && kind < 9) {
                if (!ui->editing()) {
                    ui->openEditor();
                }
                ui->type(typed.at(pick(int(typed.size()))));
            }
            // After typing: Enter, Enter, Escape or a click on a switch.
            const int end = kind == 9 ? 4 : kind >= 5 ? pick(4) : 3;
            if (end < 3) {
                ui->press(end < 2 ? Qt::Key_Return : Qt::Key_Escape);
            } else if (end == 3) {
                ui->clickPosition(1 << pick(9), pick(2) == 1);
            } else {
                reset->trigger();
            }
            QVERIFY2(ui->consistent(), qPrintable(QStringLiteral("step %1: %2 shown, %3 stored")
                                                      .arg(step)
                                                      .arg(ui->label()->text())
                                                      .arg(ui->app.intStartAddress)));
            refusals += ui->fakes.messages.size();
            ui->fakes.messages.clear();
        }
        QVERIFY(refusals > std::size_t(actions / 20));
    }

private:
    // Plays keys ({Name}), typed text, {DblClick}, {Inactive} and clicks (@name)
    // to whatever has the keyboard: a pop-up, the editor or the focused control.
    void play(QStringList tokens) {
        while (!tokens.isEmpty()) {
            const QString token = tokens.takeFirst();
            QWidget* popup = QApplication::activePopupWidget();
            QWidget* target = popup != nullptr ? popup : ui->window.focusWidget();
            if (token == "{DblClick}") {
                ui->openEditor();
            } else if (token == "{Inactive}") {
                other.show();
                other.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&other));
            } else if (token.startsWith(QLatin1Char('@'))) { // @name or @name/right, /middle
                const QStringList click = token.mid(1).split(QLatin1Char('/'));
                const Qt::MouseButton button = click.size() == 1     ? Qt::LeftButton
                                               : click[1] == "right" ? Qt::RightButton
                                                                     : Qt::MiddleButton;
                ui->withPopup([&] { ui->click(ui->get(click[0]), button); },
                              [&](QWidget*) { play(std::exchange(tokens, {})); });
            } else if (!token.startsWith(QLatin1Char('{'))) {
                typed << token;
                QTest::keyClicks(target, token);
            } else {
                const QKeyCombination key = QKeySequence(token.mid(1, token.size() - 2))[0];
                ui->withPopup([&] { QTest::keyClick(target, key.key(), key.keyboardModifiers()); },
                              [&](QWidget*) { play(std::exchange(tokens, {})); });
            }
        }
    }

    std::unique_ptr<WindowDriver> ui;
    QList<QPair<QWidget*, QString>> spoken; // descriptions, as controls take the focus
    QStringList typed;                      // texts typed by play()
    QWidget other;
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
