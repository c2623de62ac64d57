// The real program started as a process, with no display of any kind unless
// a row sets one: its options, its charts, and what it writes where.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1; // -1: crashed or hung
    QString out;
    QString err;
};

// Runs a command line split at blanks, where leading NAME=value words set the
// environment, which has no display of any kind, nor a locale, unless so set.
Run run(const QString& command, const QString& program = QStringLiteral(BRISOLANT_PROGRAM)) {
    static const QRegularExpression kept(QStringLiteral("^(PATH|HOME|[A-Z]+SAN_OPTIONS)="));
    const QStringList arguments = command.split(u' ', Qt::SkipEmptyParts);
    const QStringList variables = arguments.filter(QRegularExpression(QStringLiteral("^[A-Z_]+=")));
    QProcess process;
    process.setEnvironment(QProcess::systemEnvironment().filter(kept) + variables);
    process.start(program, arguments.mid(variables.size()));
    const bool ended =
        process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class CommandLineTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Status 0: the text on standard output, no errors; else one error line with the text.
    void options_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* command, int status,
                            const QString& text) {
            QTest::newRow(name) << QString::fromUtf8(command) << status << text;
        };
        const QString version = QStringLiteral("Brisolant " BRISOLANT_VERSION "\n");
        row("--help", "--help", 0, "--chart-series <first,channels,count>");
        row("-h", "-h", 0, "Usage: Brisolant [options]");
        row("--version", "--version", 0, version);
        row("-v", "-v", 0, version);
        row("Qt's options pass", "-platform offscreen -style=fusion -v", 0, version);
        row("chart, dead display", "DISPLAY=:99 --chart 100", 0, "1  100  001001100  ON: 3 6 7\n");
        row("unknown option", "--frob", 2, "Unknown option 'frob'. See \"Brisolant --help\".");
        row("missing value", "--chart", 2, "Missing value after '--chart'.");
        row("stray argument", "x", 2, "unexpected argument \"x\"");
        row("two charts", "--chart 1 --chart-patch p", 2, "give one chart");
        row("series of two", "--chart-series 1,16", 2, "FIRST,CHANNELS,COUNT as whole numbers");
        row("page size unknown", "--chart 1 -o c.pdf --page-size B7", 2, "page size \"B7\"");
        row("page size of text", "--chart 1 --page-size A4", 2, "--page-size is for a PDF chart");
        row("output, no chart", "-o c.txt", 2, "need a chart");
        row("no display", "", 1, "no display was found");
        row("no display, another Qt option", "-style fusion", 1, "no display was found");
        row("Wayland, but Qt would use X11", "WAYLAND_DISPLAY=wayland-0", 1, "DISPLAY is not set");
        row("dead display", "DISPLAY=:99", 1, "cannot open the X11 display \":99\"");
        row("xcb without X", "-platform xcb", 1, "cannot open an X11 display: DISPLAY is not set.");
    }
    void options() {
        QFETCH(QString, command);
        QFETCH(int, status);
        QFETCH(QString, text);
        if (command.contains("DISPLAY=:99") && QFile::exists("/tmp/.X11-unix/X99")) {
            QSKIP("an X server runs on :99");
        }
        const Run result = run(command);
        QCOMPARE(result.status, status);
        QVERIFY2((status == 0 ? result.out : result.err).contains(text), qPrintable(result.err));
        QVERIFY((status == 0 ? result.err : result.out).isEmpty());
        QVERIFY(status == 0 || result.err.count(u'\n') == 1);
    }
    void charts_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected"); // the chart, or the refusal
        const auto row = [](const char* name, const char* command, const QByteArray& patch,
                            int status, const char* expected) {
            QTest::newRow(name) << QString::fromUtf8(command) << patch << status
                                << QString::fromUtf8(expected);
        };
        const char* const patch = "--chart-patch %dir/patch.csv";
        row("list", "--chart 1,17,33,49", {}, 0,
            "1    1  100000000  ON: 1\n2   17  100010000  ON: 1 5\n"
            "3   33  100001000  ON: 1 6\n4   49  100011000  ON: 1 5 6\n");
        row("list to 511", "--chart 511,100", {}, 0,
            "1  511  111111111  ON: 1 2 3 4 5 6 7 8 9\n2  100  001001100  ON: 3 6 7\n");
        row("series", "--chart-series 1,16,3", {}, 0,
            "1    1  100000000  ON: 1\n2   17  100010000  ON: 1 5\n3   33  100001000  ON: 1 6\n");
        row("series to 512", "--chart-series 481,16,2", {}, 0,
            "1  481  100001111  ON: 1 6 7 8 9\n2  497  100011111  ON: 1 5 6 7 8 9\n");
        row("commas", patch, "Name,Address\nSpot 1,1\nSpot 2,17\n", 0,
            "Spot 1    1  100000000  ON: 1\nSpot 2   17  100010000  ON: 1 5\n");
        row("semicolons", patch, "Fixture;Mode;DMX\nBühne links;16ch;100\n", 0,
            "Bühne links  100  001001100  ON: 3 6 7\n");
        row("quotes", patch, "\"Name\",\"Start address\"\n\"Wash \"\"A\"\"; left\",33\n", 0,
            "Wash \"A\"; left   33  100001000  ON: 1 6\n");
        row("BOM, CRLF, extra columns, blank row", patch,
            "\xEF\xBB\xBF"
            "address,Notes\r\n49,\"x;y\"\r\n,\r\n",
            0, "1   49  100011000  ON: 1 5 6\n");
        row("no whole number", "--chart 1,1.5", {}, 2,
            "Fixture 2: start address \"1.5\" is not a whole number.");
        row("below 1", "--chart 0", {}, 2,
            "Fixture 1: start address 0 is below 1; DMX channels start at 1.");
        row("above 511", "--chart 17,512", {}, 2,
            "Fixture 2: start address 512 is above 511, the highest nine switches can set.");
        row("past 512", "--chart-series 482,16,2", {}, 2,
            "Fixture 2: its 16 channels run from 498 to 513, past 512.");
        row("empty series", "--chart-series 1,16,0", {}, 2,
            "Nothing to chart: no fixture was given.");
        row("empty list", "--chart ,", {}, 2, "Nothing to chart: no fixture was given.");
        row("patch line", patch, "Name;DMX\nA;1\n\nB;x1\n", 2,
            R"(Fixture "B" (line 4): start address "x1" is not a whole number.)");
        row("no Address", patch, "Name,Channel\nA,1\n", 2,
            "patch.csv, line 1: no Address column (nor Start address, DMX) in the header "
            "\"Name,Channel\".");
        row("not UTF-8", patch, "Name,DMX\nA,1\n\xff,2\n", 2,
            "patch.csv, line 3: not UTF-8 text; save the patch list as CSV UTF-8.");
        row("unreadable", "--chart-patch %dir/none.csv", {}, 1,
            "cannot read the patch list \"%dir/none.csv\": No such file or directory.");
    }
    // Every chart replaces an existing output file; every refusal leaves it as
    // it was and writes nothing else.
    void charts() {
        QFETCH(QString, command);
        QFETCH(QByteArray, patch);
        QFETCH(int, status);
        QFETCH(QString, expected);
        const QString output = m_dir.filePath(QStringLiteral("chart.txt"));
        command = prepare(command + " --output " + output, patch);
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);

        const Run result = run(command);
        QCOMPARE(result.status, status);
        expected.replace("%dir", m_dir.path());
        QCOMPARE(result.out + result.err,
                 status == 0 ? QString() : "Brisolant: " + expected + "\n");
        QCOMPARE(run(output, "cat").out, status == 0 ? expected : "old\n");
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    }
    void pdf_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("pages"); // as pdfinfo reports them
        QTest::addColumn<QString>("text");  // of the last fixture, as pdftotext -raw reads it
        QTest::newRow("A4 by the locale, 12 to a page")
            << "LANG=de_DE.UTF-8 --chart-series 1,16,13"
            << "2 595 x 842 pts (A4)"
            << "Fixture 13\nStart address\n193\nON: 1 7 8\nON \u2191\n1 2 3 4 5 6 7 8 9\n";
        QTest::newRow("Letter by the locale")
            << "LANG=en_US.UTF-8 --chart-patch %dir/patch.csv"
            << "1 612 x 792 pts (letter)"
            << "Bühne rechts No. 2\nStart address\n511\nON: 1 2 3 4 5 6";
        QTest::newRow("size chosen") << "LANG=en_US.UTF-8 --chart 5 --page-size a3"
                                     << "1 842 x 1191 pts (A3)"
                                     << "Fixture 1\nStart address\n5\nON: 1 3\n";
    }
    void pdf() {
        QFETCH(QString, command);
        QFETCH(QString, pages);
        QFETCH(QString, text);
        const QString output = m_dir.filePath(QStringLiteral("chart.pdf"));
        const Run result =
            run(prepare(command + " -o " + output, "DMX,Name\n1,Bühne links\n511,Bühne rechts\n"));
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out + result.err, QString());
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("(?s)Pages: +(\\d+).*Page size: +([^\\n]*)"))
                .match(run(output, "pdfinfo").out);
        QCOMPARE(match.captured(1) + " " + match.captured(2), pages);
        const QString raw = run("-raw " + output + " -", "pdftotext").out;
        QVERIFY2(raw.contains(text), qPrintable(raw));
    }

private:
    // A folder (%dir in the command) with an old chart.txt and the patch list, if any.
    [[nodiscard]] QString prepare(QString command, const QByteArray& patch) const {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        for (const auto& [name, bytes] :
             {std::pair{"chart.txt", QByteArray("old\n")}, {"patch.csv", patch}}) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly)) {
                file.write(bytes);
            }
        }
        return command.replace(QStringLiteral("%dir"), m_dir.path());
    }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
