// Labels and universe maps as the writers draw them, read back from their PDFs by poppler:
// where every word and every inked pixel lies, and what the maps say.
#include "chartpages.h"
#include "drawingdiff.h"
#include "labelpages.h"
#include "pagesequence.h"
#include "pdfchart.h"
#include "pdfpages.h"
#include "universemappages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace brisolant;

namespace {

constexpr qreal kMillimetre = 72 / 25.4;

struct Word {
    int page = 0; // from 0
    QRectF box;   // in points; a page's own size, with no text
    QString text;
};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of a PDF with its box, as pdftotext -bbox finds them.
QList<Word> wordsOf(const QString& pdf) {
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    int page = -1;
    for (const QRegularExpressionMatch& match :
         tag.globalMatch(run("pdftotext", {"-bbox", pdf, "-"}))) {
        if (!match.captured(1).isEmpty()) {
            words.append({++page,
                          QRectF(0, 0, match.captured(1).toDouble(), match.captured(2).toDouble()),
                          QString()});
            continue;
        }
        const QPointF from(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.append(
            {page,
             QRectF(from, QPointF(match.captured(5).toDouble(), match.captured(6).toDouble())),
             match.captured(7)});
    }
    return words;
}

// A page of a PDF at dpi dots per inch, grey, as poppler draws it; only the
// part within points, when given.
QImage pageOf(const QString& pdf, int page, double dpi, const QRectF& points = {}) {
    const QString image = pdf + ".page";
    QStringList crop;
    if (!points.isNull()) {
        const QRect dots = QRectF(points.topLeft() * dpi / 72, points.size() * dpi / 72).toRect();
        crop = {"-x", QString::number(dots.x()),     "-y", QString::number(dots.y()),
                "-W", QString::number(dots.width()), "-H", QString::number(dots.height())};
    }
    run("pdftoppm", QStringList{"-r", QString::number(dpi), "-gray", "-singlefile", "-f",
                                QString::number(page), "-l", QString::number(page)} +
                        crop + QStringList{pdf, image});
    return QImage(image + ".pgm");
}

// A chart of count fixtures of 16 channels in universes of 20, every third
// with a long name, two of them alike but for one character in the middle,
// every fourth set on a display.
SwitchChart::Chart rigOf(int count) {
    std::vector<SwitchChart::Fixture> fixtures(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        SwitchChart::Fixture& fixture = fixtures[static_cast<std::size_t>(i)];
        fixture.number = std::to_string(101 + i);
        fixture.name = i % 3 == 0 ? "Moving head spot on truss 2 downstage over the pit " +
                                        std::to_string(i % 2) + " of the rig, house left"
                                  : "Spot " + std::to_string(i);
        fixture.universe = 1 + i / 20;
        fixture.address = 1 + (i % 20) * 16;
        fixture.channels = 16;
        fixture.profile = i % 4 == 3 ? "display" : "";
    }
    return SwitchChart::make(fixtures, SwitchChart::Unsettable::Refuse);
}

// The switch drawing of the fixture whose address is shown after the
// "ON" caption numbered nth, at dpi: from its caption to its switch 9.
QImage drawingOf(const QString& pdf, int nth, double dpi) {
    QList<Word> words = wordsOf(pdf);
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return std::pair(a.box.top(), a.box.left()) < std::pair(b.box.top(), b.box.left());
    });
    QList<QRectF> captions;
    for (const Word& word : words) {
        captions << (word.text == "ON" && word.page == 0 ? word.box : QRectF());
    }
    captions.removeAll(QRectF());
    const QRectF on = captions.value(nth);
    QRectF nine;
    for (const Word& word : words) {
        if (word.text == "9" && word.box.left() > on.left() && word.box.top() > on.bottom() &&
            (nine.isNull() || word.box.top() < nine.top())) {
            nine = word.box;
        }
    }
    const qreal pad = nine.right() - on.left();
    const QRectF block =
        QRectF(on.topLeft(), nine.bottomRight()).adjusted(-pad / 20, -pad / 20, pad / 20, pad / 20);
    return pageOf(pdf, 1, dpi, block);
}

} // namespace

class LabelsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sheets_data() {
        QTest::addColumn<QString>("sheet");
        for (const LabelSheet& sheet : LabelSheet::all()) {
            QTest::newRow(sheet.name) << QString::fromLatin1(sheet.name);
        }
    }
    // A sheet started at its second label: the first page holds one label
    // fewer than it has, each label in its place in the chart's order, every
    // word and every inked pixel inside its label less 1 mm, and no text
    // under 6 points but the switch block's on a small label.
    void sheets() {
        QFETCH(QString, sheet);
        const LabelSheet& paper = *LabelSheet::named(sheet.toUpper());
        const int perPage = paper.labelsPerPage();
        const int start = paper.tape ? 1 : 2;
        const LabelPages labels(rigOf(paper.tape ? 3 : perPage), "rig.csv", paper, start);
        const QString pdf = m_dir.filePath(sheet + ".pdf");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(PdfPages::render(labels, "labels")) > 0);
        file.close();
        const QList<Word> words = wordsOf(pdf);
        const QSizeF size = paper.paper * kMillimetre;
        QStringList pages; // their sizes, rounded
        for (const Word& word : words) {
            pages << (word.text.isEmpty() ? QString("%1x%2")
                                                .arg(qRound(word.box.width()))
                                                .arg(qRound(word.box.height()))
                                          : QString());
        }
        pages.removeAll(QString());
        QCOMPARE(pages, QStringList(
                            paper.tape ? 3 : 2,
                            QString("%1x%2").arg(qRound(size.width())).arg(qRound(size.height()))));
        // The sheet as published: its labels on the page, margins alike on either side.
        const QRectF last = paper.cell(perPage - 1);
        QCOMPARE(qRound(paper.cell(0).left() + last.right()), qRound(size.width()));
        QCOMPARE(qRound(paper.cell(0).top() + last.bottom()), qRound(size.height()));

        const QSizeF pitch = paper.pitch * kMillimetre;
        const auto slotOf = [&](QPointF point) {
            const QPointF from = point - paper.cell(0).topLeft();
            const int slot = qFloor(from.y() / pitch.height()) * paper.columns +
                             qFloor(from.x() / pitch.width());
            return slot >= 0 && slot < perPage && paper.cell(slot).contains(point) ? slot : -1;
        };
        std::map<std::pair<int, int>, QStringList> shown; // by page and slot
        for (const Word& word : words) {
            if (word.text.isEmpty()) {
                continue;
            }
            const int slot = slotOf(word.box.center());
            const QRectF inner =
                paper.cell(slot).adjusted(kMillimetre, kMillimetre, -kMillimetre, -kMillimetre);
            QVERIFY2(slot >= 0 && inner.contains(word.box), qPrintable(word.text));
            const auto row = static_cast<std::size_t>(word.page * perPage + slot - (start - 1));
            // A box is 1.164 times its text's size high.
            QVERIFY2(word.box.height() >= 6 * 1.16 ||
                         (paper.content == LabelSheet::Content::Compact &&
                          labels.drawingArea(row).contains(word.box)),
                     qPrintable(word.text));
            shown[{word.page, slot}] << word.text;
        }
        for (std::size_t row = 0; row < labels.chart().rows.size(); ++row) {
            const SwitchChart::Row& fixture = labels.chart().rows[row];
            const auto at = static_cast<int>(row) + start - 1;
            const QStringList& words = shown[std::pair(at / perPage, at % perPage)];
            const QString address =
                QString("%1/%2").arg(fixture.universe).arg(fixture.startAddress);
            const QString channels = address + "–" + QString::number(fixture.startAddress + 15);
            QVERIFY(words.contains(address) &&
                    words.contains(QString::fromStdString(fixture.fixtureNumber)) &&
                    (fixture.hasSwitches() ||
                     words.contains(QString::fromStdString(fixture.setting()))) &&
                    (paper.content == LabelSheet::Content::Compact || words.contains(channels)));
        }
        QCOMPARE(shown.size(), labels.chart().rows.size());
        // A screen reader hears what to set on a display too.
        QVERIFY(paper.tape || labels.describe(0).contains("108 Spot 7 at 1/113, Display: A113"));

        const double dots = 100 / 72.0;
        const QImage image = pageOf(pdf, 1, 100).convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < image.height(); ++y) {
            const uchar* line = image.constScanLine(y); // grey, a byte a pixel
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] > 160) {
                    continue;
                }
                const QPointF point((x + 0.5) / dots, (y + 0.5) / dots);
                const int slot = slotOf(point);
                const qreal room = kMillimetre - 1 / dots; // a pixel for anti-aliasing
                QVERIFY2(slot >= start - 1 &&
                             paper.cell(slot).adjusted(room, room, -room, -room).contains(point),
                         qPrintable(QString("ink at %1, %2").arg(x).arg(y)));
            }
        }
    }
    // A fixture's switch block on a label is the chart's, scaled: both drawn
    // by poppler at one size, for the second fixture of each. (On the small
    // sheets its lines are drawn thicker than scaled, to stay 0.2 mm wide.)
    void sameDrawingAsTheChart_data() {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("full label") << "a4-63x38";
        QTest::newRow("wide label") << "a4-99x38";
    }
    void sameDrawingAsTheChart() {
        QFETCH(QString, sheet);
        SwitchChart::Chart chart = rigOf(3);
        chart.rows.erase(chart.rows.begin()); // no long names: one line of captions each
        const QString labelsPdf = m_dir.filePath("one-" + sheet + ".pdf");
        const QString chartPdf = m_dir.filePath("one-chart.pdf");
        for (const auto& [path, bytes] :
             {std::pair(labelsPdf, PdfPages::render(
                                       LabelPages(chart, "t", *LabelSheet::named(sheet), 1), "l")),
              std::pair(chartPdf, PdfChart::render(chart, "t", QPageSize(QPageSize::A4)))}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
        }
        const QImage onLabel = drawingOf(labelsPdf, 1, 288);
        // The chart's at the resolution that gives it the label's size.
        const QImage atOne = drawingOf(chartPdf, 1, 72);
        const QImage onChart =
            drawingOf(chartPdf, 1, 288.0 * onLabel.width() / (atOne.width() * 4));
        QVERIFY(onLabel.width() > 100);
        QCOMPARE(drawingdiff::unlike(onLabel, onChart), 0);
    }

    // The map of a universe: its totals and blocks as text, a page for each
    // universe used, after the chart.
    void maps() {
        const auto fixture = [](int universe, int address, int channels) {
            SwitchChart::Fixture one;
            one.universe = universe;
            one.address = address;
            one.channels = channels;
            return one;
        };
        const SwitchChart::Chart chart = SwitchChart::make(
            {fixture(2, 497, 16), fixture(2, 1, 1), fixture(2, 1, 3), fixture(4, 5, 1)},
            SwitchChart::Unsettable::Refuse);
        const ChartPages pages(chart, "t", QPageSize(QPageSize::A4));
        const UniverseMapPages maps(pages.chart(), "t", QPageSize(QPageSize::A4));
        const QString pdf = m_dir.filePath("maps.pdf");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(PdfPages::render(PageSequence({&pages, &maps}), "m")) > 0);
        file.close();
        const QString text = run("pdftotext", {"-raw", "-f", "2", pdf, "-"});
        const auto at = [&text](const QString& said) {
            return text.indexOf(said);
        };
        QVERIFY2(at("Universe 2") >= 0 &&
                     at("Universe 2") <
                         at("19 of 512 channels used, 493 free; the largest free block 493.") &&
                     at("4–496 (493)") > 0 && at("Shared channels") < at("1 (1)") &&
                     at("449\n481\n") > 0 && at("Universe 4") > at("1 (1)") &&
                     at("1–4 (4) 6–512 (507)") > at("Universe 4"),
                 qPrintable(text));
        QCOMPARE(maps.describe(1), "Universe 4: 1 of 512 channels used, 511 free; the largest free "
                                   "block 507. Free blocks: 1–4 (4), 6–512 (507).");
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(LabelsTest)
#include "tst_labels.moc"
