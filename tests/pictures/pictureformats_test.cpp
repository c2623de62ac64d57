// The committed pictures, checked field by field in their headers: these are the formats the
// window and the packaging rely on.
#include "picturefile.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

using PictureFile::be16;
using PictureFile::be32;
using PictureFile::le16;
using PictureFile::le32;

namespace {

TEST(IconFile, HoldsExactlyOne32x32ImageAt24BitsPerPixel) {
    const QByteArray ico = PictureFile::read(QStringLiteral("brisolant.ico"));
    ASSERT_GE(ico.size(), 22 + 40);
    EXPECT_EQ(le16(ico, 2), 1U) << "type 1 is an icon, 2 a cursor";
    EXPECT_EQ(le16(ico, 4), 1U) << "image count";
    EXPECT_EQ(static_cast<std::uint8_t>(ico[6]), 32U);
    EXPECT_EQ(static_cast<std::uint8_t>(ico[7]), 32U);
    EXPECT_EQ(le16(ico, 12), 24U);
    // One BITMAPINFOHEADER, 32 rows of 96 colour bytes, 32 mask rows of 4 bytes.
    EXPECT_EQ(le32(ico, 18) + le32(ico, 14), static_cast<std::uint32_t>(ico.size()));
    EXPECT_EQ(le32(ico, 14), 40U + 32U * 96U + 32U * 4U);
    EXPECT_EQ(le32(ico, 22 + 8), 64U) << "colour and mask rows together";
    EXPECT_EQ(le16(ico, 22 + 14), 24U);
}

struct BitmapCase {
    const char* file;
    std::uint32_t size;
};

class BitmapFile : public testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapFile, Is32BitsPerPixelUncompressedAtItsSize) {
    const BitmapCase c = GetParam();
    const QByteArray bmp = PictureFile::read(QLatin1String(c.file));
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(bmp, 18), c.size);
    EXPECT_EQ(le32(bmp, 22), c.size) << "positive height: bottom-up rows";
    EXPECT_EQ(le16(bmp, 28), 32U);
    EXPECT_EQ(le32(bmp, 30), 0U) << "BI_RGB";
    EXPECT_EQ(static_cast<std::uint32_t>(bmp.size()), 54U + c.size * c.size * 4U);
}

INSTANTIATE_TEST_SUITE_P(Pictures, BitmapFile,
                         testing::Values(BitmapCase{"info.bmp", 32}, BitmapCase{"info@2x.bmp", 64},
                                         BitmapCase{"close.bmp", 32},
                                         BitmapCase{"close@2x.bmp", 64}),
                         [](const testing::TestParamInfo<BitmapCase>& info) {
                             return QString::fromLatin1(info.param.file)
                                 .replace(QLatin1Char('.'), QLatin1Char('_'))
                                 .replace(QLatin1Char('@'), QLatin1Char('_'))
                                 .toStdString();
                         });

struct JpegFrame {
    int marker = -1;
    int precision = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<int> componentIds;
};

// Walks the marker segments up to the first frame header.
JpegFrame firstFrame(const QByteArray& jpg) {
    JpegFrame frame;
    if (be16(jpg, 0) != 0xffd8) {
        return frame;
    }
    qsizetype at = 2;
    while (at + 4 <= jpg.size() && static_cast<std::uint8_t>(jpg[at]) == 0xff) {
        const int marker = static_cast<std::uint8_t>(jpg[at + 1]);
        if (marker == 0xff) {
            ++at;
            continue;
        }
        const bool isFrame =
            marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (isFrame) {
            frame.marker = marker;
            frame.precision = static_cast<std::uint8_t>(jpg[at + 4]);
            frame.height = be16(jpg, at + 5);
            frame.width = be16(jpg, at + 7);
            const int count = static_cast<std::uint8_t>(jpg[at + 9]);
            for (qsizetype i = 0; i < count; ++i) {
                frame.componentIds.push_back(static_cast<std::uint8_t>(jpg[at + 10 + 3 * i]));
            }
            return frame;
        }
        if (marker == 0xda) {
            return frame;
        }
        at += 2 + be16(jpg, at + 2);
    }
    return frame;
}

struct JpegCase {
    const char* file;
    std::uint32_t width;
    std::uint32_t height;
};

class JpegFile : public testing::TestWithParam<JpegCase> {};

TEST_P(JpegFile, IsBaselineWithThreeComponentsAtItsSize) {
    const JpegCase c = GetParam();
    const QByteArray jpg = PictureFile::read(QLatin1String(c.file));
    const JpegFrame frame = firstFrame(jpg);
    EXPECT_EQ(frame.marker, 0xc0) << "SOF0 baseline, not SOF2 progressive";
    EXPECT_FALSE(jpg.contains(QByteArray("\xff\xc2", 2))) << "no progressive frame anywhere";
    EXPECT_EQ(frame.precision, 8);
    EXPECT_EQ(frame.width, c.width);
    EXPECT_EQ(frame.height, c.height);
    EXPECT_EQ(frame.componentIds, (std::vector<int>{1, 2, 3})) << "Y, Cb, Cr";
    EXPECT_EQ(be16(jpg, jpg.size() - 2), 0xffd9u) << "ends with EOI";
}

INSTANTIATE_TEST_SUITE_P(Pictures, JpegFile,
                         testing::Values(JpegCase{"display.jpg", 133, 55},
                                         JpegCase{"display@2x.jpg", 266, 110}),
                         [](const testing::TestParamInfo<JpegCase>& info) {
                             return info.param.width == 133 ? std::string("display")
                                                            : std::string("display_2x");
                         });

TEST(PngFile, Is64x64) {
    const QByteArray png = PictureFile::read(QStringLiteral("brisolant-64.png"));
    ASSERT_GE(png.size(), 33);
    EXPECT_EQ(png.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(be32(png, 16), 64u);
    EXPECT_EQ(be32(png, 20), 64u);
}

TEST(SvgFile, IsWellFormedSvg11WithA32UnitViewBox) {
    QXmlStreamReader xml(PictureFile::read(QStringLiteral("brisolant.svg")));
    ASSERT_TRUE(xml.readNextStartElement()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.name(), QLatin1String("svg"));
    EXPECT_EQ(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
    const QXmlStreamAttributes attributes = xml.attributes();
    EXPECT_EQ(attributes.value(QLatin1String("version")), QLatin1String("1.1"));
    EXPECT_EQ(attributes.value(QLatin1String("viewBox")), QLatin1String("0 0 32 32"));

    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == QLatin1String("rect") || xml.name() == QLatin1String("path"))) {
            ++shapes;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(shapes, 10) << "body, four slots, four levers and the lettering";
}

} // namespace
