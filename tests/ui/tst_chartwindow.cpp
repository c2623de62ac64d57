// The chart's pages and window through real keys and dialogs, offscreen, printing on a
// CUPS server of its own; under a window manager, a drop from another program and
// labels printed from keys typed by another program.
#include "chartpages.h"
#include "chartpageview.h"
#include "chartreading.h"
#include "chartwindow.h"
#include "drawingdiff.h"
#include "pdfchart.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCompleter>
#include <QDrag>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

using namespace brisolant;

namespace {

// Standard output of a program, or of Brisolant when none is named.
QString outputOf(const QStringList& arguments, const QString& program = BRISOLANT_PROGRAM) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<ChartWindow*> chartWindows(bool hiddenToo = false) {
    QList<ChartWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ChartWindow*>(widget);
            window && (hiddenToo || window->isVisible())) {
            windows << window;
        }
    }
    return windows;
}

// The files, and a private CUPS server, bounded in time, with a printer that
// throws its jobs away: nothing of the system's printing changes. cupsd clears
// each of its folders of what it did not write.
const char* const kSetUp = R"sh(cd %1 && mkdir -p cups/spool cups/cache cups/tmp cups/state
{ echo Name,DMX; for i in $(seq 30); do echo "Spot $i,$((i * 16 - 15))"; done; echo Dimmer,1; } >patch.csv
printf 'Name;DMX\nA;1\nB;x1\n' >refused.csv && cp %2/docs/example-rig.mvr rig.mvr
printf 'Listen %1/cups/socket\n<Location />\nAllow all\n</Location>\n' >cups/cupsd.conf
printf 'ServerRoot %1/cups\nRequestRoot %1/cups/spool\nCacheDir %1/cups/cache\nStateDir %1/cups/state\n' >cups/files
printf 'TempDir %1/cups/tmp\nFileDevice Yes\n' >>cups/files
timeout 300 /usr/sbin/cupsd -f -c %1/cups/cupsd.conf -s %1/cups/files & echo $! >cups/pid
for _ in $(seq 100); do [ -S cups/socket ] && break; sleep 0.05; done
CUPS_SERVER=%1/cups/socket lpadmin -p brisolant-test -E -v file:/dev/null -m raw 2>/dev/null)sh";

SwitchChart::Chart chartOf(const QStringList& names) {
    SwitchChart::Chart chart;
    for (const QString& name : names) {
        SwitchChart::Row& row = chart.rows.emplace_back();
        row.number = chart.rows.size();
        row.name = name.toStdString();
    }
    return chart;
}

// A PDF's first page at 96 dots per inch, grey, as poppler draws it.
QImage firstPage(const QByteArray& pdf) {
    QProcess poppler;
    poppler.start("pdftoppm", {"-r", "96", "-gray", "-singlefile", "-"});
    poppler.write(pdf);
    poppler.closeWriteChannel();
    poppler.waitForFinished();
    return QImage::fromData(poppler.readAllStandardOutput());
}

// A hundred characters, the same but for the one in the middle.
QString longName(QChar middle) {
    return QStringLiteral("Moving head spot on truss 2 downstage over the orchestra pit %1 of "
                          "the rig, house left, the far side")
        .arg(middle);
}

} // namespace

class ChartWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(QProcess::execute(
                    "sh", {"-c", QString(kSetUp).arg(m_dir.path(), BRISOLANT_SOURCE)}) == 0);
        qputenv("CUPS_SERVER", m_dir.filePath("cups/socket").toUtf8());
        // Each modal dialog as it comes: answered as the case says, or, when
        // the case expects none or its answer leaves it open, closed and the
        // case failed. Nothing waits on a person.
        connect(&m_guard, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            m_ticks += dialog != nullptr;
            if (dialog != nullptr && (!m_answer || m_ticks > m_patience)) {
                const auto* box = qobject_cast<QMessageBox*>(dialog);
                m_unanswered << (box != nullptr ? box->text() : dialog->windowTitle());
                dialog->reject();
            } else if (dialog != nullptr) {
                m_answer(dialog);
            }
        });
        m_guard.start(20);
        // The user's profile file here, for this program and the ones it starts.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
    }
    void cleanupTestCase() { // through timeout, which passes it on to the server
        QProcess::execute("sh", {"-c", "kill $(cat " + m_dir.filePath("cups/pid") + ")"});
    }
    void init() {
        m_ticks = 0;
        m_patience = 200;
        m_charted = -1;
    }
    // Whatever a case left: its windows, a dialog, a reading. A reading blocked
    // on standard input ends once the pipe is closed.
    void cleanup() {
        m_answer = nullptr;
        qDeleteAll(chartWindows(true));
        if (m_writer >= 0) {
            ::close(std::exchange(m_writer, -1));
        }
        QTRY_COMPARE(ChartReading::running(), 0);
        QVERIFY2(m_unanswered.isEmpty(), qPrintable("left open: " + m_unanswered.join(" | ")));
    }

    // Screen and paper are drawn alike: a page drawn on an image of 96 dots
    // per inch is the PDF's page rasterised at 96.
    void pageDrawnAlike() {
        const SwitchChart::Chart chart = chartOf({longName(u'A'), longName(u'B'), "Spot"});
        const ChartPages pages(chart, "rig.mvr", QPageSize(QPageSize::A5));
        const QImage printed = firstPage(PdfChart::render(chart, "rig.mvr", pages.pageSize()));
        QImage drawn(printed.size(), QImage::Format_Grayscale8); // 96 dots per inch
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(96 / 72.0, 96 / 72.0);
        pages.paint(painter, 0);
        painter.end();
        QCOMPARE(drawingdiff::unlike(drawn, printed), 0);
    }

    // A window for each file that can be charted, with its notes; for each
    // that cannot, one message quoting the file and the line. Once the windows
    // are closed and the messages answered, and not before, how many were
    // charted.
    void opening_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("notes"); // each window's title and notes, sorted
        QTest::addColumn<int>("charted");
        QTest::newRow("three files")
            << QStringList{"rig.mvr", "refused.csv", "patch.csv"}
            << QStringList{"patch.csv \u2013 switch chart: warning: Spot 1 (line 2) and Dimmer "
                           "(line 32) share channel 1 of universe 1.",
                           "rig.mvr \u2013 switch chart: 105 Spot 300 spare left out: not "
                           "patched."}
            << 2;
        QTest::newRow("none charted") << QStringList{"refused.csv"} << QStringList{} << 0;
    }
    void opening() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, notes);
        QFETCH(int, charted);
        QStringList shown;
        m_answer = [this, &shown](QDialog* box) {
            shown << QString::number(m_charted) + ' ' + static_cast<QMessageBox*>(box)->text();
            box->close();
        };
        const QString dir = m_dir.path() + '/';
        open(QStringList(files).replaceInStrings(QRegularExpression("^"), dir));
        QTRY_COMPARE(shown, QStringList{"-1 Cannot chart \"" + dir +
                                        "refused.csv\": Fixture \"B\" (line 3): "
                                        "start address \"x1\" is in none of the notations 17, "
                                        "2/17, 2.17, 2-17, 2:17 or 2/17<32."});
        QTRY_COMPARE(chartWindows().size(), notes.size());
        QStringList seen;
        for (ChartWindow* window : chartWindows()) {
            const auto* box = window->findChild<QPlainTextEdit*>("notes");
            seen << window->windowTitle() + ": " +
                        (box->isVisibleTo(window) ? box->toPlainText() : "");
            window->close();
        }
        seen.sort();
        QCOMPARE(seen, notes);
        QTRY_COMPARE(m_charted, charted);
    }

    // A file read slowly, from standard input: after a moment its window shows
    // the reading, with Cancel focused, until the chart comes; Cancel or Escape stop the
    // reading once it has read what it waits for, with no message and the
    // pipe still open. Nothing that needs the chart works before it.
    void reading_data() {
        QTest::addColumn<QString>("keys"); // once the reading shows; none: the rest is written
        QTest::newRow("charted") << "";
        QTest::newRow("Cancel") << "Return";
        QTest::newRow("Escape, after Ctrl+S and Ctrl+P") << "Ctrl+S,Ctrl+P,Esc";
    }
    void reading() {
        QFETCH(QString, keys);
        std::array<int, 2> pipe{};
        QVERIFY(::pipe(pipe.data()) == 0 && ::dup2(pipe[0], STDIN_FILENO) == STDIN_FILENO);
        ::close(pipe[0]);
        std::clearerr(stdin);
        m_writer = pipe[1];
        QElapsedTimer since;
        since.start();
        open({"-"});
        const QPointer<ChartWindow> window = shown();
        QVERIFY(window && window->findChild<QProgressBar*>()->isVisible() &&
                !window->findChild<QListWidget*>()->isVisible());
        QVERIFY(since.elapsed() >= 300); // a quick file shows no progress
        QTRY_COMPARE(QApplication::focusWidget(), window->findChild<QPushButton*>("cancel"));
        if (keys.isEmpty()) {
            QVERIFY(::write(m_writer, "Name,DMX\nSpot,1\n", 16) == 16);
            ::close(std::exchange(m_writer, -1));
            QTRY_COMPARE(window->findChild<QLabel*>("pageNumber")->text(), "Page 1 of 2");
            QVERIFY(!window->findChild<QProgressBar*>());
            window->close();
        } else {
            for (const QString& key : keys.split(u',')) {
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
            }
            QTRY_VERIFY(window.isNull());
            // Blank lines until the pipe is full: the reading has stopped.
            ::fcntl(m_writer, F_SETFL, O_NONBLOCK);
            const QByteArray lines(1 << 16, '\n');
            QTRY_VERIFY(::write(m_writer, lines.data(), lines.size()) < 0 &&
                        ChartReading::running() == 0);
        }
        QTRY_COMPARE(m_charted, int(keys.isEmpty()));
    }

    // A file's reading tells how far it has come: all of it, once read.
    void progress() {
        ChartReading reading(m_dir.filePath("patch.csv"));
        QVERIFY(QSignalSpy(&reading, &ChartReading::finished).wait(5000));
        QCOMPARE(reading.progress().value_or(-1), 1.0);
    }

    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("page"); // "" when the window has closed
        QTest::addColumn<int>("zoomed");   // -1 smaller, 0 as, 1 larger than A4 fitted
        const auto row = [](const char* name, const char* keys, const char* page, int zoomed) {
            QTest::newRow(name) << QString(keys) << QString(page) << zoomed;
        };
        row("Page Down", "PgDown", "Page 2 of 4", 0);
        row("End, Page Up: the chart before the map", "End,PgUp", "Page 3 of 4", 0);
        row("paper A5, from the keyboard", "Alt+A,Down", "Page 1 of 9", 1);
        row("zoom in", "Ctrl++,Ctrl++", "Page 1 of 4", 1);
        row("zoom in, fit again", "Ctrl++,Ctrl+0", "Page 1 of 4", 0);
        row("Ctrl+W closes", "Ctrl+W", "", 0);
        row("Escape closes", "Esc", "", 0);
    }
    // A screen reader reads the page out: its number, then fixture by fixture.
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, page);
        QFETCH(int, zoomed);
        open({m_dir.filePath("patch.csv")});
        const QPointer<ChartWindow> window = shown();
        QVERIFY(window);
        auto* view = window->findChild<ChartPageView*>();
        const double fitted = view->zoom();
        for (const QString& key : keys.split(u',')) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QTRY_COMPARE(window ? window->findChild<QLabel*>("pageNumber")->text() : "", page);
        if (window) {
            QCOMPARE(int(view->zoom() > fitted + 0.01) - int(view->zoom() < fitted - 0.01), zoomed);
            const auto read =
                QRegularExpression("^" + page + R"(\. Spot (\d+) at (\d+), switches ON)")
                    .match(view->accessibleDescription());
            QCOMPARE(read.captured(2).toInt(), read.captured(1).toInt() * 16 - 15);
        }
    }

    // A fixture type's profile chosen from the keyboard: the page is drawn again at
    // once, and the choice kept in the user's profile file for the next rig.
    void profiles() {
        QFile high(m_dir.filePath("high.csv"));
        QVERIFY(high.open(QIODevice::WriteOnly) && high.write("Name,DMX\nA,512\nB,17\n") > 0);
        high.close();
        open({high.fileName()});
        ChartWindow* window = shown();
        QVERIFY(window);
        const auto* types = window->findChild<QListWidget*>("fixtureTypes");
        const auto* notes = window->findChild<QPlainTextEdit*>("notes");
        QCOMPARE(types->item(0)->text(), "No type named: 2 fixtures, dip9");
        QCOMPARE(notes->toPlainText(), "A (line 2) left out: 512 needs a tenth switch.");
        // A labels window open beside it follows the choice.
        QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+L"));
        QTRY_VERIFY(QApplication::activeWindow()->objectName() == "LabelsDialog");
        const auto* labels = QApplication::activeWindow()->findChild<ChartPageView*>();
        QApplication::setActiveWindow(window);
        QTRY_VERIFY(QApplication::activeWindow() == window);
        for (const char* key : {"Alt+T", "Alt+R", "Down"}) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QCOMPARE(QApplication::focusWidget()->accessibleName(), "Addressing profile");
        QCOMPARE(types->item(0)->text(), "No type named: 2 fixtures, dip10");
        QVERIFY(!notes->isVisibleTo(window));
        QVERIFY(window->findChild<ChartPageView*>()->accessibleDescription().startsWith(
            "Page 1 of 2. A at 512, switches ON: 10; B at 17, switches ON: 1 5"));
        QCOMPARE(labels->accessibleDescription(),
                 "Page 1 of 1. A at 1/512, switches ON: 10; B at 1/17, switches ON: 1 5");
        QFile kept(m_dir.filePath("config/brisolant/profiles.toml"));
        QVERIFY(kept.open(QIODevice::ReadOnly) &&
                kept.readAll().endsWith("\n[[rule]]\ntype = \"\"\nprofile = \"dip10\"\n"));
        open({high.fileName()});
        const auto listed = [] {
            QStringList first;
            for (ChartWindow* each : chartWindows()) {
                const auto* list = each->findChild<QListWidget*>("fixtureTypes");
                first << (list->isVisible() ? list->item(0)->text() : "");
            }
            return first;
        };
        QTRY_COMPARE(listed(), QStringList(2, "No type named: 2 fixtures, dip10"));
        kept.remove();
    }

    // What the window saves and prints is the command line's --output.
    void saving_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("printer"); // chosen in the print dialog
        QTest::addColumn<QString>("file");    // what it writes; a save offers the rig's name
        QTest::addColumn<QString>("paper");   // of a PDF
        const auto row = [](const char* name, const char* keys, const char* printer,
                            const char* file, const char* paper) {
            QTest::newRow(name) << QString(keys) << QString(printer) << QString(file) << paper;
        };
        row("Save as PDF", "Ctrl+S", "", "rig.pdf", "A4");
        row("Save as PDF on A3", "Alt+A,Up,Ctrl+S", "", "rig.pdf", "A3");
        row("Save as CSV", "Ctrl+Shift+S", "", "rig.csv", "");
        row("Print to a file", "Ctrl+P", "Print to File (PDF)", "printed.pdf", "A4");
        row("Print on A5 to a file", "Alt+A,Down,Ctrl+P", "Print to File (PDF)", "printed.pdf",
            "A5");
        row("Print on a CUPS printer", "Ctrl+P", "brisolant-test", "", ""); // into its queue
    }
    void saving() {
        QFETCH(QString, keys);
        QFETCH(QString, printer);
        QFETCH(QString, file);
        QFETCH(QString, paper);
        open({m_dir.filePath("rig.mvr")});
        QVERIFY(shown());
        const QString saved = m_dir.filePath(file);
        QFile::remove(saved);
        m_answer = [&](QDialog* dialog) {
            if (auto* printers = dialog->findChild<QComboBox*>("printers")) {
                printers->setCurrentIndex(printers->findText(printer));
                dialog->findChild<QLineEdit*>("filename")->setText(saved);
            }
            dialog->accept();
        };
        for (const QString& key : keys.split(u',')) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        if (file.isEmpty()) {
            QTRY_VERIFY(outputOf({"-W", "completed", "-o"}, "lpstat").startsWith(printer + "-1 "));
            return;
        }
        QTRY_VERIFY(QFileInfo(saved).size() > 0);
        const QString reference = m_dir.filePath(file.endsWith("csv") ? "ref.csv" : "ref.pdf");
        // The chart and its maps; the CSV has no maps.
        outputOf(QStringList{"--chart-patch", m_dir.filePath("rig.mvr"), "--output", reference,
                             file.endsWith("csv") ? "--order=list" : "--universe-map"} +
                 (paper.isEmpty() ? QStringList() : QStringList{"--page-size", paper}));
        // A PDF by its page size, the layout of its pages' text and its first page's look.
        const auto read = [](const QString& path) {
            return path.endsWith("csv") ? outputOf({path}, "cat") : pdfText(path);
        };
        QCOMPARE(read(saved), read(reference));
        QFile one(saved);
        QFile other(reference);
        QVERIFY(file.endsWith("csv") ||
                (one.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly) &&
                 drawingdiff::unlike(firstPage(one.readAll()), firstPage(other.readAll())) == 0));
    }

    // The labels the window saves are the command line's --labels for the
    // A save never offers to replace the patch list charted, but a name beside it.
    void savingNeverReplacesTheRig_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("offered");
        QTest::newRow("Save as CSV") << "Ctrl+Shift+S"
                                     << "patch-chart.csv";
        QTest::newRow("Save as PDF") << "Ctrl+S"
                                     << "patch.pdf";
        QTest::newRow("Save labels as PDF") << "Ctrl+L,Ctrl+S"
                                            << "patch-labels.pdf";
    }
    void savingNeverReplacesTheRig() {
        QFETCH(QString, keys);
        QFETCH(QString, offered);
        open({m_dir.filePath("patch.csv")});
        QVERIFY(shown());
        QStringList said;
        m_answer = [&](QDialog* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                said << QFileInfo(files->selectedFiles().value(0)).fileName();
            }
            dialog->reject();
        };
        for (const QString& key : keys.split(u',')) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
            if (key == "Ctrl+L") { // the labels' window, to save from
                QTRY_VERIFY(QApplication::activeWindow()->objectName() == "LabelsDialog");
            }
        }
        QTRY_COMPARE(said, QStringList{offered});
    }

    // sheet and start chosen from the keyboard; each control, tabbed through, is
    // named for a screen reader.
    void labels() {
        open({m_dir.filePath("patch.csv")});
        QVERIFY(shown());
        QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+L"));
        QTRY_VERIFY(QApplication::activeWindow()->objectName() == "LabelsDialog");
        const QWidget* labels = QApplication::activeWindow();
        for (const char* key : {"Alt+S", "Down", "Down", "Alt+T", "Ctrl+A", "7", "Tab"}) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QCOMPARE(labels->findChild<QLabel*>("pageNumber")->text(), "Page 1 of 1");
        // Tabbed through, each control as a screen reader names it.
        QStringList named;
        for (int tabs = 0; tabs < 5; ++tabs) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Tab"));
            named << QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                         ->text(QAccessible::Name);
        }
        // On Linux a combo box's name is its value; the sheet's label names it.
        auto* sheet = labels->findChild<QComboBox*>("sheet");
        QCOMPARE(named,
                 QStringList({"Save labels as PDF\u2026", "Labels page", sheet->currentText(),
                              "Start at label", "Print labels\u2026"}));
        const auto label =
            QAccessible::queryAccessibleInterface(sheet)->relations(QAccessible::Label);
        QVERIFY(label.size() == 1 && label.first().first->text(QAccessible::Name) == "Sheet:");
        m_answer = [](QDialog* dialog) {
            dialog->accept();
        };
        QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+S"));
        const QString saved = m_dir.filePath("patch-labels.pdf");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(saved).size() > 0, 20000);
        QCOMPARE(pdfText(saved), pdfText(referenceOf({"--labels", "a4-38x21", "--labels-start", "7",
                                                      "--chart-patch", "patch.csv"})));
    }

    // Under a window manager (tst_chartwindow_desktop): dragged from here, moved and let
    // go by another program, onto the main window in the middle of the screen.
    void dropFromAnotherProgram() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("needs X11 and a window manager");
        }
        const auto windowNamed = [](const QString& pattern) {
            return !outputOf({"search", "--onlyvisible", "--name", pattern}, "xdotool").isEmpty();
        };
        QProcess program;
        program.start(BRISOLANT_PROGRAM, QStringList{});
        QTRY_VERIFY_WITH_TIMEOUT(windowNamed("^Brisolant$"), 20000);
        QWidget source;
        source.show();
        QVERIFY(QTest::qWaitForWindowExposed(&source));
        outputOf(QString("mousemove --window %1 9 9 mousedown 1").arg(source.winId()).split(' '),
                 "xdotool");
        auto* drag = new QDrag(&source); // Qt deletes it when the drag is over
        drag->setMimeData(new QMimeData);
        drag->mimeData()->setUrls({QUrl::fromLocalFile(m_dir.filePath("rig.mvr"))});
        // Moved once the drag has begun, let go once the window has taken it, as a
        // user waits for the cursor: let go before the window has answered, the
        // drop is refused. Let go anyway after 10 s.
        const auto xdotool = [](const char* command) {
            QProcess::startDetached("xdotool", QString(command).split(' '));
        };
        QTimer::singleShot(0, &source, [&] { xdotool("mousemove --polar 0 0"); });
        connect(drag, &QDrag::actionChanged, &source, [&](Qt::DropAction action) {
            if (action == Qt::CopyAction) {
                xdotool("mouseup 1");
            }
        });
        QTimer::singleShot(10000, &source, [&] { xdotool("mouseup 1"); });
        QCOMPARE(drag->exec(Qt::CopyAction), Qt::CopyAction);
        // Waited for with the event loop running: the drop's data comes from here.
        QTRY_VERIFY_WITH_TIMEOUT(windowNamed("rig.mvr \u2013 switch chart"), 20000);
        program.terminate();
    }

    // Under a window manager: "Brisolant FILE..." ends once each of its
    // windows, a file's message included, is closed with Escape; status 1
    // when no file was charted.
    void endsWithItsWindows_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("status");
        QTest::newRow("none charted") << QStringList{"refused.csv"} << 1;
        QTest::newRow("one of two charted") << QStringList{"refused.csv", "patch.csv"} << 0;
    }
    void endsWithItsWindows() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("needs X11 and a window manager");
        }
        QFETCH(QStringList, files);
        QFETCH(int, status);
        QProcess program;
        program.setWorkingDirectory(m_dir.path());
        program.start(BRISOLANT_PROGRAM, files);
        // Escape once each file has its window and a quick file its chart:
        // Escape during a reading cancels it.
        const QStringList windows = {"search", "--onlyvisible", "--pid",
                                     QString::number(program.processId()), "."};
        QTRY_VERIFY_WITH_TIMEOUT(outputOf(windows, "xdotool").count('\n') >= files.size(), 20000);
        QTest::qWait(1000);
        // The window activated first and Escape typed apart: chained after a search,
        // xdotool sends a key's release as a message to the window found once that
        // window has lost the focus, and the press closes it; the key stayed held down
        // in the X server and repeated into the next case's windows.
        const QStringList activate =
            QString("2 xdotool search --onlyvisible --pid %1 . windowactivate --sync")
                .arg(program.processId())
                .split(' ');
        for (int tries = 0; tries < 40 && !program.waitForFinished(200); ++tries) {
            outputOf(activate, "timeout");
            keys("key", "Escape");
        }
        QCOMPARE(program.state(), QProcess::NotRunning);
        QCOMPARE(program.exitCode(), status);
    }

    // Labels printed to a file through the print dialog from the keys alone,
    // each step's keys typed once the step before shows: what --labels writes.
    // Under a window manager (tst_chartwindow_desktop), typed by another program.
    void printLabelsFromTheKeyboard() {
        open({m_dir.filePath("rig.mvr")});
        QVERIFY(shown());
        keys("key", "ctrl+l");
        QTRY_VERIFY(QApplication::activeWindow() &&
                    QApplication::activeWindow()->objectName() == "LabelsDialog");
        const QString printed = m_dir.filePath("printed-labels.pdf");
        const QString toFile = "Print to File (PDF)";
        std::size_t step = 0;
        m_answer = [&](QDialog* dialog) {
            const auto* printers = dialog->findChild<QComboBox*>("printers");
            const auto* name = dialog->findChild<QLineEdit*>("filename");
            if (printers == nullptr || name == nullptr) {
                m_unanswered << dialog->windowTitle();
                dialog->reject();
                return;
            }
            // Alt+N the printers, the last printing to a file; Alt+F its name; Return
            // once no completions are listed, which would keep it from the dialog.
            const std::array<std::pair<bool, QStringList>, 4> steps{{
                {printers->findText(toFile) >= 0, {"key", "alt+n End"}},
                {printers->currentText() == toFile && name->isEnabled(), {"key", "alt+f ctrl+a"}},
                {name->hasFocus() && name->selectedText() == name->text(), {"type", printed}},
                {name->text() == printed &&
                     !(name->completer() && name->completer()->popup()->isVisible()),
                 {"key", "Return"}},
            }};
            const QWidget* focus = QApplication::focusWidget();
            if (focus && focus->window() == dialog && step < steps.size() && steps.at(step).first) {
                keys(steps.at(step).second[0], steps.at(step).second[1]);
                ++step;
            }
        };
        m_patience = 500;
        keys("key", "ctrl+p");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(printed).size() > 0 || !m_unanswered.isEmpty(), 20000);
        QVERIFY2(m_unanswered.isEmpty(), qPrintable(QString("typed %1 of 4 steps").arg(step)));
        QTRY_COMPARE(pdfText(printed),
                     pdfText(referenceOf({"--labels", "a4-63x38", "--chart-patch", "rig.mvr"})));
    }

private:
    // Keys as a user types them: "key" names keys, "type" types text. Under X11
    // another program types them, through the X server into the window focused.
    static void keys(const QString& how, const QString& what) {
        if (QGuiApplication::platformName() == "xcb") {
            outputOf(QStringList{how} + (how == "key" ? what.split(' ') : QStringList{what}),
                     "xdotool");
        } else if (how == "type") {
            QTest::keyClicks(QApplication::focusWidget(), what);
        } else {
            for (const QString& key : what.split(' ')) {
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
            }
        }
    }
    // Opens the files' windows; ended sets m_charted.
    void open(const QStringList& paths) {
        ChartWindow::openFiles(paths, nullptr, [this](int charted) { m_charted = charted; });
    }
    // The first window shown and active, or nothing once the files have ended.
    ChartWindow* shown() {
        const bool one =
            QTest::qWaitFor([this] { return !chartWindows().isEmpty() || m_charted >= 0; });
        return one && !chartWindows().isEmpty() &&
                       QTest::qWaitForWindowActive(chartWindows().constFirst())
                   ? chartWindows().constFirst()
                   : nullptr;
    }

    // A PDF by its page size and the layout of its pages' text.
    static QString pdfText(const QString& path) {
        return outputOf({path}, "pdfinfo").section("Page size:", 1).section('\n', 0, 0) +
               outputOf({"-layout", path, "-"}, "pdftotext");
    }
    // What the command line writes with these options, the files in the test's folder.
    [[nodiscard]] QString referenceOf(QStringList options) const {
        QString reference = m_dir.filePath("reference.pdf");
        options.replace(options.size() - 1, m_dir.filePath(options.last()));
        outputOf(options + QStringList{"--output", reference});
        return reference;
    }
    QTemporaryDir m_dir;
    QTimer m_guard;
    std::function<void(QDialog*)> m_answer;
    int m_ticks = 0;      // of the guard's, with a dialog open
    int m_patience = 200; // ticks before a dialog is closed and the case failed
    QStringList m_unanswered;
    int m_charted = -1;
    int m_writer = -1; // of the pipe that is standard input
};

QTEST_MAIN(ChartWindowTest)
#include "tst_chartwindow.moc"
