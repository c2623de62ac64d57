// The real program started as a process, with no display of any kind unless
// a row sets one: its options, its charts, and what it writes where.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "testzip.h"

#include <array>
#include <map>
#include <vector>

namespace {

struct Run {
    int status = -1; // -1: crashed or hung
    QString out;
    QString err;
};

// Runs a command line split at blanks ('' an empty word), where leading
// NAME=value words set the environment, which has no display of any kind, nor
// a locale, unless so set.
Run run(const QString& command, const QString& program = QStringLiteral(BRISOLANT_PROGRAM)) {
    static const QRegularExpression kept(QStringLiteral("^(PATH|HOME|[A-Z]+SAN_OPTIONS)="));
    const QStringList arguments =
        command.split(u' ', Qt::SkipEmptyParts).replaceInStrings(QStringLiteral("''"), QString());
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
        row("Qt's options pass", "-platform offscreen -style=fusion -v", 0, version);
        row("chart, dead display", "DISPLAY=:99 --chart 100", 0, "1  100  001001100  ON: 3 6 7\n");
        row("unknown option", "--frob", 2, "Unknown option 'frob'. See \"Brisolant --help\".");
        row("missing value", "--chart", 2, "Missing value after '--chart'.");
        row("file, no display", "rig.mvr", 1,
            "not set). Without one, \"Brisolant --chart-patch rig.mvr\" writes the chart.");
        row("file and a chart", "rig.mvr -o c.pdf", 2, "files to open in chart windows take no");
        row("two charts", "--chart 1 --chart-patch p", 2, "give one chart");
        row("series of two", "--chart-series 1,16", 2, "FIRST,CHANNELS,COUNT: an address and");
        row("series too long", "--chart-series 1,1,10001", 2, "at most 10000 fixtures, not 10001.");
        row("the longest series", "--chart-series 1/1,16,10000", 0,
            "\n10000  313/241  100011110  ON: 1 5 6 7 8\n");
        row("page size unknown", "--chart 1 -o c.pdf --page-size B7", 2,
            "page size \"B7\"; choose A3, A4, A5, Letter or Legal.");
        row("page size of text", "--chart 1 --page-size A4", 2, "--page-size is for a PDF chart");
        row("output, no chart", "-o c.txt", 2, "need a chart");
        row("output empty", "--chart 1 -o ''", 2, "--output needs a file's name, or \"-\"");
        row("standard input twice", "- x.csv -", 2, "\"-\" is named twice; standard input");
        row("output -", "--chart 1 -o -", 0, "1    1  100000000  ON: 1\n");
        row("output /dev/stdout", "--chart 1 -o /dev/stdout", 0, "1    1  100000000  ON: 1\n");
        row("CSV by --format", "--chart 2 --format csv", 0,
            "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set\n1,,,1,2,1,0 1 0 0 0 "
            "0 0 0 0,2,dip9,2\n");
        row("PDF into a pipe", "--chart 1 -o - --format PDF", 0, "%PDF-1.4");
        row("format and name disagree", "--chart 1 -o c.pdf --format csv", 2,
            "--format csv and the output \"c.pdf\" disagree");
        row("format unknown", "--chart 1 --format xml", 2, "unknown format \"xml\"");
        row("format, no chart", "--format csv", 2, "need a chart");
        row("profile, no chart", "--profile dip10", 2, "need a chart");
        row("no such profile", "--chart 1 --profile dip11", 2,
            "--profile: no profile is called \"dip11\"; there are dip9, dip10, "
            "dip10-function-off, dip10-function-on, dials3, display.");
        row("no display", "", 1, "no display was found");
        row("no display, another Qt option", "-style fusion", 1, "no display was found");
        row("Wayland, but Qt would use X11", "WAYLAND_DISPLAY=wayland-0", 1, "DISPLAY is not set");
        row("dead display", "DISPLAY=:99", 1, "cannot open the X11 display \":99\"");
        row("xcb without X", "-platform xcb", 1, "cannot open an X11 display: DISPLAY is not set.");
        row("German", "LANG=de_DE.UTF-8 --help", 0,
            "Aufruf: Brisolant [Optionen] [Datei...]\n\nZeigt");
        row("German placeholders", "LANG=de_DE.UTF-8 --help", 0,
            "--chart-series <erste,kanäle,anzahl>");
        row("German, a chart's usage error", "LANG=de_DE.UTF-8 --chart 1 --format xml", 2,
            "unbekanntes Format „xml“; text, csv oder pdf wählen. Siehe „Brisolant --help“.");
        row("LANGUAGE before LANG", "LANG=en_US.UTF-8 LANGUAGE=de -h", 0, "Aufruf: Brisolant");
        row("C, whatever LANGUAGE says", "LANG=C LANGUAGE=de -h", 0, "Usage: Brisolant [options]");
        row("English before German", "LANG=de_DE.UTF-8 LANGUAGE=en:de --frob", 2, "Unknown option");
        row("German, no display", "LANG=de_DE.UTF-8", 1, "braucht eine grafische Oberfläche");
        row("--help lists the label sheets", "--help", 0,
            "  a4-38x21        A4, 65 labels of 38.1 × 21.2 mm (Avery L7651), small\n");
        row("labels into a pipe", "--chart 1 --labels A4-63X38 --labels-start 21 --format pdf -o -",
            0, "%PDF-1.4");
        row("labels, not a PDF", "--chart 1 --labels a4-63x38", 2, "labels are a PDF");
        row("labels, no chart", "--labels a4-63x38", 2, "need a chart");
        row("label sheet unknown", "--chart 1 -o l.pdf --labels A5", 2,
            "\"A5\"; choose a4-63x38, a4-99x38, a4-38x21, letter-67x25, letter-102x51, tape-12mm, "
            "tape-24mm.");
        row("labels past the sheet", "--chart 1 -o l.pdf --labels a4-63x38 --labels-start 22", 2,
            "from 1 to 21 of a4-63x38, not \"22\"");
        row("a tape started later", "--chart 1 -o l.pdf --labels tape-12mm --labels-start 2", 2,
            "--labels-start is for a sheet");
        row("a start without labels", "--chart 1 --labels-start 2", 2, "is for labels");
        row("labels with maps", "--chart 1 -o l.pdf --labels a4-63x38 --universe-map", 2,
            "--page-size and --universe-map are for a chart");
        row("maps as CSV", "--chart 1 --universe-map --format csv", 2, "not CSV");
        row("order unknown", "--chart 1 --order name", 2, "unknown order \"name\"");
        row("by address, with maps", "--chart 2/1,17,1<3 --order address --universe-map", 0,
            "3  1/1    100000000  ON: 1\n2  1/17   100010000  ON: 1 5\n1  2/1    100000000  ON: 1\n"
            "\n1 span 1-3 3 3\n1 free 4-16 13\n1 span 17-17 1 2\n1 free 18-512 495\n"
            "1 total used 4 free 508 largest 495\n2 span 1-1 1 1\n2 free 2-512 511\n"
            "2 total used 1 free 511 largest 511\n");
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
        QTest::addColumn<QString>("notes");    // what a chart adds on standard error
        const auto row = [](const char* name, const char* command, const QByteArray& patch,
                            int status, const char* expected, const char* notes = "") {
            QTest::newRow(name) << QString::fromUtf8(command) << patch << status
                                << QString::fromUtf8(expected) << QString::fromUtf8(notes);
        };
        const char* const patch = "--chart-patch %dir/patch.csv";
        row("list", "--chart 1,17,33,49", {}, 0,
            "1    1  100000000  ON: 1\n2   17  100010000  ON: 1 5\n"
            "3   33  100001000  ON: 1 6\n4   49  100011000  ON: 1 5 6\n");
        row("universes", "--chart 1/1,12-017,513", {}, 0,
            "1   1/1    100000000  ON: 1\n2  12/17   100010000  ON: 1 5\n"
            "3   2/1    100000000  ON: 1\n");
        row("series", "--chart-series 1,16,3", {}, 0,
            "1    1  100000000  ON: 1\n2   17  100010000  ON: 1 5\n3   33  100001000  ON: 1 6\n");
        row("series into universe 2", "--chart-series 481,16,3", {}, 0,
            "1  1/481  100001111  ON: 1 6 7 8 9\n2  1/497  100011111  ON: 1 5 6 7 8 9\n"
            "3  2/1    100000000  ON: 1\n");
        row("series over 512", "--chart-series 511,1,3", {}, 0,
            "1  1/511  111111111  ON: 1 2 3 4 5 6 7 8 9\n3  2/1    100000000  ON: 1\n",
            "Fixture 2 left out: 512 needs a tenth switch.\n");
        row("German note", "LANG=de_DE.UTF-8 --chart-series 511,1,3", {}, 0,
            "1  1/511  111111111  ON: 1 2 3 4 5 6 7 8 9\n3  2/1    100000000  ON: 1\n",
            "Gerät 2 ausgelassen: 512 braucht einen zehnten Schalter.\n");
        row("German refusal", "LANG=de_DE.UTF-8 --chart 1,x1", {}, 2,
            "Gerät 2: Startadresse „x1“ ist in keiner der Schreibweisen 17, 2/17, 2.17, 2-17, "
            "2:17 oder 2/17<32.");
        row("first of a series past 512", "--chart-series 500,16,2", {}, 2,
            "Fixture 1: its 16 channels run from 500 to 515, past 512.");
        row("CSV, overlapping", "--chart 3/151<153,3/152 -o %dir/chart.CSV", {}, 0,
            "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set\n"
            "1,,,3,151,3,1 1 1 0 1 0 0 1 0,1 2 3 5 8,dip9,1 2 3 5 8\n"
            "2,,,3,152,1,0 0 0 1 1 0 0 1 0,4 5 8,dip9,4 5 8\n",
            "warning: Fixture 1 and Fixture 2 share channel 152 of universe 3.\n");
        row("no notation", "--chart 1,x1", {}, 2,
            "Fixture 2: start address \"x1\" is in none of the notations 17, 2/17, 2.17, 2-17, "
            "2:17 or 2/17<32.");
        row("negative", "--chart -5", {}, 2,
            "Fixture 1: start address -5 is below 1; DMX channels start at 1.");
        row("above 511", "--chart 17,512", {}, 2,
            "Fixture 2: start address 512 is above 511, the highest nine switches can set.");
        row("universe 0", "--chart 0/5", {}, 2, "Fixture 1: universe 0; universes count from 1.");
        row("past a universe", "--chart 2/513", {}, 2,
            "Fixture 1: start address 2/513 lies past 512, the last channel of a universe.");
        row("empty series", "--chart-series 1,16,0", {}, 2,
            "Nothing to chart: no fixture was given.");
        row("empty list", "--chart ,", {}, 2, "Nothing to chart: no fixture was given.");
        row("commas", patch, "Name,Address\nSpot 1,1\nSpot 2,17\n", 0,
            "Spot 1    1  100000000  ON: 1\nSpot 2   17  100010000  ON: 1 5\n");
        row("padded by characters", patch, "Name,Address\nB\u00fchne 12,1\nSpot 2,17\n", 0,
            "B\u00fchne 12    1  100000000  ON: 1\nSpot 2     17  100010000  ON: 1 5\n");
        row("channels past 512", patch, "Name,Address,Footprint\nA,1\nB,2/498,16\n", 2,
            "Fixture \"B\" (line 3): its 16 channels run from 498 to 513, past 512.");
        row("nothing left", patch, "Name,DMX\nA,\nB,0\n", 2,
            "Nothing to chart: none of the 2 fixtures is patched.");
        row("quoted as typed, not as held", "--chart 2147483647", {}, 2,
            "Fixture 1: start address 2147483647 is above 511 and, counted across universes, lies "
            "past universe 63999.");
        row("series, quoted as typed", "--chart-series 2147483647,16,2", {}, 2,
            "Fixture 1: start address 2147483647 is above 511 and, counted across universes, lies "
            "past universe 63999.");
        row("universe column past the last", patch, "Name,Universe,DMX\nA,64000,1\n", 2,
            "Fixture \"A\" (line 2): universe 64000; universes count up to 63999.");
        row("series, channels below 1", "--chart-series 1,-16,3", {}, 2,
            "Fixture 1: -16 channels; a fixture takes at least 1.");
        row("series, count below 0", "--chart-series 1,16,-99999999999", {}, 2,
            "--chart-series wants a COUNT of 0 or more, not -99999999999. See \"Brisolant "
            "--help\".");
        row("numbered, unnamed, left out", patch,
            "Channel,Label,Address\n601,,\n602,Spot,1\n603,,\n", 0,
            "602 Spot    1  100000000  ON: 1\n",
            "Fixture 601 (line 2) left out: not patched.\n"
            "Fixture 603 (line 4) left out: not patched.\n");
        row("number and name in a refusal", patch, "FID,Name,DMX\n7,Spot,x1\n", 2,
            "Fixture 7 \"Spot\" (line 2): start address \"x1\" is in none of the notations 17, "
            "2/17, 2.17, 2-17, 2:17 or 2/17<32.");
        row("nothing left, two reasons", patch, "Name,Universe,DMX\nA,1,\nB,1,512\n", 2,
            "Nothing to chart: none of the 2 fixtures can be set with nine switches: 1 not "
            "patched, 1 at address 512, which needs a tenth switch.");
        row("CSV, quotes doubled", "--chart-patch %dir/patch.csv -o %dir/chart.CSV",
            "Name,DMX\n\"12\"\" Fresnel \"\"Front\"\"\",1\n", 0,
            "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set\n"
            "1,,\"12\"\" Fresnel \"\"Front\"\"\",1,1,1,1 0 0 0 0 0 0 0 0,1,dip9,1\n");
        const QByteArray scene = "<GeneralSceneDescription><Fixture name=\"Spot, left\"><GDTFSpec>S"
                                 "</GDTFSpec><GDTFMode>M</GDTFMode><Addresses><Address>530"
                                 "</Address></Addresses></Fixture><Fixture name=\"Spare\">"
                                 "<FixtureID>105</FixtureID></Fixture></GeneralSceneDescription>";
        const QByteArray description = "<GDTF><DMXMode Name=\"M\"><DMXChannels><DMXChannel "
                                       "Offset=\"15,16\"/></DMXChannels></DMXMode></GDTF>";
        row("an MVR", "--chart-patch %dir/patch.csv -o %dir/chart.CSV",
            zipOf({{"GeneralSceneDescription.xml", scene},
                   {"S.gdtf", zipOf({{"description.xml", description}})}}),
            0,
            "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set\n"
            "1,,\"Spot, left\",2,18,16,0 1 0 0 1 0 0 0 0,2 5,dip9,2 5\n",
            "105 Spare left out: not patched.\n");
#define EXAMPLES " --profiles " BRISOLANT_SOURCE "/docs/example-profiles.toml"
        row("512 with a tenth switch", "--chart 511,512 --profile dip10 -o %dir/chart.CSV", {}, 0,
            "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set\n"
            "1,,,1,511,1,1 1 1 1 1 1 1 1 1 0,1 2 3 4 5 6 7 8 9,dip10,1 2 3 4 5 6 7 8 9\n"
            "2,,,1,512,1,0 0 0 0 0 0 0 0 0 1,10,dip10,10\n");
        row("dials and display", "--chart 56 --profile dials3 -o %dir/chart.CSV", {}, 0,
            "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set\n"
            "1,,,1,56,1,,,dials3,0 5 6\n");
        row("a display", "--chart 1,56 --profile display", {}, 0,
            "1    1    display: A001\n2   56    display: A056\n");
        row("twelve switches", "--chart 100,56" EXAMPLES " --profile twelve", {}, 0,
            "1  100  001001100100  ON: 3 6 7 10\n2   56  000111000100  ON: 4 5 6 10\n");
        row("off the profile's step, left out",
            "--chart-series 505,1,2" EXAMPLES " --profile decoder", {}, 0,
            "1  505  0001111110  ON: 4 5 6 7 8 9\n",
            "Fixture 2 left out: start address 506 is not one its profile decoder sets, 1 + 4 "
            "\u00d7 k.\n");
        row("off the profile's step, typed", "--chart 9,10" EXAMPLES " --profile decoder", {}, 2,
            "Fixture 2: start address 10 is not one its profile decoder sets, 1 + 4 \u00d7 k.");
        row("a mistake in the profile file", "--chart 1 --profiles %dir/patch.csv",
            "[profile.x]\nswitches = 9\nstep = 0\n", 2,
            "%dir/patch.csv, line 3, \"profile.x.step\": is a whole number from 1 to 512.");
        // A mixed rig: the fixture types given their profiles by the README's rules, a
        // Profile column's own before them.
        row("profiles by type and column",
            "--chart-patch %dir/patch.csv" EXAMPLES " -o %dir/chart.CSV",
            "Name,Manufacturer,Type,Profile,DMX\nScan,,Scanner 12 Pro,,100\n"
            "Dimmer,,LED Dimmer 4,,56\nMenu,Other,Mini Spot,,17\nOdd,,Scanner 12,dip10,512\n",
            0,
            "Number,ID,Name,Universe,Address,Channels,Switches,ON,Profile,Set\n"
            "1,,Scan,1,100,1,0 0 1 0 0 1 1 0 0 1 0 0,3 6 7 10,twelve,3 6 7 10\n"
            "2,,Dimmer,1,56,1,,,led-dials,0 5 6\n3,,Menu,1,17,1,,,menu,d.017\n"
            "4,,Odd,1,512,1,0 0 0 0 0 0 0 0 0 1,10,dip10,10\n");
        row("a Profile column naming none", patch, "Name,Profile,DMX\nA,,1\nB,dip11,2\n", 2,
            R"(Fixture "B" (line 3): no addressing profile is called "dip11".)");
        const QByteArray scanner = "<GDTF><FixtureType Name=\"Scanner 12 Pro\" Manufacturer=\"X\">"
                                   "<DMXModes><DMXMode Name=\"M\"><DMXChannels><DMXChannel "
                                   "Offset=\"1\"/></DMXChannels></DMXMode></DMXModes>"
                                   "</FixtureType></GDTF>";
        const QByteArray decoder = "<GDTF><DMXMode Name=\"M\"><DMXChannels><DMXChannel "
                                   "Offset=\"1\"/></DMXChannels></DMXMode></GDTF>";
        const QByteArray mixed =
            "<GeneralSceneDescription><Fixture name=\"Scan\"><GDTFSpec>Scan</GDTFSpec>"
            "<GDTFMode>M</GDTFMode><Addresses><Address>100</Address></Addresses></Fixture>"
            "<Fixture name=\"Wall\"><GDTFSpec>Example Lighting@Decoder 4</GDTFSpec><GDTFMode>M"
            "</GDTFMode><Addresses><Address>9</Address></Addresses></Fixture>"
            "</GeneralSceneDescription>";
        row("an MVR of mixed fixtures", "--chart-patch %dir/patch.csv" EXAMPLES,
            zipOf({{"GeneralSceneDescription.xml", mixed},
                   {"Scan.gdtf", zipOf({{"description.xml", scanner}})},
                   {"Example Lighting@Decoder 4.gdtf", zipOf({{"description.xml", decoder}})}}),
            0, "Scan  100  001001100100  ON: 3 6 7 10\nWall    9  0000000010    ON: 9\n");
        row("a limit", patch, "DMX" + QByteArray(",").repeated(1000) + "\n1\n", 2,
            "patch.csv, line 1: a row of more than 1000 fields; no patch list has that many "
            "columns.");
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
        QFETCH(QString, notes);
        const bool named = command.contains(" -o ");
        const QString output = named ? m_dir.filePath("chart.CSV") : m_dir.filePath("chart.txt");
        command = prepare(named ? command : command + " --output " + output, patch);
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);

        const Run result = run(command);
        QCOMPARE(result.status, status);
        expected.replace("%dir", m_dir.path());
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, QString(status == 0 ? notes : expected + "\n")
                                 .replace(QRegularExpression("(?m)^(?=.)"), "Brisolant: "));
        QCOMPARE(run(output, "cat").out, status == 0 ? expected : named ? "" : "old\n");
        QStringList after = QDir(m_dir.path()).entryList(QDir::Files);
        after.removeOne(named && status == 0 ? "chart.CSV" : "");
        QCOMPARE(after, before);
    }
    // Patch lists read from pipes and standard input, and charts that would
    // overwrite them or cannot be written, given by a shell ($0 the program)
    // in a folder with patch.csv, a link to it and a second name of it: what a
    // chart would overwrite is refused before anything is written.
    void inputsAndOutputs_data() {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text"); // the chart, or the one line on standard error
        const auto row = [](const char* name, const char* shell, int status, const char* text) {
            QTest::newRow(name) << QString::fromUtf8(shell) << status << QString::fromUtf8(text);
        };
        const char* const chart = "A    7  111000000  ON: 1 2 3\n";
        const char* const overwrite =
            "the chart would overwrite patch.csv, the file it charts; give another --output.";
        row("standard input", R"("$0" --chart-patch - <patch.csv)", 0, chart);
        row("a shell's pipe", R"("$0" --chart-patch <(cat patch.csv))", 0, chart);
        row("a named pipe",
            R"(mkfifo fifo; cat patch.csv >fifo & "$0" --chart-patch fifo; s=$?; kill $!; exit $s)",
            0, chart);
        row("a device", R"("$0" --chart-patch /dev/zero)", 1,
            "cannot read the patch list \"/dev/zero\": it is a device or a socket, not a file.");
        row("output the input", R"("$0" --chart-patch patch.csv -o patch.csv)", 2, overwrite);
        row("through a link", R"("$0" --chart-patch patch.csv -o link.csv)", 2, overwrite);
        row("by a second name", R"("$0" --chart-patch patch.csv --output=same.csv)", 2, overwrite);
        row("standard input onto its file", R"("$0" --chart-patch - -o patch.csv <patch.csv)", 2,
            "the chart would overwrite standard input, the file it charts; give another --output.");
        row("appended to its file", R"("$0" --chart-patch patch.csv >>patch.csv)", 2, overwrite);
        row("a full disk", R"("$0" --chart 1 >/dev/full)", 1,
            "cannot write the chart to standard output: No space left on device.");
    }
    void inputsAndOutputs() {
        QFETCH(QString, shell);
        QFETCH(int, status);
        QFETCH(QString, text);
        const QDir dir(m_dir.filePath("dir"));
        QDir(m_dir.path()).removeRecursively();
        QFile patch(dir.filePath("patch.csv"));
        QVERIFY(dir.mkpath(".") && patch.open(QIODevice::WriteOnly) &&
                patch.write("Name;DMX\nA;7\n") == 13);
        patch.close();
        QVERIFY(patch.link(dir.filePath("link.csv")) &&
                ::link(qPrintable(patch.fileName()), qPrintable(dir.filePath("same.csv"))) == 0);
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start("bash", {"-c", shell, BRISOLANT_PROGRAM});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), status);
        QCOMPARE(status == 0 ? process.readAllStandardOutput() : process.readAllStandardError(),
                 status == 0 ? text.toUtf8() : "Brisolant: " + text.toUtf8() + "\n");
        QVERIFY(patch.open(QIODevice::ReadOnly) && patch.readAll() == "Name;DMX\nA;7\n");
    }
    // Running out of memory ends in one line and exit status 1, not in an abort.
    void outOfMemory() {
        if (qEnvironmentVariableIsSet("ASAN_OPTIONS")) {
            QSKIP("AddressSanitizer needs more address space than the limit leaves");
        }
        QFile big(m_dir.filePath("big.csv"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64{400} << 20));
        QProcess process;
        process.start("/bin/sh", {"-c", R"(ulimit -v 200000 && exec "$0" --chart-patch "$1")",
                                  BRISOLANT_PROGRAM, big.fileName()});
        QVERIFY(process.waitForFinished(20000) && big.remove());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 "Brisolant: out of memory; the chart cannot be made.\n");
    }
    void pdf_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("pages");  // as pdfinfo reports them
        QTest::addColumn<QString>("text");   // of the last fixture, as pdftotext -raw reads it
        QTest::addColumn<QString>("levers"); // drawn up (1) or down (0) in the first cell
        QTest::newRow("A4 by the locale, 12 to a page, in German")
            << "LANG=de_DE.UTF-8 --chart-series 1,16,13"
            << "2 595 x 842 pts (A4)"
            << "Gerät 13\nStartadresse\n193\nON: 1 7 8\nON \u2191\n1 2 3 4 5 6 7 8 9\n"
            << "100000000";
        QTest::newRow("Letter by the locale")
            << "LANG=en_US.UTF-8 --chart-patch %dir/patch.csv"
            << "1 612 x 792 pts (letter)"
            << "Bühne rechts No. 2\nStart address\n511\nON: 1 2 3 4 5 6"
            << "100000000";
        QTest::newRow("size chosen, in capitals") << "LANG=en_US.UTF-8 --chart 261 --page-size a3"
                                                  << "1 842 x 1191 pts (A3)"
                                                  << "Fixture 1\nStart address\n261\nON: 1 3 9\n"
                                                  << "101000001";
        const QString profiles = QStringLiteral(" --profiles " BRISOLANT_SOURCE
                                                "/docs/example-profiles.toml --profile ");
        // Switch 9 at the left, levers drawn down for ON.
        QTest::newRow("numbered from the right, ON down")
            << "--chart 261" + profiles + "upside-down"
            << "1 595 x 842 pts (A4)"
            << "Fixture 1\nStart address\n261\nON: 1 3 9\nON \u2193\n"
            << "011111010";
        QTest::newRow("dials") << "--chart 56" + profiles + "led-dials"
                               << "1 595 x 842 pts (A4)"
                               << "Dials: 0 5 6\n\u00d7100\n0\n\u00d710\n5\n\u00d71\n6"
                               << "";
        QTest::newRow("universes, shared channels")
            << "--chart 2/100<137,2/120"
            << "1 595 x 842 pts (A4)"
            << "Shares channels with Fixture 1\nFixture 2\nUniverse / start address\n2/120\n"
            << "001001100";
    }
    void pdf() {
        QFETCH(QString, command);
        QFETCH(QString, pages);
        QFETCH(QString, text);
        QFETCH(QString, levers);
        const QString output = m_dir.filePath(
            QString::fromUtf8(QTest::currentDataTag()).contains("capitals") ? "CHART.PDF"
                                                                            : "chart.pdf");
        const Run result =
            run(prepare(command + " -o " + output, "DMX,Name\n1,Bühne links\n511,Bühne rechts\n"));
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, QString());
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("(?s)Pages: +(\\d+).*Page size: +([^\\n]*)"))
                .match(run(output, "pdfinfo").out);
        QCOMPARE(match.captured(1) + " " + match.captured(2), pages);
        const QString raw = run("-raw " + output + " -", "pdftotext").out;
        QVERIFY2(raw.contains(text), qPrintable(raw));
        // Text measured for the page, not the screen, is not cut where it fits.
        QVERIFY2(!raw.section(u'\n', 0, 0).contains(u'\u2026'), qPrintable(raw));
        QCOMPARE(leversDrawn(output), levers);
    }
    // The text chart on a terminal: script(1)'s pseudo-terminal, this many
    // columns wide (0: a terminal that tells no width).
    void terminal_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("screen");
        const char* const rig = "--chart-patch %dir/patch.csv";
        QTest::newRow("60 columns, German")
            << 60 << QString("LANG=de_DE.UTF-8 ") + rig << 0
            << "Ger\u00e4t                         Adresse  Schalter 1\u20139  EIN\n"
               "1 Moving \u2026W #1 Rechts hinten    1/1    100000000     ON: 1\n"
               "2 Moving \u2026BW #2 Links hinten   12/17   100010000     ON: 1 5\n";
        QTest::newRow("no PDF") << 80 << "--chart 1 --format pdf" << 2
                                << "Brisolant: a PDF chart is not for a terminal; give --output "
                                   "FILE.pdf, or send it into a pipe or a file. See \"Brisolant "
                                   "--help\".\n";
    }
    void terminal() {
        QFETCH(int, columns);
        QFETCH(QString, command);
        QFETCH(int, status);
        QFETCH(QString, screen);
        command =
            prepare(command, "Channel,Name,Universe,Address\n1,Moving head 48W RGBW #1 "
                             "Rechts hinten,1,1\n2,Moving head 48W RGBW #2 Links hinten,12,17\n");
        // The program after the words that set its environment.
        command.replace(QRegularExpression("^((\\w+=\\S+ )*)"), "\\1" BRISOLANT_PROGRAM " ");
        const Run result = run(QStringLiteral("-qec stty\tcols\t%1;\texec\tenv\t%2 /dev/null")
                                   .arg(columns)
                                   .arg(command.replace(u' ', u'\t')),
                               QStringLiteral("script"));
        QCOMPARE(result.status, status);
        QCOMPARE(QString(result.out).remove(u'\r'), screen);
    }
    // A reader that has gone away is a failed write, not a death by SIGPIPE.
    void closedPipe() {
        std::array<int, 2> ends{};
        QVERIFY(pipe(ends.data()) == 0);
        close(ends[0]);
        QProcess process;
        process.setChildProcessModifier([&ends] { dup2(ends[1], STDOUT_FILENO); });
        process.start(QStringLiteral(BRISOLANT_PROGRAM), {"--chart", "1"});
        QVERIFY(process.waitForFinished());
        close(ends[1]);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 "Brisolant: cannot write the chart to standard output: Broken pipe.\n");
    }

private:
    // A zip archive of the entries, as show files and GDTF files are.
    static QByteArray zipOf(const QList<QPair<QString, QByteArray>>& entries) {
        std::vector<testzip::Entry> zipped;
        for (const auto& [name, bytes] : entries) {
            zipped.push_back({name.toStdString(), bytes.toStdString()});
        }
        return QByteArray::fromStdString(testzip::zipOf(zipped));
    }
    // The levers of the first cell of page 1, read off the page's pixels: above
    // each switch number of the drawing, 1 where the upper half of its slot is
    // the darker one (a lever up, ON), else 0.
    [[nodiscard]] QString leversDrawn(const QString& pdf) const {
        static const QRegularExpression word(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>(\\d)</word>"));
        std::map<double, std::map<double, int>> digits; // by line, then by x: the digit
        for (const auto& match :
             word.globalMatch(run("-bbox -f 1 -l 1 " + pdf + " -", "pdftotext").out)) {
            digits[match.captured(2).toDouble()][match.captured(1).toDouble()] =
                match.captured(3).toInt();
        }
        const QString page = m_dir.filePath(QStringLiteral("page"));
        run("-r 144 -gray -singlefile -f 1 -l 1 " + pdf + " " + page, "pdftoppm");
        const QImage image(page + ".pgm");
        const auto darkness = [&image](double x, double from, double to) {
            int sum = 0;
            for (int y = int(from * 2); y < int(to * 2); ++y) {
                sum += 255 - qGray(image.pixel(int(x * 2), y));
            }
            return sum;
        };
        // Nine numbers in a row, 1 to 9 or as a block numbered from the right, 9 to 1;
        // the levers from the left.
        for (const auto& [top, line] : digits) {
            const std::vector<std::pair<double, int>> cells(line.begin(), line.end());
            for (std::size_t start = 0; start + 9 <= cells.size(); ++start) {
                const bool rising = cells[start].second == 1;
                QString levers(9, u'0');
                for (std::size_t k = 0; k < 9; ++k) {
                    const auto [x, digit] = cells[start + k];
                    if (digit != (rising ? int(k) + 1 : 9 - int(k))) {
                        levers.clear();
                        break;
                    }
                    // The slot ends 3 points above the number and is 38 tall.
                    const double centre = x + 2.5;
                    levers[int(k)] =
                        darkness(centre, top - 38, top - 22) > darkness(centre, top - 19, top - 4)
                            ? u'1'
                            : u'0';
                }
                if (!levers.isEmpty()) {
                    return levers;
                }
            }
        }
        return {};
    }
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
