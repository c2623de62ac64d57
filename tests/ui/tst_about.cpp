#include "fakeservices.h"
#include "qtappinformation.h"
#include "qtmessagebox.h"
#include "showabout.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace brisolant;

class AboutTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textForAGivenYearAndName_data();
    void textForAGivenYearAndName();
    void yearIsReadAtEveryCall();
    void breaksAreSingleCarriageReturns();
    void realApplicationInformation();
    void messageBoxShowsLinesWithOneOkAndTheApplicationTitle();
};

void AboutTest::textForAGivenYearAndName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("firstLines");

    QTest::newRow("as delivered") << "Brisolant" << 0 << 2026
                                  << "Brisolant 1.0 (Release 1.3.0)\r(C) 2026";
    QTest::newRow("renamed executable")
        << "DipCalc" << 0 << 2026 << "DipCalc 1.0 (Release 1.3.0)\r(C) 2026";
    QTest::newRow("two-digit revision")
        << "Brisolant" << 12 << 2030 << "Brisolant 1.0 (Release 1.3.12)\r(C) 2030";
}

void AboutTest::textForAGivenYearAndName() {
    QFETCH(QString, name);
    QFETCH(int, revision);
    QFETCH(int, year);
    QFETCH(QString, firstLines);
    testing::FixedAppInformation app;
    app.name = name.toStdString();
    app.revisionNumber = std::int16_t(revision);
    testing::FixedClock clock;
    clock.year = year;

    const std::string expected = firstLines.toStdString() + std::string(kCreditLine) + "\r" +
                                 std::string(kWebAddress) + "\r\r";
    QCOMPARE(aboutText(app, clock), expected);
}

void AboutTest::yearIsReadAtEveryCall() {
    testing::RecordingMessageBox box;
    testing::FixedAppInformation app;
    testing::FixedClock clock;
    clock.year = 2026;
    ShowAbout(box, app, clock);
    clock.year = 2027;
    ShowAbout(box, app, clock);
    QCOMPARE(box.texts.size(), size_t{2});
    QVERIFY(box.texts[0].find("(C) 2026 ") != std::string::npos);
    QVERIFY(box.texts[1].find("(C) 2027 ") != std::string::npos);
}

void AboutTest::breaksAreSingleCarriageReturns() {
    const std::string text = aboutText(testing::FixedAppInformation{}, testing::FixedClock{});
    QVERIFY(text.find('\n') == std::string::npos);
    QCOMPARE(std::count(text.begin(), text.end(), '\r'), 4L);
    QVERIFY(text.ends_with(std::string(kWebAddress) + "\r\r"));
    QVERIFY(kCreditLine.starts_with(' '));
}

void AboutTest::realApplicationInformation() {
    const QtAppInformation app;
    // The running test program stands in for Brisolant: its own file name shows.
    QCOMPARE(QString::fromStdString(app.executableBaseName()), QStringLiteral("tst_about"));
    QCOMPARE(app.major(), 1);
    QCOMPARE(app.minor(), 3);
    QCOMPARE(app.revision(), 0);
}

void AboutTest::messageBoxShowsLinesWithOneOkAndTheApplicationTitle() {
    QApplication::setApplicationDisplayName(QStringLiteral("Brisolant"));
    QString shownTitle;
    QString shownText;
    int buttonCount = -1;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        shownTitle = box->windowTitle();
        shownText = box->text();
        buttonCount = int(box->buttons().size());
        icon = box->icon();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QtMessageBox messageBox;
    messageBox.show("one\rtwo\r\r");
    QCOMPARE(shownTitle, QStringLiteral("Brisolant"));
    QCOMPARE(shownText, QStringLiteral("one\ntwo\n\n"));
    QCOMPARE(buttonCount, 1);
    QCOMPARE(icon, QMessageBox::NoIcon);
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
