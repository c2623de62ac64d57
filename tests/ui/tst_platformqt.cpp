#include "displaycheck.h"
#include "fakeservices.h"
#include "frmmainsmall.h"
#include "handlerboundary.h"
#include "optionbutton.h"
#include "qtmessagebox.h"
#include "qtprogramend.h"
#include "runtimeerror.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <map>

using namespace brisolant;

class PlatformQtTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boundaryReportsAndCarriesOn_data();
    void boundaryReportsAndCarriesOn();
    void nestedHandlersPassErrorsToTheOutermost();
    void optionButtonsShowThePairAndRefuseToUnselect();
    void missingDisplay_data();
    void missingDisplay();
    void programEndLeavesTheEventLoop();
    void exitButtonEndsTheRealEventLoop();
    void realMessageBoxOverTheEditorKeepsItOpen();
};

void PlatformQtTest::boundaryReportsAndCarriesOn_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("report");
    QTest::newRow("overflow") << 0 << "Run-time error 6: Overflow.";
    QTest::newRow("type mismatch with a description")
        << 1 << "\"x\" is no number.\r\rRun-time error 13: Type mismatch.";
    QTest::newRow("standard exception") << 2 << "Unexpected error: boom";
    QTest::newRow("anything else") << 3 << "Unexpected error.";
}

void PlatformQtTest::boundaryReportsAndCarriesOn() {
    QFETCH(int, kind);
    QFETCH(QString, report);
    testing::RecordingMessageBox box;
    HandlerBoundary boundary(box);
    bool after = false;
    const bool finished = boundary.run([&] {
        switch (kind) {
        case 0:
            throw RuntimeError(ErrorNumber::Overflow);
        case 1:
            throw RuntimeError(ErrorNumber::TypeMismatch, "\"x\" is no number.");
        case 2:
            throw std::runtime_error("boom");
        default:
            throw 42;
        }
        after = true;
    });
    QVERIFY(!finished);
    QVERIFY(!after);
    QCOMPARE(box.texts.size(), size_t{1});
    QCOMPARE(QString::fromStdString(box.texts.front()), report);
    // The next handler runs as usual.
    QVERIFY(boundary.run([&] { after = true; }));
    QVERIFY(after);
}

void PlatformQtTest::nestedHandlersPassErrorsToTheOutermost() {
    testing::RecordingMessageBox box;
    HandlerBoundary boundary(box);
    bool outerGoesOn = false;
    boundary.run([&] {
        boundary.run([] { throw RuntimeError(ErrorNumber::Overflow); });
        outerGoesOn = true;
    });
    QVERIFY(!outerGoesOn);
    QCOMPARE(box.texts.size(), size_t{1});
}

void PlatformQtTest::optionButtonsShowThePairAndRefuseToUnselect() {
    testing::RecordingMessageBox box;
    HandlerBoundary boundary(box);
    OptionPair pair;
    QWidget frame;
    OptionButton upper(pair, OptionSlot::Upper, boundary, &frame);
    OptionButton lower(pair, OptionSlot::Lower, boundary, &frame);
    OptionButton::bindPair(pair, upper, lower);
    std::map<OptionSlot, int> clicks;
    pair.setClickHandler([&](OptionSlot slot) { ++clicks[slot]; });

    pair.setValue(OptionSlot::Upper, true);
    QVERIFY(upper.isChecked());
    QCOMPARE(clicks[OptionSlot::Upper], 1);

    // Clicking the selected button again neither unselects it nor raises a Click.
    upper.click();
    QVERIFY(upper.isChecked());
    QCOMPARE(clicks[OptionSlot::Upper], 1);
    upper.setChecked(false);
    QVERIFY(upper.isChecked());
    QVERIFY(pair.value(OptionSlot::Upper));

    lower.click();
    QVERIFY(lower.isChecked());
    QVERIFY(!upper.isChecked());
    QCOMPARE(clicks[OptionSlot::Lower], 1);

    // Both False: both buttons raised, and the upper one keeps the Tab stop.
    pair.setValue(OptionSlot::Lower, false);
    QVERIFY(!upper.isChecked());
    QVERIFY(!lower.isChecked());
    QCOMPARE(upper.focusPolicy(), Qt::StrongFocus);
    QCOMPARE(lower.focusPolicy(), Qt::ClickFocus);
    QVERIFY(box.texts.empty());
}

void PlatformQtTest::missingDisplay_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("missing");
    QTest::newRow("nothing set") << ""
                                 << "" << true;
    QTest::newRow("X11") << "DISPLAY"
                         << "" << false;
    QTest::newRow("Wayland") << "WAYLAND_DISPLAY"
                             << "" << false;
    QTest::newRow("platform chosen") << "QT_QPA_PLATFORM"
                                     << "" << false;
    QTest::newRow("platform argument") << ""
                                       << "-platform" << false;
    QTest::newRow("other argument") << ""
                                    << "-style" << true;
}

void PlatformQtTest::missingDisplay() {
    QFETCH(QString, variable);
    QFETCH(QString, argument);
    QFETCH(bool, missing);
    const QByteArray set = variable.toLatin1();
    const auto environment = [&set](const char* name) -> const char* {
        return set == name ? ":0" : nullptr;
    };
    const QByteArray arg = argument.toLatin1();
    const char* argv[] = {"Brisolant", arg.constData(), "offscreen"};
    const int argc = argument.isEmpty() ? 1 : 3;
    const auto reason = missingDisplayReason(environment, argc, argv);
    QCOMPARE(reason.has_value(), missing);
    if (reason) {
        QVERIFY(reason->find('\n') == std::string::npos);
    }
    // Set but empty is not set.
    const auto emptyDisplay = [](const char* name) -> const char* {
        return std::string_view(name) == "DISPLAY" ? "" : nullptr;
    };
    QVERIFY(missingDisplayReason(emptyDisplay, 1, argv).has_value());
}

void PlatformQtTest::programEndLeavesTheEventLoop() {
    QtProgramEnd end;
    QTimer::singleShot(0, this, [&end] { end.endProgram(); });
    QCOMPARE(QApplication::exec(), 0);
}

void PlatformQtTest::exitButtonEndsTheRealEventLoop() {
    testing::FakeServices fakes;
    QtProgramEnd realEnd;
    modApp app;
    frmMainSmall window(app, {fakes.messageBox, fakes.appInformation, fakes.clock, realEnd});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* exitButton = window.findChild<QToolButton*>(QStringLiteral("cmdClose"));
    QTimer::singleShot(0, exitButton,
                       [exitButton] { QTest::mouseClick(exitButton, Qt::LeftButton); });
    // A second timer fails the test if the loop does not end on its own.
    QTimer::singleShot(5000, this, [] { QApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
}

void PlatformQtTest::realMessageBoxOverTheEditorKeepsItOpen() {
    testing::FakeServices fakes;
    QtMessageBox realBox;
    modApp app;
    frmMainSmall window(app, {realBox, fakes.appInformation, fakes.clock, fakes.programEnd});
    realBox.setParent(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseDClick(window.findChild<QLabel*>(QStringLiteral("lblAusgabe")), Qt::LeftButton);
    auto* editor = window.findChild<QLineEdit*>(QStringLiteral("txtInput"));
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, QStringLiteral("abc"));

    QString shown;
    QTimer::singleShot(50, this, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::keyClick(editor, Qt::Key_Return);

    // The box took the focus for a moment; that is not leaving the editor.
    QVERIFY(shown.contains(QStringLiteral("not a whole number")));
    QVERIFY(!shown.contains(QLatin1Char('\r')));
    QVERIFY(editor->isVisible());
    // No window manager hands the keyboard back here: the window takes it.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::focusWidget(), editor);
    QCOMPARE(editor->selectedText(), QStringLiteral("abc"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblAusgabe"))->text(), QStringLiteral("0"));
}

QTEST_MAIN(PlatformQtTest)
#include "tst_platformqt.moc"
