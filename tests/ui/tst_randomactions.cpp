#include "windowdriver.h"

#include <QAction>

#include <random>

using namespace brisolant;

// A long seeded sequence of what users do, checking after every step that the
// label shows the sum of the ON switches and intStartAddress holds it.
class RandomActionsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addressAlwaysMatchesTheSwitches();
};

void RandomActionsTest::addressAlwaysMatchesTheSwitches() {
    testing::WindowDriver ui;
    QVERIFY(ui.waitUntilActive());
    QAction* reset = ui.window->popupMenu()->actions().at(0);
    // Pixels are checked elsewhere; here only events and state count, and a
    // hundred thousand repaints would cost minutes.
    ui.window->setUpdatesEnabled(false);

    // Texts a user might type: addresses, edge cases and plain mistakes.
    const QStringList typed = {"0",  "1",   "5",   "100", "255",   "256",   "511", " 42 ",
                               "+7", "2.5", "3.5", "0.4", "512",   "1000",  "-4",  "-5",
                               "-1", "abc", "",    "1e3", "40000", "32768", "5x",  "0x1F"};
    constexpr int kActions = 100000;
    std::mt19937 random(20261207U);
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    int refusals = 0;

    for (int step = 0; step < kActions; ++step) {
        const int kind = pick(10);
        if (kind < 5) {
            ui.clickPosition(1 << pick(9), pick(2) == 1);
        } else if (kind < 9) {
            if (!ui.editorShown()) {
                ui.openEditor();
            }
            ui.typeInEditor(typed.at(pick(int(typed.size()))));
            switch (pick(4)) {
            case 0:
            case 1:
                ui.pressInEditor(Qt::Key_Return);
                break;
            case 2:
                ui.pressInEditor(Qt::Key_Escape);
                break;
            default:
                ui.clickPosition(1 << pick(9), pick(2) == 1);
                break;
            }
        } else {
            reset->trigger();
        }
        if (!ui.addressMatchesSwitches()) {
            QFAIL(qPrintable(QStringLiteral("step %1: label %2, intStartAddress %3")
                                 .arg(step)
                                 .arg(ui.label()->text())
                                 .arg(ui.app.intStartAddress)));
        }
        refusals += int(ui.fakes.messageBox.texts.size());
        ui.fakes.messageBox.texts.clear();
    }
    // The sequence really exercised the refusals, not only the happy paths.
    QVERIFY(refusals > kActions / 20);
}

QTEST_MAIN(RandomActionsTest)
#include "tst_randomactions.moc"
