#include "chartpages.h"
#include "pdfchart.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace brisolant;

namespace {

SwitchChart::Chart chartOf(const QStringList& names) {
    SwitchChart::Chart chart;
    for (const QString& name : names) {
        SwitchChart::Row row;
        row.number = chart.rows.size() + 1;
        row.name = name.toStdString();
        row.startAddress = static_cast<std::int16_t>(row.number * 16 - 15);
        row.on = {true, false, false, false, row.number % 2 == 0};
        chart.rows.push_back(row);
    }
    return chart;
}

// A name 100 characters long, the same but for the one in the middle.
QString longName(QChar middle) {
    return QStringLiteral("Moving head spot on truss 2 downstage over the orchestra pit %1 of "
                          "the rig, house left, the far side")
        .arg(middle);
}

// Blurred over 3 by 3 pixels: anti-aliasing draws a thin rule between two
// pixels as two grey ones on the one image and one black one on the other.
QImage blurred(const QImage& image) {
    QImage out(image.size(), QImage::Format_Grayscale8);
    out.fill(Qt::white);
    for (int y = 1; y + 1 < image.height(); ++y) {
        for (int x = 1; x + 1 < image.width(); ++x) {
            int sum = 0;
            for (int i = 0; i < 9; ++i) {
                sum += qGray(image.pixel(x + i % 3 - 1, y + i / 3 - 1));
            }
            out.setPixel(x, y, qRgb(sum / 9, sum / 9, sum / 9));
        }
    }
    return out;
}

} // namespace

class ChartPagesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void names_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QList<int>>("lines"); // per name
        const QString rechts = "ZQ02089 - 48W 8LEDs RGBW 4 in 1 Color Wash Moving Head #1 Rechts";
        QTest::newRow("short, one line") << QStringList{"Spot 1"} << QPageSize::A4 << QList{1};
        QTest::newRow("long, wrapped at a blank")
            << QStringList{rechts, QString(rechts).replace("#1 Rechts", "#2 Links")}
            << QPageSize::A4 << QList{2, 2};
        QTest::newRow("long, one line on the wider cell of A5")
            << QStringList{rechts.left(44)} << QPageSize::A5 << QList{1};
        QTest::newRow("one word longer than a line")
            << QStringList{"LEDBar" + QString(50, u'x') + "End"} << QPageSize::A4 << QList{2};
        QTest::newRow("too long for two lines, end kept")
            << QStringList{longName(u'A').repeated(2)} << QPageSize::A4 << QList{2};
        QTest::newRow("differing only in the middle")
            << QStringList{longName(u'A'), longName(u'B')} << QPageSize::A4 << QList{2, 2};
        QTest::newRow("three differing in two places")
            << QStringList{longName(u'A'), longName(u'B'),
                           QString(longName(u'B')).replace("rig", "pit")}
            << QPageSize::Letter << QList{2, 2, 2};
        QTest::newRow("one name twice, shown alike")
            << QStringList{longName(u'A'), longName(u'A')} << QPageSize::A4 << QList{2, 2};
    }
    // A name is whole, or its first line is its start and its second line
    // ends with its end; two different names never look alike.
    void names() {
        QFETCH(QStringList, names);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QList<int>, lines);
        const ChartPages pages(chartOf(names), "t", QPageSize(paper));
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QStringList shown = pages.nameLines(std::size_t(i));
            QCOMPARE(shown.size(), lines[i]);
            const QString& name = names[i];
            QVERIFY2(name.startsWith(shown.first()), qPrintable(shown.first()));
            // Broken at a blank where the first line has one.
            const QString& first = shown.first();
            QVERIFY(!first.contains(' ') || shown.size() == 1 || name.at(first.size()) == ' ');
            const QString end = shown.last().section(u'\u2026', -1);
            QVERIFY2(end.size() >= std::min<qsizetype>(name.size(), 8) && name.endsWith(end),
                     qPrintable(shown.last()));
            if (!shown.last().contains(u'\u2026')) {
                QCOMPARE(shown.join(name.contains(' ' + shown.last()) ? " " : ""), name);
            }
            for (qsizetype j = 0; j < i; ++j) {
                QCOMPARE(pages.nameLines(std::size_t(j)) == shown, names[j] == name);
            }
        }
    }
    // The same function draws screen and paper: a page drawn on an image at
    // 100 dots per inch is the PDF's page rasterised at 100, but for
    // anti-aliasing and a pixel's shift.
    void pageDrawnAlike() {
        SwitchChart::Chart chart = chartOf({longName(u'A'), longName(u'B'), "Spot"});
        chart.rows[2].sharing = 1;
        chart.rows[2].sharedWith.name = "Wash";
        chart.showsUniverses = true;
        const ChartPages pages(chart, "rig.mvr", QPageSize(QPageSize::A5));
        constexpr int kDpi = 100;
        // pdftoppm takes every pixel the page touches.
        const QSizeF pixels = pages.pageSize().size(QPageSize::Point) * kDpi / 72;
        QImage drawn(int(std::ceil(pixels.width())), int(std::ceil(pixels.height())),
                     QImage::Format_Grayscale8);
        drawn.setDotsPerMeterX(qRound(kDpi / 0.0254));
        drawn.setDotsPerMeterY(qRound(kDpi / 0.0254));
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kDpi / 72.0, kDpi / 72.0);
        pages.paint(painter, 0);
        painter.end();

        const QTemporaryDir dir;
        QFile pdf(dir.filePath("chart.pdf"));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write(PdfChart::render(chart, "rig.mvr", pages.pageSize()));
        pdf.close();
        QCOMPARE(QProcess::execute("pdftoppm", {"-r", QString::number(kDpi), "-gray", "-singlefile",
                                                pdf.fileName(), dir.filePath("page")}),
                 0);
        const QImage printed = QImage(dir.filePath("page.pgm")).convertToFormat(drawn.format());
        QCOMPARE(printed.size(), drawn.size());
        // Pixels of one image unlike all of the other's within a pixel of them.
        const QImage a = blurred(drawn);
        const QImage b = blurred(printed);
        int unlike = 0;
        for (int y = 1; y + 1 < a.height(); ++y) {
            for (int x = 1; x + 1 < a.width(); ++x) {
                int nearest = 255;
                for (int i = 0; i < 9; ++i) {
                    nearest =
                        std::min(nearest, std::abs(qGray(a.pixel(x, y)) -
                                                   qGray(b.pixel(x + i % 3 - 1, y + i / 3 - 1))));
                }
                unlike += nearest > 64;
            }
        }
        QCOMPARE(unlike, 0);
    }
};

QTEST_MAIN(ChartPagesTest)
#include "tst_chartpages.moc"
