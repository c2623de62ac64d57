#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
// As the window reads a picture: with its format named, no plugin probing.
QImage read(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
int difference(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
}

} // namespace

// The committed pictures, and the generator that draws them.
class PicturesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatSizeDepthAndKeyPixel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("bitsAt"); // where the header gives the bits per pixel; -1: JPEG
        QTest::addColumn<int>("bits");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        // clang-format off
        QTest::newRow("icon: red block") << "brisolant.ico" << QSize(32, 32) << 12 << 24 << QPoint(2, 16) << QColor(215, 21, 18);
        QTest::newRow("16: red block") << "brisolant-16.png" << QSize(16, 16) << 24 << 8 << QPoint(1, 8) << QColor(214, 20, 17);
        QTest::newRow("32: transparent corner") << "brisolant-32.png" << QSize(32, 32) << 24 << 8 << QPoint(0, 0) << QColor(109, 0, 0, 7);
        QTest::newRow("64: transparent corner") << "brisolant-64.png" << QSize(64, 64) << 24 << 8 << QPoint(0, 0) << QColor(0, 0, 0, 0);
        QTest::newRow("display: lightest row") << "display.jpg" << QSize(133, 55) << -1 << 0 << QPoint(90, 36) << QColor(98, 253, 237);
        QTest::newRow("display @2x: top row") << "display@2x.jpg" << QSize(266, 110) << -1 << 0 << QPoint(180, 0) << QColor(60, 213, 221);
        QTest::newRow("info: white, shown as transparent") << "info.bmp" << QSize(32, 32) << 28 << 32 << QPoint(0, 0) << QColor(Qt::white);
        QTest::newRow("info @2x: blue disc") << "info@2x.bmp" << QSize(64, 64) << 28 << 32 << QPoint(16, 16) << QColor(142, 173, 239);
        QTest::newRow("close: red cross") << "close.bmp" << QSize(32, 32) << 28 << 32 << QPoint(16, 16) << QColor(216, 19, 14);
        QTest::newRow("close @2x: red cross") << "close@2x.bmp" << QSize(64, 64) << 28 << 32 << QPoint(32, 32) << QColor(218, 20, 14);
        // clang-format on
    }
    void formatSizeDepthAndKeyPixel() {
        QFETCH(QString, name);
        QFETCH(int, bitsAt);
        QFETCH(int, bits);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        const QString path = QStringLiteral(PICTURES_DIR "/") + name;
        const QImage image = read(path);
        QTEST(image.size(), "size");
        const QByteArray bytes = bytesOf(path);
        if (bitsAt >= 0) {
            QCOMPARE(int(quint8(bytes.at(bitsAt))), bits);
        } else { // baseline (SOF0, not progressive SOF2), three colour components
            QVERIFY(bytes.contains("\xff\xc0") && !bytes.contains("\xff\xc2"));
            QCOMPARE(image.format(), QImage::Format_RGB32);
        }
        QVERIFY2(difference(image.pixelColor(at), colour) <= 12,
                 qPrintable(image.pixelColor(at).name(QColor::HexArgb)));
    }
    void generatorDrawsTheCommittedPictures() {
        const QTemporaryDir out;
        QProcess generator;
        generator.start(QStringLiteral(PICTUREGEN), {out.path()});
        QVERIFY(generator.waitForFinished(60000) && generator.exitCode() == 0);
        const QStringList names = QDir(PICTURES_DIR).entryList(QDir::Files);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), names);
        // Pixels, not bytes: a newer encoder may write the same picture differently.
        for (const QString& name : names) {
            const QString fresh = QDir(out.path()).filePath(name);
            const QString kept = QStringLiteral(PICTURES_DIR "/") + name;
            if (name.endsWith(QLatin1String(".svg"))) {
                QCOMPARE(bytesOf(fresh), bytesOf(kept));
                continue;
            }
            const QImage a = read(fresh);
            const QImage b = read(kept);
            QCOMPARE(a.size(), b.size());
            int worst = 0;
            for (int y = 0; y < b.height(); ++y) {
                for (int x = 0; x < b.width(); ++x) {
                    worst = std::max(worst, difference(a.pixelColor(x, y), b.pixelColor(x, y)));
                }
            }
            QVERIFY2(worst <= 8, qPrintable(name + ": run the 'pictures' target and commit it"));
        }
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
