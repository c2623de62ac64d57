// The generator: its output must be the committed files byte for byte, and its encoders must
// write what the readers expect.
#include "displaypanel.h"
#include "imagefiles.h"
#include "picturefile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList generated{
    QStringLiteral("brisolant-64.png"), QStringLiteral("brisolant.ico"),
    QStringLiteral("brisolant.svg"),    QStringLiteral("close.bmp"),
    QStringLiteral("close@2x.bmp"),     QStringLiteral("display.jpg"),
    QStringLiteral("display@2x.jpg"),   QStringLiteral("info.bmp"),
    QStringLiteral("info@2x.bmp"),
};

int runGenerator(const QStringList& arguments) {
    QProcess generator;
    generator.start(QStringLiteral(PICTUREGEN), arguments);
    if (!generator.waitForFinished(60000) || generator.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return generator.exitCode();
}

TEST(PictureGenerator, RegeneratesTheCommittedFilesByteForByte) {
    const QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_EQ(runGenerator({out.path()}), 0);

    const QStringList written = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(written, generated);
    for (const QString& name : generated) {
        QFile fresh(QDir(out.path()).filePath(name));
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray committed = PictureFile::read(name);
        EXPECT_FALSE(committed.isEmpty()) << name.toStdString();
        EXPECT_TRUE(fresh.readAll() == committed)
            << name.toStdString() << " differs: run the 'pictures' target and commit the result";
    }
}

QImage pattern(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgba(x * 7 % 256, y * 11 % 256, (x + y) * 5 % 256, 255));
        }
    }
    return image;
}

TEST(ImageFiles, BitmapReadsBackPixelForPixel) {
    // Odd sizes catch swapped width and height and a flipped row order.
    const QImage source = pattern(5, 3);
    const QImage back = QImage::fromData(ImageFiles::bmp32(source), "BMP");
    ASSERT_EQ(back.size(), source.size());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            EXPECT_EQ(back.pixel(x, y) & 0xffffffu, source.pixel(x, y) & 0xffffffu)
                << x << "," << y;
        }
    }
}

TEST(ImageFiles, IconMasksPixelsLessThanHalfOpaqueAndBlacksThemOut) {
    QImage source = pattern(32, 32);
    const QList<QPair<QPoint, int>> alphas{
        {QPoint(0, 0), 0}, {QPoint(9, 0), 127}, {QPoint(17, 5), 128}, {QPoint(31, 31), 0}};
    for (const auto& [at, alpha] : alphas) {
        const QRgb px = source.pixel(at);
        source.setPixel(at, qRgba(qRed(px), qGreen(px), qBlue(px), alpha));
    }
    const QByteArray ico = ImageFiles::ico24(source);
    ASSERT_EQ(ico.size(), 22 + 40 + 32 * 96 + 32 * 4);
    const auto colourAt = [&](QPoint p) {
        const qsizetype at = 22 + 40 + (31 - p.y()) * 96 + p.x() * 3;
        return qRgb(static_cast<std::uint8_t>(ico[at + 2]), static_cast<std::uint8_t>(ico[at + 1]),
                    static_cast<std::uint8_t>(ico[at]));
    };
    const auto masked = [&](QPoint p) {
        const qsizetype at = 22 + 40 + 32 * 96 + (31 - p.y()) * 4 + p.x() / 8;
        return (static_cast<std::uint8_t>(ico[at]) & (0x80 >> (p.x() % 8))) != 0;
    };
    for (const auto& [at, alpha] : alphas) {
        EXPECT_EQ(masked(at), alpha < 128) << at.x() << "," << at.y();
        const QRgb expected = alpha < 128 ? qRgb(0, 0, 0) : (source.pixel(at) | 0xff000000u);
        EXPECT_EQ(colourAt(at), expected) << at.x() << "," << at.y();
    }
    EXPECT_FALSE(masked(QPoint(3, 20)));
    EXPECT_EQ(colourAt(QPoint(3, 20)), source.pixel(3, 20) | 0xff000000u);
}

struct KeyRow {
    double row;
    QColor colour;
};

TEST(DisplayPanelDesign, PassesExactlyThroughItsKeyColours) {
    for (const KeyRow& key : {KeyRow{0, QColor(60, 213, 221)}, KeyRow{36, QColor(98, 253, 237)},
                              KeyRow{53, QColor(61, 212, 223)}, KeyRow{54, QColor(84, 228, 237)}}) {
        EXPECT_EQ(DisplayPanel::rowColour(key.row), key.colour) << "row " << key.row;
    }
    for (int row = 0; row < DisplayPanel::height; ++row) {
        EXPECT_LE(qGray(DisplayPanel::rowColour(row).rgb()),
                  qGray(DisplayPanel::rowColour(36).rgb()))
            << "row " << row << " is lighter than the lightest band";
    }
}

} // namespace
