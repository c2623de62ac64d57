#include "showabout.h"
#include "windowdriver.h"

#include <QMenu>

using namespace brisolant;
using brisolant::testing::WindowDriver;

class BehaviourTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void typicalInteractionStepByStep();
    void enterAcceptsWholeAddresses_data();
    void enterAcceptsWholeAddresses();
    void enterRefusesAndChangesNothing_data();
    void enterRefusesAndChangesNothing();
    void enterWithShiftOrControlActsAsEnter_data();
    void enterWithShiftOrControlActsAsEnter();
    void typingNeverClearsTheAddress();
    void escapeCancels();
    void clickingASwitchWhileEditingCancelsAndRecomputes();
    void infoWhileEditingCancelsAndShowsAbout();
    void doubleClickAfterStartOpensZero();
    void popupOpensOnlyOnRightReleaseOverTheLabel_data();
    void popupOpensOnlyOnRightReleaseOverTheLabel();
    void resetFromThePopup();
    void infoAndAboutShowTheSameText();
    void exitEndsTheProgram();
    void arrowKeysAndSpaceWorkLikeOptionButtons();

private:
    std::unique_ptr<WindowDriver> ui;
    QStringList labelHistory;
};

void BehaviourTest::init() {
    ui = std::make_unique<WindowDriver>();
    QVERIFY(ui->waitUntilActive());
    labelHistory.clear();
    connect(ui->window.get(), &frmMainSmall::addressShown, this,
            [this](const QString& text) { labelHistory << text; });
}

void BehaviourTest::cleanup() {
    ui.reset();
}

void BehaviourTest::typicalInteractionStepByStep() {
    ui->clickPosition(4, true);
    QCOMPARE(ui->label()->text(), QStringLiteral("4"));
    QCOMPARE(ui->app.intStartAddress, 4);

    ui->openEditor();
    QVERIFY(ui->editorShown());
    QCOMPARE(ui->editor()->text(), QStringLiteral("4"));
    QCOMPARE(QApplication::focusWidget(), ui->editor());
    // It covers the picture exactly, and the label on it.
    QCOMPARE(ui->editor()->geometry(), QRect(8, 8, 215, 29));
    QCOMPARE(ui->editor()->geometry(), ui->control(QStringLiteral("Image1"))->geometry());
    QCOMPARE(ui->editor()->font(), ui->window->font());

    ui->typeInEditor(QStringLiteral("100"));
    labelHistory.clear();
    ui->pressInEditor(Qt::Key_Return);
    QCOMPARE(labelHistory, (QStringList{"100", "36", "100"}));
    QCOMPARE(ui->onWeights(), (QList<int>{4, 32, 64}));
    QVERIFY(!ui->editorShown());
    QCOMPARE(QApplication::focusWidget(), ui->position(1, false));
    QCOMPARE(ui->app.intStartAddress, 100);

    QVERIFY(ui->withPopup([this] { ui->click(ui->label(), Qt::RightButton); },
                          [](QWidget* menu) {
                              QTest::keyClick(menu, Qt::Key_Down);
                              QTest::keyClick(menu, Qt::Key_Return);
                          }));
    QVERIFY(ui->onWeights().isEmpty());
    QCOMPARE(ui->label()->text(), QStringLiteral("0"));
    QCOMPARE(ui->app.intStartAddress, 0);
    QVERIFY(ui->fakes.messageBox.texts.empty());
}

void BehaviourTest::enterAcceptsWholeAddresses_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("address");

    QTest::newRow("zero turns all OFF") << "0" << 0;
    QTest::newRow("highest turns all ON") << "511" << 511;
    QTest::newRow("hundred") << "100" << 100;
    QTest::newRow("blanks around") << " 42 " << 42;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("fraction rounds") << "99.7" << 100;
    QTest::newRow("tie rounds to even") << "2.5" << 2;
    QTest::newRow("leading zeros") << "0256" << 256;
}

void BehaviourTest::enterAcceptsWholeAddresses() {
    QFETCH(QString, typed);
    QFETCH(int, address);
    // Start from switches that every row has to move.
    ui->clickPosition(1, true);
    ui->clickPosition(8, true);

    ui->enterAddress(typed);

    QCOMPARE(ui->label()->text(), QString::number(address));
    QCOMPARE(ui->app.intStartAddress, address);
    QVERIFY(ui->addressMatchesSwitches());
    QVERIFY(!ui->editorShown());
    QVERIFY(ui->fakes.messageBox.texts.empty());
}

void BehaviourTest::enterRefusesAndChangesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("complaint");

    QTest::newRow("letters") << "abc"
                             << "not a whole number";
    QTest::newRow("empty") << ""
                           << "not a whole number";
    QTest::newRow("exponent") << "1e2"
                              << "not a whole number";
    QTest::newRow("beyond 16 bits") << "40000"
                                    << "far too large";
    QTest::newRow("one above the switches") << "512"
                                            << "nine switches";
    QTest::newRow("would wrap to 488") << "1000"
                                       << "nine switches";
    QTest::newRow("negative even") << "-4"
                                   << "nine switches";
    QTest::newRow("negative odd") << "-5"
                                  << "nine switches";
    QTest::newRow("rounds past 511") << "511.5"
                                     << "nine switches";
}

void BehaviourTest::enterRefusesAndChangesNothing() {
    QFETCH(QString, typed);
    QFETCH(QString, complaint);
    ui->clickPosition(2, true);
    ui->clickPosition(64, true);
    ui->openEditor();
    ui->typeInEditor(typed);
    labelHistory.clear();

    ui->pressInEditor(Qt::Key_Return);

    QCOMPARE(ui->fakes.messageBox.texts.size(), size_t{1});
    const QString message = QString::fromStdString(ui->fakes.messageBox.texts.front());
    QVERIFY2(message.contains(complaint), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("0 to 511")), qPrintable(message));
    QVERIFY(labelHistory.isEmpty());
    QCOMPARE(ui->label()->text(), QStringLiteral("66"));
    QCOMPARE(ui->app.intStartAddress, 66);
    QCOMPARE(ui->onWeights(), (QList<int>{2, 64}));
    // Still open, the text selected, ready to be corrected.
    QVERIFY(ui->editorShown());
    QCOMPARE(QApplication::focusWidget(), ui->editor());
    QCOMPARE(ui->editor()->text(), typed);
    QCOMPARE(ui->editor()->selectedText(), typed);

    ui->typeInEditor(QStringLiteral("5"));
    ui->pressInEditor(Qt::Key_Enter);
    QCOMPARE(ui->onWeights(), (QList<int>{1, 4}));
    QVERIFY(ui->addressMatchesSwitches());
}

void BehaviourTest::enterWithShiftOrControlActsAsEnter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("shift") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    QTest::newRow("control") << int(Qt::Key_Return) << int(Qt::ControlModifier);
    QTest::newRow("shift and control")
        << int(Qt::Key_Return) << int(Qt::ShiftModifier | Qt::ControlModifier);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void BehaviourTest::enterWithShiftOrControlActsAsEnter() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    ui->openEditor();
    ui->typeInEditor(QStringLiteral("300"));
    ui->pressInEditor(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ui->onWeights(), (QList<int>{4, 8, 32, 256}));
    QCOMPARE(ui->label()->text(), QStringLiteral("300"));
    QVERIFY(!ui->editorShown());
}

void BehaviourTest::typingNeverClearsTheAddress() {
    ui->clickPosition(16, true);
    ui->openEditor();
    ui->typeInEditor(QStringLiteral("123"));
    QCOMPARE(ui->app.intStartAddress, 16);
    ui->pressInEditor(Qt::Key_Escape);
    ui->openEditor();
    QCOMPARE(ui->editor()->text(), QStringLiteral("16"));
}

void BehaviourTest::escapeCancels() {
    ui->clickPosition(32, true);
    ui->openEditor();
    ui->typeInEditor(QStringLiteral("77"));
    labelHistory.clear();
    ui->pressInEditor(Qt::Key_Escape);
    QVERIFY(!ui->editorShown());
    QCOMPARE(QApplication::focusWidget(), ui->position(1, false));
    QVERIFY(labelHistory.isEmpty());
    QCOMPARE(ui->onWeights(), QList<int>{32});
    QCOMPARE(ui->app.intStartAddress, 32);
    QVERIFY(ui->window->isVisible());
}

void BehaviourTest::clickingASwitchWhileEditingCancelsAndRecomputes() {
    ui->clickPosition(4, true);
    ui->openEditor();
    ui->typeInEditor(QStringLiteral("300"));
    ui->clickPosition(2, true);
    QVERIFY(!ui->editorShown());
    QCOMPARE(ui->label()->text(), QStringLiteral("6"));
    QVERIFY(ui->addressMatchesSwitches());
}

void BehaviourTest::infoWhileEditingCancelsAndShowsAbout() {
    ui->clickPosition(128, true);
    ui->openEditor();
    ui->typeInEditor(QStringLiteral("9"));
    ui->click(ui->control(QStringLiteral("cmdInfo")));
    QVERIFY(!ui->editorShown());
    QCOMPARE(ui->fakes.messageBox.texts.size(), size_t{1});
    QCOMPARE(ui->label()->text(), QStringLiteral("128"));
    QCOMPARE(ui->onWeights(), QList<int>{128});
    ui->openEditor();
    QCOMPARE(ui->editor()->text(), QStringLiteral("128"));
}

void BehaviourTest::doubleClickAfterStartOpensZero() {
    ui->openEditor();
    QCOMPARE(ui->editor()->text(), QStringLiteral("0"));
}

void BehaviourTest::popupOpensOnlyOnRightReleaseOverTheLabel_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right over the label") << "lblAusgabe" << int(Qt::RightButton) << true;
    QTest::newRow("left over the label") << "lblAusgabe" << int(Qt::LeftButton) << false;
    QTest::newRow("middle over the label") << "lblAusgabe" << int(Qt::MiddleButton) << false;
    QTest::newRow("right over the picture") << "Image1" << int(Qt::RightButton) << false;
    QTest::newRow("right over a frame") << "Frame3" << int(Qt::RightButton) << false;
    QTest::newRow("right over a switch") << "opt8" << int(Qt::RightButton) << false;
    QTest::newRow("right over Info") << "cmdInfo" << int(Qt::RightButton) << false;
    QTest::newRow("right over the window") << "frmMainSmall" << int(Qt::RightButton) << false;
}

void BehaviourTest::popupOpensOnlyOnRightReleaseOverTheLabel() {
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(bool, opens);
    QWidget* widget =
        target == QLatin1String("frmMainSmall") ? ui->window.get() : ui->control(target);
    const QPoint where = widget == ui->window.get() ? QPoint(2, 2) : widget->rect().center();
    QWidget* shownMenu = nullptr;
    const bool opened = ui->withPopup(
        [&] { QTest::mouseClick(widget, Qt::MouseButton(button), Qt::NoModifier, where); },
        [&](QWidget* popup) { shownMenu = popup; });
    QCOMPARE(opened, opens);
    if (opens) {
        QCOMPARE(shownMenu, ui->window->popupMenu());
    }
    QVERIFY(ui->onWeights().isEmpty());
    QVERIFY(ui->fakes.messageBox.texts.empty());
}

void BehaviourTest::resetFromThePopup() {
    ui->clickPosition(1, true);
    ui->clickPosition(8, true);
    labelHistory.clear();
    ui->withPopup([this] { ui->click(ui->label(), Qt::RightButton); },
                  [](QWidget* menu) {
                      QTest::keyClick(menu, Qt::Key_Down);
                      QTest::keyClick(menu, Qt::Key_Return);
                  });
    QVERIFY(ui->onWeights().isEmpty());
    // One recompute for each switch that was ON.
    QCOMPARE(labelHistory, (QStringList{"0", "0"}));
    QCOMPARE(ui->app.intStartAddress, 0);
    for (int weight = 1; weight <= 256; weight *= 2) {
        QVERIFY(ui->position(weight, false)->isChecked());
    }
}

void BehaviourTest::infoAndAboutShowTheSameText() {
    ui->fakes.clock.year = 2031;
    ui->click(ui->control(QStringLiteral("cmdInfo")));
    ui->withPopup([this] { ui->click(ui->label(), Qt::RightButton); },
                  [](QWidget* menu) {
                      QTest::keyClick(menu, Qt::Key_Down);
                      QTest::keyClick(menu, Qt::Key_Down);
                      QTest::keyClick(menu, Qt::Key_Return);
                  });
    const auto& texts = ui->fakes.messageBox.texts;
    QCOMPARE(texts.size(), size_t{2});
    QCOMPARE(texts.at(0), texts.at(1));
    QCOMPARE(texts.at(0), aboutText(ui->fakes.appInformation, ui->fakes.clock));
    QVERIFY(ui->addressMatchesSwitches());
}

void BehaviourTest::exitEndsTheProgram() {
    ui->click(ui->control(QStringLiteral("cmdClose")));
    QCOMPARE(ui->fakes.programEnd.calls, 1);
    QVERIFY(ui->fakes.messageBox.texts.empty());
}

void BehaviourTest::arrowKeysAndSpaceWorkLikeOptionButtons() {
    QWidget* upper = ui->position(1, false);
    QWidget* lower = ui->position(1, true);
    QCOMPARE(QApplication::focusWidget(), upper);

    QTest::keyClick(upper, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), lower);
    QCOMPARE(ui->label()->text(), QStringLiteral("1"));
    QTest::keyClick(lower, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), upper);
    QCOMPARE(ui->label()->text(), QStringLiteral("0"));

    // Space selects the focused position, once.
    QWidget* eightOn = ui->position(8, true);
    eightOn->setFocus();
    labelHistory.clear();
    QTest::keyClick(eightOn, Qt::Key_Space);
    QTest::keyClick(eightOn, Qt::Key_Space);
    QCOMPARE(labelHistory, QStringList{"8"});
    QVERIFY(ui->addressMatchesSwitches());
}

QTEST_MAIN(BehaviourTest)
#include "tst_behaviour.moc"
