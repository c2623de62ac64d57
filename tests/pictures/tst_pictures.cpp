#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

// The committed pictures as the window reads them (format named, no probing),
// and the generator that draws them.
class PicturesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatSizeAndDepth_data();
    void formatSizeAndDepth();
    void keyPixels();
    void generatorDrawsTheCommittedPictures();
};

namespace {

QImage read(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
QImage committed(const QString& name) {
    return read(QStringLiteral(PICTURES_DIR "/") + name);
}
int difference(QRgb pixel, QColor expected) {
    return std::max({std::abs(qRed(pixel) - expected.red()),
                     std::abs(qGreen(pixel) - expected.green()),
                     std::abs(qBlue(pixel) - expected.blue())});
}
bool isWhite(QRgb pixel) {
    return (pixel & 0xffffffU) == 0xffffffU;
}
bool isRed(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

} // namespace

void PicturesTest::formatSizeAndDepth_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bitsAt"); // where the file's header gives its bits per pixel
    QTest::addColumn<int>("bits");
    QTest::newRow("icon") << "brisolant.ico" << 32 << 12 << 24;
    for (const int size : {16, 32, 64}) { // 8 bits per channel, with alpha
        QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(size)))
            << QStringLiteral("brisolant-%1.png").arg(size) << size << 24 << 8;
    }
    QTest::newRow("display") << "display.jpg" << 133 << -1 << 0;
    QTest::newRow("display @2x") << "display@2x.jpg" << 266 << -1 << 0;
    for (const char* name : {"info", "close"}) {
        QTest::newRow(name) << QStringLiteral("%1.bmp").arg(name) << 32 << 28 << 32;
        QTest::newRow(qPrintable(QStringLiteral("%1 @2x").arg(name)))
            << QStringLiteral("%1@2x.bmp").arg(name) << 64 << 28 << 32;
    }
}

void PicturesTest::formatSizeAndDepth() {
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, bitsAt);
    QFETCH(int, bits);
    const QImage image = committed(name);
    QCOMPARE(image.width(), size);
    QCOMPARE(image.height(), name.startsWith(QLatin1String("display")) ? size * 55 / 133 : size);
    QFile file(QStringLiteral(PICTURES_DIR "/") + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (bitsAt >= 0) {
        QCOMPARE(int(quint8(bytes.at(bitsAt))), bits);
    } else {
        // Baseline (SOF0, not progressive SOF2) with three colour components.
        QVERIFY(bytes.contains("\xff\xc0") && !bytes.contains("\xff\xc2"));
        QCOMPARE(image.format(), QImage::Format_RGB32);
    }
}

void PicturesTest::keyPixels() {
    for (const int scale : {1, 2}) {
        const QImage display = committed(scale == 1 ? "display.jpg" : "display@2x.jpg");
        // Top, lightest about two thirds down, darker near the bottom, lighter last row.
        const std::pair<int, QColor> rows[] = {{0, QColor(60, 213, 221)},
                                               {36, QColor(98, 253, 237)},
                                               {53, QColor(61, 212, 223)},
                                               {54, QColor(84, 228, 237)}};
        for (const auto& [row, colour] : rows) {
            QVERIFY2(difference(display.pixel(90 * scale, row * scale + scale / 2), colour) <= 8,
                     qPrintable(QStringLiteral("row %1 at scale %2").arg(row).arg(scale)));
        }
        // A dark line near the left edge, a light highlight left of it.
        const int y = 27 * scale;
        int dark = 1;
        for (int x = 1; x < 8 * scale; ++x) {
            dark = qGray(display.pixel(x, y)) < qGray(display.pixel(dark, y)) ? x : dark;
        }
        QVERIFY(difference(display.pixel(dark, y), QColor(47, 153, 141)) <= 16);
        int light = 0;
        for (int x = 0; x < dark; ++x) {
            light = std::max(light, qGray(display.pixel(x, y)));
        }
        QVERIFY(light > qGray(display.pixel(60 * scale, y)) + 20);

        // The symbols on pure white, which the buttons show as transparent.
        for (const char* name : {"info", "close"}) {
            const QImage picture =
                committed(QStringLiteral("%1%2.bmp").arg(name, scale == 2 ? "@2x" : ""));
            const int size = 32 * scale;
            QVERIFY(isWhite(picture.pixel(0, 0)) && isWhite(picture.pixel(size - 1, size - 1)));
            const bool info = name[0] == 'i';
            const QRgb symbol = info ? picture.pixel(size / 4, size / 4)  // the disc beside the i
                                     : picture.pixel(size / 2, size / 2); // where the arms cross
            QVERIFY(info ? qBlue(symbol) > qRed(symbol) + 60 : isRed(symbol));
        }
    }
    // The icon: a red block with white levers, one up and one down.
    const QImage icon = committed("brisolant.ico");
    QVERIFY(isRed(icon.pixel(2, 16)) && isWhite(icon.pixel(5, 12)) &&
            qGray(icon.pixel(12, 18)) > 200);
    const QImage large = committed("brisolant-64.png");
    QCOMPARE(qAlpha(large.pixel(0, 0)), 0);
    for (const QPoint p : {QPoint(2, 16), QPoint(5, 12), QPoint(8, 3)}) {
        QVERIFY(difference(large.pixel(p * 2), icon.pixelColor(p)) <= 12);
    }
}

void PicturesTest::generatorDrawsTheCommittedPictures() {
    const QTemporaryDir out;
    QProcess generator;
    generator.start(QStringLiteral(PICTUREGEN), {out.path()});
    QVERIFY(generator.waitForFinished(60000) && generator.exitCode() == 0);
    const QStringList names = QDir(PICTURES_DIR).entryList(QDir::Files);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), names);
    // Pixels, not bytes: a newer encoder may write the same picture differently.
    for (const QString& name : names) {
        const QString fresh = QDir(out.path()).filePath(name);
        if (name.endsWith(QLatin1String(".svg"))) {
            QFile a(fresh);
            QFile b(QStringLiteral(PICTURES_DIR "/") + name);
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(a.readAll(), b.readAll());
            continue;
        }
        const QImage drawn = read(fresh);
        const QImage kept = committed(name);
        QCOMPARE(drawn.size(), kept.size());
        int worst = 0;
        for (int y = 0; y < kept.height(); ++y) {
            for (int x = 0; x < kept.width(); ++x) {
                worst = std::max(worst, difference(drawn.pixel(x, y), kept.pixelColor(x, y)));
            }
        }
        QVERIFY2(worst <= 8,
                 qPrintable(name + ": run the 'pictures' target and commit the result"));
    }
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
