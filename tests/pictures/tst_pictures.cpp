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
    void keyPixels_data();
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

void PicturesTest::keyPixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    // clang-format off
    QTest::newRow("icon: red block")          << "brisolant.ico"    << QPoint(2, 16)   << QColor(215, 21, 18);
    QTest::newRow("icon: white lever")        << "brisolant.ico"    << QPoint(5, 12)   << QColor(Qt::white);
    QTest::newRow("16: red block")            << "brisolant-16.png" << QPoint(1, 8)    << QColor(214, 20, 17);
    QTest::newRow("32: transparent corner")   << "brisolant-32.png" << QPoint(0, 0)    << QColor(109, 0, 0, 7);
    QTest::newRow("64: transparent corner")   << "brisolant-64.png" << QPoint(0, 0)    << QColor(0, 0, 0, 0);
    QTest::newRow("display: top")             << "display.jpg"      << QPoint(90, 0)   << QColor(60, 213, 221);
    QTest::newRow("display: lightest")        << "display.jpg"      << QPoint(90, 36)  << QColor(98, 253, 237);
    QTest::newRow("display @2x: lightest")    << "display@2x.jpg"   << QPoint(180, 72) << QColor(98, 253, 237);
    QTest::newRow("info: white, shown as transparent") << "info.bmp" << QPoint(0, 0)   << QColor(Qt::white);
    QTest::newRow("info @2x: blue disc")      << "info@2x.bmp"      << QPoint(16, 16)  << QColor(142, 173, 239);
    QTest::newRow("close: red cross")         << "close.bmp"        << QPoint(16, 16)  << QColor(216, 19, 14);
    QTest::newRow("close @2x: red cross")     << "close@2x.bmp"     << QPoint(32, 32)  << QColor(218, 20, 14);
    // clang-format on
}

void PicturesTest::keyPixels() {
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QColor read = committed(name).pixelColor(at);
    QVERIFY2(difference(read.rgb(), colour) <= 12 && std::abs(read.alpha() - colour.alpha()) <= 12,
             qPrintable(read.name(QColor::HexArgb)));
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
