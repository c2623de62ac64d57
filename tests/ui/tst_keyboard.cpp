#include "windowdriver.h"

#include <QSignalSpy>

using namespace brisolant;

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

} // namespace

class KeyboardTest final : public QObject {
    Q_OBJECT

    // Plays keys ({Name}), typed text, {DblClick} and {Inactive} to whatever
    // has the keyboard: a pop-up, the editor or the window's focused control.
    void play(QStringList tokens) {
        while (!tokens.isEmpty()) {
            const QString token = tokens.takeFirst();
            QWidget* popup = QApplication::activePopupWidget();
            QWidget* target = popup != nullptr ? popup : ui->window->focusWidget();
            if (token == "{DblClick}") {
                ui->openEditor();
            } else if (token == "{Inactive}") {
                other.show();
                other.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&other));
            } else if (!token.startsWith(QLatin1Char('{'))) {
                QTest::keyClicks(target, token);
            } else {
                const QKeyCombination key = QKeySequence(token.mid(1, token.size() - 2))[0];
                ui->withPopup([&] { QTest::keyClick(target, key.key(), key.keyboardModifiers()); },
                              [&](QWidget*) { play(std::exchange(tokens, {})); });
            }
        }
    }

    QList<QPair<QWidget*, QString>> spoken; // descriptions, as controls take the focus
    QWidget other;
    std::unique_ptr<testing::WindowDriver> ui;

private Q_SLOTS:
    void init() {
        ui = std::make_unique<testing::WindowDriver>();
        QVERIFY(ui->waitUntilActive());
        connect(qApp, &QApplication::focusChanged, ui->window.get(), [this](QWidget*, QWidget* w) {
            spoken << qMakePair(w, w != nullptr ? w->accessibleDescription() : QString());
        });
    }
    void cleanup() { other.hide(); }

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
        row("Menu, Down, Enter: About", "opt1_0", "{Menu} {Down} {Return}", "opt1_0", 1, "told");
        row("Enter on Info", "cmdInfo", "{Return}", "cmdInfo", 1, "told");
        row("Keypad Enter on Exit", "cmdClose", "{Enter}", "cmdClose", 1, "exit");
        row("Down on an ON upper half", "opt1", "{Down}", "opt1_0", 1);
        row("Down on an ON lower half", "opt1_0", "{Down}", "opt1_0", 1);
        row("Down on an OFF upper half", "opt2", "{Down}", "opt2_0", 3);
        row("Down on an OFF lower half", "opt2_0", "{Down}", "opt2_0", 3);
        row("Up on an ON lower half", "opt1_0", "{Up}", "opt1", 0);
        row("Up on an ON upper half", "opt1", "{Up}", "opt1", 0);
        row("Up on an OFF upper half", "opt2", "{Up}", "opt2", 1);
        row("Up on an OFF lower half", "opt2_0", "{Up}", "opt2", 1);
        row("Right from 1's lever to 2", "opt1_0", "{Right}", "opt2", 1);
        row("Right from 4 to 8, not to 32", "opt4_0", "{Right}", "opt8", 1);
        row("Left from 2 onto 1's lever", "opt2_0", "{Left}", "opt1_0", 1);
        row("Left at the left end", "opt1_0", "{Left}", "opt1_0", 1);
        row("Right at the right end", "opt256", "{Right}", "opt256", 1);
        row("typing replaces", "opt1_0", "{DblClick} 5 {Return}", "opt1", 5);
        row("F2, typing replaces", "opt2", "{F2} 5 {Enter}", "opt1", 5);
        row("End appends", "opt1_0", "{DblClick} {End} 2 {Return}", "opt1", 12);
        row("Left inserts", "opt1_0", "{DblClick} {Left} 2 {Return}", "opt1", 21);
        row("inactive window, Enter", "opt1_0", "{Inactive} {DblClick} 7 {Return}", "opt1", 7);
        row("inactive window, Escape", "opt1_0", "{Inactive} {DblClick} 7 {Escape}", "opt1", 1);
        row("inactive window, refused and corrected", "opt1_0",
            "{Inactive} {DblClick} 511.5 {Return} 7 {Return}", "opt1", 7, "told");
    }
    void keys() {
        QFETCH(QString, from);
        QFETCH(QString, script);
        QFETCH(QString, address);
        QFETCH(QString, effect);
        ui->clickPosition(1, true);
        ui->control(from)->setFocus();
        const QSignalSpy shown(ui->window.get(), &frmMainSmall::addressShown);
        spoken.clear();
        play(script.split(QLatin1Char(' ')));

        const QWidget* focus = ui->window->focusWidget();
        QTEST(focus->objectName(), "focus");
        QCOMPARE(ui->label()->text(), address);
        QVERIFY(ui->addressMatchesSwitches());
        // Asking for the position already selected changes nothing.
        QCOMPARE(shown.isEmpty(), address == "1");
        QCOMPARE(ui->editorShown(), effect == "open");
        const auto& told = ui->fakes.messageBox.texts;
        QCOMPARE(told.size(), size_t(effect == "told"));
        // A refused text is quoted as typed, not as the number it rounds to.
        QVERIFY(!script.contains("511.5") || told[0].rfind("\"511.5\" is not an address", 0) == 0);
        QCOMPARE(ui->fakes.programEnd.calls, effect == "exit" ? 1 : 0);
        // A focused switch tells the address from the moment it takes the focus.
        const QString heard = QStringLiteral("Start address %1.").arg(address);
        const bool isSwitch = focus->objectName().startsWith(QLatin1String("opt"));
        spoken << qMakePair(ui->window->focusWidget(), focus->accessibleDescription());
        for (const auto& [widget, text] : std::as_const(spoken)) {
            QVERIFY2(!isSwitch || widget != focus || text.startsWith(heard), qPrintable(text));
        }
    }

    void iconAndContrastOnTheGrabbedWindow() {
        QCOMPARE(ui->window->windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {32, 32}, {64, 64}}));
        const QImage small = ui->window->windowIcon().pixmap(QSize(32, 32)).toImage();
        QVERIFY(qAlpha(small.pixel(0, 0)) < 16 && qAlpha(small.pixel(16, 16)) == 255);
        QVERIFY(ui->label()->accessibleDescription().contains(QStringLiteral("F2")));
        const QPalette standard = QApplication::palette();
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? QPalette(QColor(53, 53, 53)) : standard);
            init();
            ui->enterAddress(QStringLiteral("261")); // switches 1, 4 and 256 ON
            play({"{DblClick}", "{Inactive}"});
            const QImage plain = ui->window->grab().toImage();
            const auto area = [this](const QWidget* control, int inset) {
                return QRect(control->mapTo(ui->window.get(), QPoint()), control->size()) -
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
                ui->window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(ui->window.get()));
                ui->control(QLatin1String(name))->setFocus(Qt::TabFocusReason);
                const QRect rect = area(ui->control(QLatin1String(name)), 0);
                const QImage focused = ui->window->grab().toImage();
                QVERIFY2(contrasting(focused, rect, 3.0, plain, 0) >= 2 * rect.width(), name);
            }
        }
        QApplication::setPalette(standard);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
