#include "windowdriver.h"

#include <QAccessible>

using namespace brisolant;

class AccessibilityTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void positionsAreNamedAndShowTheirSelection_data();
    void positionsAreNamedAndShowTheirSelection();
    void addressDisplayExposesTheAddress();
    void editorIsNamed();
};

void AccessibilityTest::positionsAreNamedAndShowTheirSelection_data() {
    QTest::addColumn<int>("weight");
    for (const int weight : {1, 8, 256}) {
        QTest::newRow(qPrintable(QStringLiteral("switch %1").arg(weight))) << weight;
    }
}

void AccessibilityTest::positionsAreNamedAndShowTheirSelection() {
    QFETCH(int, weight);
    testing::WindowDriver ui;
    QAccessibleInterface* off = QAccessible::queryAccessibleInterface(ui.position(weight, false));
    QAccessibleInterface* on = QAccessible::queryAccessibleInterface(ui.position(weight, true));
    QVERIFY(off && on);
    QCOMPARE(off->text(QAccessible::Name), QStringLiteral("Switch %1 OFF").arg(weight));
    QCOMPARE(on->text(QAccessible::Name), QStringLiteral("Switch %1 ON").arg(weight));
    QVERIFY(!off->text(QAccessible::Description).isEmpty());
    QVERIFY(off->state().checkable);
    QVERIFY(off->state().checked);
    QVERIFY(!on->state().checked);

    ui.clickPosition(weight, true);
    QVERIFY(!off->state().checked);
    QVERIFY(on->state().checked);

    // A screen reader selects a position through its actions; toggling the
    // selected one cannot unselect it.
    QAccessibleActionInterface* action = off->actionInterface();
    QVERIFY(action != nullptr);
    action->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(off->state().checked);
    QCOMPARE(ui.label()->text(), QStringLiteral("0"));
    on->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(on->state().checked);
    QCOMPARE(ui.label()->text(), QString::number(weight));
    on->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTest::qWait(10);
    QVERIFY(on->state().checked);
    QVERIFY(!off->state().checked);
    QVERIFY(ui.addressMatchesSwitches());
}

void AccessibilityTest::addressDisplayExposesTheAddress() {
    testing::WindowDriver ui;
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(ui.label());
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("0"));
    ui.clickPosition(64, true);
    ui.clickPosition(2, true);
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("66"));
    QVERIFY(!display->text(QAccessible::Description).isEmpty());
}

void AccessibilityTest::editorIsNamed() {
    testing::WindowDriver ui;
    ui.openEditor();
    QAccessibleInterface* editor = QAccessible::queryAccessibleInterface(ui.editor());
    QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("Start address"));
    QCOMPARE(editor->role(), QAccessible::EditableText);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
