// The chart window through real keys and its dialogs, offscreen; printing
// through a private CUPS server; and, under a window manager, the program
// started with files and a file dragged onto its main window from another.
#include "chartpageview.h"
#include "chartwindow.h"
#include "windowdriver.h"

#include <QAccessible>
#include <QComboBox>
#include <QDrag>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

using namespace brisolant;

namespace {

// Standard output of a program, or of Brisolant when none is named.
QString outputOf(const QStringList& arguments, const QString& program = BRISOLANT_PROGRAM) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Answers each modal dialog of type T as it comes, until destroyed.
template <typename T> std::unique_ptr<QTimer> answer(const std::function<void(T*)>& with) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [with] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            with(dialog);
        }
    });
    timer->start(20);
    return timer;
}

QList<ChartWindow*> chartWindows() {
    QList<ChartWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ChartWindow*>(widget); window && window->isVisible()) {
            windows << window;
        }
    }
    return windows;
}

} // namespace

class ChartWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QString patch = "Name,DMX\n";
        for (int i = 1; i <= 30; ++i) {
            patch += QStringLiteral("Spot %1,%2\n").arg(i).arg(i * 16 - 15);
        }
        patch += "Dimmer,1\n";
        write("patch.csv", patch.toUtf8());
        write("refused.csv", "Name;DMX\nA;1\nB;x1\n");
        QFile::copy(BRISOLANT_SOURCE "/docs/example-rig.mvr", m_dir.filePath("rig.mvr"));
        startPrinter();
    }
    void cleanupTestCase() {
        if (m_cupsd) {
            m_cupsd->terminate();
            m_cupsd->waitForFinished();
        }
    }
    void cleanup() {
        for (ChartWindow* window : chartWindows()) {
            window->close();
        }
    }

    void opening_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("notes"); // of the first window
        QTest::addColumn<QStringList>("messages");
        const QString refused = "Cannot chart \"%1/refused.csv\": Fixture \"B\" (line 3): start "
                                "address \"x1\" is in none of the notations 17, 2/17, 2.17, 2-17, "
                                "2:17 or 2/17<32.";
        QTest::newRow("patch list, with its warning")
            << QStringList{"patch.csv"} << QStringList{"patch.csv \u2013 switch chart"}
            << "warning: Spot 1 (line 2) and Dimmer (line 32) share channel 1 of universe 1."
            << QStringList{};
        QTest::newRow("show file, with its notes")
            << QStringList{"rig.mvr"} << QStringList{"rig.mvr \u2013 switch chart"}
            << "105 Spot 300 spare (line 116) left out: not patched." << QStringList{};
        QTest::newRow("refused, file and line quoted")
            << QStringList{"refused.csv"} << QStringList{} << "" << QStringList{refused};
        QTest::newRow("unreadable") << QStringList{"none.csv"} << QStringList{} << ""
                                    << QStringList{"Cannot read \"%1/none.csv\": No such file "
                                                   "or directory."};
        QTest::newRow("several, a window each")
            << QStringList{"rig.mvr", "refused.csv", "patch.csv"}
            << QStringList{"patch.csv \u2013 switch chart", "rig.mvr \u2013 switch chart"}
            << "warning: Spot 1 (line 2) and Dimmer (line 32) share channel 1 of universe 1."
            << QStringList{refused};
    }
    void opening() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, titles);
        QFETCH(QString, notes);
        QFETCH(QStringList, messages);
        QStringList shown;
        const auto boxes = answer<QMessageBox>([&shown](QMessageBox* box) {
            shown << box->text();
            box->accept();
        });
        for (QString& file : files) {
            file = m_dir.filePath(file);
        }
        QCOMPARE(ChartWindow::openFiles(files), titles.size());
        QCOMPARE(shown, messages.replaceInStrings("%1", m_dir.path()));
        QStringList opened;
        for (ChartWindow* window : chartWindows()) {
            opened << window->windowTitle();
            if (window->windowTitle() == titles.value(0)) {
                const auto* box = window->findChild<QPlainTextEdit*>("notes");
                QCOMPARE(box->isVisibleTo(window) ? box->toPlainText() : QString(), notes);
            }
        }
        opened.sort();
        QCOMPARE(opened, titles);
    }

    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("page"); // "" when the window has closed
        QTest::addColumn<int>("zoomed");   // -1 smaller, 0 as, 1 larger than A4 fitted
        QTest::newRow("Page Down") << "PgDown"
                                   << "Page 2 of 3" << 0;
        QTest::newRow("past the last page") << "PgDown,PgDown,PgDown"
                                            << "Page 3 of 3" << 0;
        QTest::newRow("End, Page Up") << "End,PgUp"
                                      << "Page 2 of 3" << 0;
        QTest::newRow("Home") << "End,Home"
                              << "Page 1 of 3" << 0;
        QTest::newRow("before the first page") << "PgUp"
                                               << "Page 1 of 3" << 0;
        QTest::newRow("paper A5, from the keyboard") << "Alt+A,Down"
                                                     << "Page 1 of 8" << 1;
        QTest::newRow("zoom in") << "Ctrl++,Ctrl++"
                                 << "Page 1 of 3" << 1;
        QTest::newRow("zoom out") << "Ctrl+-"
                                  << "Page 1 of 3" << -1;
        QTest::newRow("zoom in, fit again") << "Ctrl++,Ctrl+0"
                                            << "Page 1 of 3" << 0;
        QTest::newRow("Ctrl+W closes") << "Ctrl+W"
                                       << "" << 0;
        QTest::newRow("Escape closes") << "Esc"
                                       << "" << 0;
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, page);
        QFETCH(int, zoomed);
        QVERIFY(ChartWindow::openFiles({m_dir.filePath("patch.csv")}) == 1);
        const QPointer<ChartWindow> window = chartWindows().constFirst();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* view = window->findChild<ChartPageView*>();
        const double fitted = view->zoom();
        for (const QString& key : keys.split(u',')) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QTRY_COMPARE(window.isNull() ? QString() : window->findChild<QLabel*>("pageNumber")->text(),
                     page);
        if (window) {
            QCOMPARE(int(view->zoom() > fitted + 0.01) - int(view->zoom() < fitted - 0.01), zoomed);
            // The page is read out to a screen reader: its number and its first fixture.
            const QRegularExpression first("^" + page + "\\. Spot (\\d+) at (\\d+), switches ON: ");
            const auto match = first.match(view->accessibleDescription());
            QVERIFY2(match.hasMatch(), qPrintable(view->accessibleDescription()));
            QCOMPARE(match.captured(2).toInt(), match.captured(1).toInt() * 16 - 15);
        }
    }
    // Every control is named and described for screen readers and reached with Tab.
    void accessible() {
        QVERIFY(ChartWindow::openFiles({m_dir.filePath("rig.mvr")}) == 1);
        ChartWindow* window = chartWindows().constFirst();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QSet<QWidget*> reached;
        for (int i = 0; i < 12; ++i) {
            reached << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->focusPolicy() & Qt::TabFocus && control->isVisibleTo(window)) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(!face->text(QAccessible::Name).isEmpty(),
                         qPrintable(control->objectName()));
                QVERIFY2(!face->text(QAccessible::Description).isEmpty(),
                         qPrintable(face->text(QAccessible::Name)));
                QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
            }
        }
    }

    // What the window saves and prints is the command line's --output.
    void saving_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("printer"); // in the print dialog
        QTest::addColumn<QString>("suffix");
        QTest::newRow("Save as PDF") << "Ctrl+S"
                                     << ""
                                     << ".pdf";
        QTest::newRow("Save as CSV") << "Ctrl+Shift+S"
                                     << ""
                                     << ".csv";
        QTest::newRow("Print to a file") << "Ctrl+P"
                                         << "Print to File (PDF)"
                                         << ".pdf";
        QTest::newRow("Print on a CUPS printer") << "Ctrl+P"
                                                 << "brisolant-test"
                                                 << ".pdf";
    }
    void saving() {
        QFETCH(QString, keys);
        QFETCH(QString, printer);
        QFETCH(QString, suffix);
        if (printer == "brisolant-test" && !m_cupsd) {
            QSKIP("no cupsd to print on");
        }
        QVERIFY(ChartWindow::openFiles({m_dir.filePath("rig.mvr")}) == 1);
        QVERIFY(QTest::qWaitForWindowActive(chartWindows().constFirst()));
        QString saved = m_dir.filePath("rig" + suffix);
        QFile::remove(saved);
        // The name offered is the rig file's own, beside it.
        const auto files = answer<QFileDialog>(
            [](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        const auto prints = answer<QPrintDialog>([&](QPrintDialog* dialog) {
            auto* printers = dialog->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->findText(printer));
            dialog->findChild<QLineEdit*>("filename")->setText(saved);
            dialog->accept();
        });
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));
        if (printer == "brisolant-test") {
            saved = m_dir.filePath("printed/job-1.prn");
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(saved).size() > 0, 5000);
        const QString reference = m_dir.filePath("reference" + suffix);
        outputOf({"--chart-patch", m_dir.filePath("rig.mvr"), "--output", reference});
        if (suffix == ".csv") {
            QCOMPARE(outputOf({saved}, "cat"), outputOf({reference}, "cat"));
            return;
        }
        const QRegularExpression size("(?m)^(Pages|Page size):.*$");
        for (const QString& path : {saved, reference}) {
            QStringList facts;
            for (const auto& match : size.globalMatch(outputOf({path}, "pdfinfo"))) {
                facts << match.captured();
            }
            m_pdf[path] = facts.join(u'\n') + outputOf({"-layout", path, "-"}, "pdftotext");
        }
        QCOMPARE(m_pdf[saved], m_pdf[reference]);
    }

    // A drop of local files on the main window tells their paths once it is over.
    void drop_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("taken");
        QTest::newRow("a file") << QList{QUrl::fromLocalFile("/r/rig.mvr")} << true;
        QTest::newRow("two files")
            << QList{QUrl::fromLocalFile("/r/a"), QUrl::fromLocalFile("/b")} << true;
        QTest::newRow("a web address") << QList{QUrl("https://example.org/rig.mvr")} << false;
    }
    void drop() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, taken);
        testing::WindowDriver ui;
        QSignalSpy dropped(&ui.window, &frmMainSmall::filesDropped);
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = ui.label()->mapTo(&ui.window, QPoint(4, 4));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ui.label(), &enter);
        QCOMPARE(enter.isAccepted(), taken);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ui.window, &drop);
        QCOMPARE(dropped.size(), 0);
        QTRY_COMPARE(dropped.size(), int(taken));
    }

    // Under a window manager: the program started with files shows their
    // charts and no main window; Ctrl+W closes each, the last ends the program.
    void startWithFiles() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("needs X11 and a window manager (tst_chartwindow_desktop)");
        }
        QProcess program;
        program.start(BRISOLANT_PROGRAM, {m_dir.filePath("rig.mvr"), m_dir.filePath("patch.csv")});
        for (const char* file : {"rig.mvr", "patch.csv"}) {
            QString window;
            QTRY_VERIFY_WITH_TIMEOUT(
                !(window = windowNamed(file + QStringLiteral(" \u2013 switch chart"))).isEmpty(),
                20000);
            QVERIFY(windowNamed("^Brisolant$").isEmpty());
            outputOf({"windowactivate", "--sync", window, "key", "ctrl+w"}, "xdotool");
        }
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
    }
    // A file dragged from another program onto the main window opens its chart.
    void dropFromAnotherProgram() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("needs X11 and a window manager (tst_chartwindow_desktop)");
        }
        QProcess program;
        program.start(BRISOLANT_PROGRAM, QStringList{});
        QString target;
        QTRY_VERIFY_WITH_TIMEOUT(!(target = windowNamed("^Brisolant$")).isEmpty(), 20000);
        const QString geometry = outputOf({"getwindowgeometry", "--shell", target}, "xdotool");
        const auto at = [&geometry](const char* key) {
            return QString::number(QRegularExpression(key + QStringLiteral("=(\\d+)"))
                                       .match(geometry)
                                       .captured(1)
                                       .toInt() +
                                   40);
        };
        QWidget source;
        source.setGeometry(600, 600, 100, 100);
        source.show();
        QVERIFY(QTest::qWaitForWindowExposed(&source));
        outputOf({"mousemove", "--sync", "650", "650", "mousedown", "1"}, "xdotool");
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(m_dir.filePath("rig.mvr"))});
        auto* drag = new QDrag(&source); // Qt deletes it when the drag has ended
        drag->setMimeData(data);
        // Moved and let go by another program while the drag runs here.
        QProcess::startDetached("xdotool", {"sleep", "0.3", "mousemove", "--sync", at("X"), at("Y"),
                                            "sleep", "0.3", "mouseup", "1"});
        QCOMPARE(drag->exec(Qt::CopyAction), Qt::CopyAction);
        // Waiting with the event loop running: the drop's data comes from here.
        QTRY_VERIFY_WITH_TIMEOUT(!windowNamed("rig.mvr \u2013 switch chart").isEmpty(), 20000);
        program.terminate();
        QVERIFY(program.waitForFinished());
    }

private:
    // A window shown with a title that matches; "" if none.
    static QString windowNamed(const QString& pattern) {
        return outputOf({"search", "--onlyvisible", "--name", pattern}, "xdotool")
            .section(u'\n', 0, 0);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // A private CUPS server with one printer that keeps each job as a file in
    // printed/, so that nothing of the system's printing changes.
    void startPrinter() {
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
        if (cupsd.isEmpty()) {
            return;
        }
        QDir(m_dir.path()).mkpath("cups/bin/backend");
        QDir(m_dir.path()).mkpath("cups/bin/daemon");
        QDir(m_dir.path()).mkpath("printed");
        // The printer's jobs are written as its own user.
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7711));
        QFile::setPermissions(m_dir.filePath("printed"), QFileDevice::Permissions(0x7777));
        // The helper cupsd starts every backend through.
        QFile::link("/usr/lib/cups/daemon/cups-exec", m_dir.filePath("cups/bin/daemon/cups-exec"));
        const QString root = m_dir.filePath("cups");
        write("cups/bin/backend/keep", "#!/bin/sh\n[ $# -eq 0 ] && exit 0\ncat \"${6:--}\" >" +
                                           m_dir.filePath("printed/job-$1.prn").toUtf8() + "\n");
        QFile::setPermissions(root + "/bin/backend/keep", QFileDevice::Permissions(0x7555));
        write("cups/cupsd.conf", "Listen " + root.toUtf8() +
                                     "/socket\n<Location />\nOrder "
                                     "allow,deny\nAllow all\n</Location>\n");
        QByteArray files =
            "ServerRoot " + root.toUtf8() + "\nServerBin " + root.toUtf8() + "/bin\n";
        // Each in a folder of its own: cupsd clears them of what it did not write.
        for (const char* key : {"RequestRoot", "TempDir", "CacheDir", "StateDir"}) {
            QDir(root).mkdir(key);
            files += QByteArray(key) + ' ' + root.toUtf8() + '/' + key + '\n';
        }
        write("cups/cups-files.conf", files + "ErrorLog " + root.toUtf8() + "/log\n");
        m_cupsd = std::make_unique<QProcess>();
        // Bounded, in case this test is killed before it can end the server.
        m_cupsd->start("timeout", {"300", cupsd, "-f", "-c", root + "/cupsd.conf", "-s",
                                   root + "/cups-files.conf"});
        QTRY_VERIFY(QFile::exists(root + "/socket"));
        qputenv("CUPS_SERVER", (root + "/socket").toUtf8());
        QCOMPARE(QProcess::execute("lpadmin",
                                   {"-p", "brisolant-test", "-E", "-v", "keep:/", "-m", "raw"}),
                 0);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_cupsd;
    QMap<QString, QString> m_pdf;
};

QTEST_MAIN(ChartWindowTest)
#include "tst_chartwindow.moc"
