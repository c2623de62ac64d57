// Pixels of the committed pictures, read back through Qt's decoders as the window will.
#include "picturefile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>

namespace {

int difference(QRgb px, QColor expected) {
    return std::max({std::abs(qRed(px) - expected.red()), std::abs(qGreen(px) - expected.green()),
                     std::abs(qBlue(px) - expected.blue())});
}

std::string describe(QRgb px) {
    return "rgb(" + std::to_string(qRed(px)) + "," + std::to_string(qGreen(px)) + "," +
           std::to_string(qBlue(px)) + ")";
}

QImage load(const char* name) {
    return QImage(PictureFile::path(QLatin1String(name)));
}

// Tolerance for the encoder's rounding at quality 95, chroma subsampled.
constexpr int jpegTolerance = 8;

struct RowCase {
    const char* name;
    int designRow;
    QColor colour;
};

class DisplayRows : public testing::TestWithParam<std::tuple<int, RowCase>> {};

TEST_P(DisplayRows, MatchTheGradientAwayFromTheLeftEdge) {
    const auto [scale, row] = GetParam();
    const QImage image = load(scale == 1 ? "display.jpg" : "display@2x.jpg");
    ASSERT_EQ(image.size(), QSize(133 * scale, 55 * scale));
    const int y = row.designRow * scale + scale / 2;
    for (const int x : {60 * scale, 120 * scale}) {
        const QRgb px = image.pixel(x, y);
        EXPECT_LE(difference(px, row.colour), jpegTolerance)
            << row.name << " at " << x << "," << y << " is " << describe(px);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, DisplayRows,
    testing::Combine(testing::Values(1, 2),
                     testing::Values(RowCase{"top", 0, QColor(60, 213, 221)},
                                     RowCase{"lightest", 36, QColor(98, 253, 237)},
                                     RowCase{"shadow", 53, QColor(61, 212, 223)},
                                     RowCase{"last", 54, QColor(84, 228, 237)})),
    [](const testing::TestParamInfo<std::tuple<int, RowCase>>& info) {
        return std::string(std::get<1>(info.param).name) + "_x" +
               std::to_string(std::get<0>(info.param));
    });

class DisplayPicture : public testing::TestWithParam<int> {
protected:
    [[nodiscard]] QImage image() const {
        return load(GetParam() == 1 ? "display.jpg" : "display@2x.jpg");
    }
};

TEST_P(DisplayPicture, IsLightestAboutTwoThirdsDown) {
    const QImage img = image();
    ASSERT_FALSE(img.isNull());
    const int x = 60 * GetParam();
    int peak = 0;
    for (int y = 0; y < img.height(); ++y) {
        peak = std::max(peak, qGray(img.pixel(x, y)));
    }
    // The middle of the brightest band, so that encoder noise on its flat top does not count.
    int first = -1;
    int last = -1;
    for (int y = 0; y < img.height(); ++y) {
        if (qGray(img.pixel(x, y)) >= peak - 1) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    const double share = (first + last + 1) / 2.0 / img.height();
    EXPECT_GT(share, 0.6);
    EXPECT_LT(share, 0.72);
}

TEST_P(DisplayPicture, IsTheSameInEveryColumnAwayFromTheLeftEdge) {
    const QImage img = image();
    ASSERT_FALSE(img.isNull());
    const int reference = 60 * GetParam();
    int worst = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 16 * GetParam(); x < img.width(); ++x) {
            worst = std::max(worst, difference(img.pixel(x, y), img.pixelColor(reference, y)));
        }
    }
    EXPECT_LE(worst, 4);
}

TEST_P(DisplayPicture, HasALightHighlightAndADarkLineNearTheLeftEdge) {
    const QImage img = image();
    ASSERT_FALSE(img.isNull());
    const int scale = GetParam();
    const int y = 27 * scale;
    int darkest = 0;
    for (int x = 1; x < 8 * scale; ++x) {
        if (qGray(img.pixel(x, y)) < qGray(img.pixel(darkest, y))) {
            darkest = x;
        }
    }
    EXPECT_LE(darkest, 6 * scale);
    EXPECT_LE(difference(img.pixel(darkest, y), QColor(47, 153, 141)), 2 * jpegTolerance)
        << describe(img.pixel(darkest, y));

    const int base = qGray(img.pixel(60 * scale, y));
    int lightest = 0;
    for (int x = 0; x < darkest; ++x) {
        lightest = std::max(lightest, qGray(img.pixel(x, y)));
    }
    EXPECT_GT(lightest, base + 20) << "a highlight left of the dark line";
}

INSTANTIATE_TEST_SUITE_P(Pictures, DisplayPicture, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int>& info) {
                             return "x" + std::to_string(info.param);
                         });

struct ButtonCase {
    const char* file;
    int scale;
};

std::string buttonName(const testing::TestParamInfo<ButtonCase>& info) {
    std::string name = info.param.file;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '.' || c == '@'; }, '_');
    return name;
}

constexpr QRgb pureWhite = 0xffffffu;

bool isPureWhite(QRgb px) {
    return (px & 0xffffffu) == pureWhite;
}

class ButtonPicture : public testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonPicture, HasPureWhiteCornersForTheTransparentColour) {
    const QImage img = load(GetParam().file);
    const int s = 32 * GetParam().scale;
    ASSERT_EQ(img.size(), QSize(s, s));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(s - 1, 0), QPoint(0, s - 1), QPoint(s - 1, s - 1)}) {
        EXPECT_TRUE(isPureWhite(img.pixel(corner))) << describe(img.pixel(corner));
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, ButtonPicture,
                         testing::Values(ButtonCase{"info.bmp", 1}, ButtonCase{"info@2x.bmp", 2},
                                         ButtonCase{"close.bmp", 1}, ButtonCase{"close@2x.bmp", 2}),
                         buttonName);

class InfoPicture : public testing::TestWithParam<ButtonCase> {};

TEST_P(InfoPicture, IsABlueDiscWithANearWhiteLetterAndNoHole) {
    const QImage img = load(GetParam().file);
    const int s = GetParam().scale;
    ASSERT_EQ(img.size(), QSize(32 * s, 32 * s));

    const QRgb disc = img.pixel(8 * s, 16 * s);
    EXPECT_GT(qBlue(disc), 150) << describe(disc);
    EXPECT_GT(qBlue(disc), qRed(disc) + 60) << describe(disc);
    EXPECT_GT(qBlue(disc), qGreen(disc) + 40) << describe(disc);

    EXPECT_EQ(img.pixel(16 * s, 18 * s) & 0xffffffu, 0xfefefeu) << "the stem of the i";

    int holes = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (std::hypot(x + 0.5 - 16.0 * s, y + 0.5 - 16.0 * s) < 13.5 * s &&
                isPureWhite(img.pixel(x, y))) {
                ++holes;
            }
        }
    }
    EXPECT_EQ(holes, 0) << "pure white inside the disc would turn transparent";
}

INSTANTIATE_TEST_SUITE_P(Pictures, InfoPicture,
                         testing::Values(ButtonCase{"info.bmp", 1}, ButtonCase{"info@2x.bmp", 2}),
                         buttonName);

class ClosePicture : public testing::TestWithParam<ButtonCase> {};

TEST_P(ClosePicture, IsARedDiagonalCrossWithNoHole) {
    const QImage img = load(GetParam().file);
    const int s = GetParam().scale;
    ASSERT_EQ(img.size(), QSize(32 * s, 32 * s));

    const QRgb centre = img.pixel(16 * s, 16 * s);
    EXPECT_GT(qRed(centre), 180) << describe(centre);
    EXPECT_LT(qGreen(centre), 60) << describe(centre);
    EXPECT_LT(qBlue(centre), 60) << describe(centre);

    for (int t = 5 * s; t < 27 * s; ++t) {
        for (const QPoint p : {QPoint(t, t), QPoint(t, 32 * s - 1 - t)}) {
            const QRgb px = img.pixel(p);
            EXPECT_FALSE(isPureWhite(px)) << "hole at " << p.x() << "," << p.y();
            EXPECT_GT(qRed(px), qGreen(px) + 40) << describe(px) << " at " << p.x() << "," << p.y();
        }
    }
    // Between the arms the button face shows through.
    for (const QPoint gap : {QPoint(16, 2), QPoint(2, 16), QPoint(29, 16), QPoint(16, 29)}) {
        EXPECT_TRUE(isPureWhite(img.pixel(gap * s))) << gap.x() << "," << gap.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, ClosePicture,
                         testing::Values(ButtonCase{"close.bmp", 1}, ButtonCase{"close@2x.bmp", 2}),
                         buttonName);

bool isRedBody(QRgb px) {
    return qRed(px) > 150 && qGreen(px) < 100 && qBlue(px) < 100;
}

TEST(IconPicture, ShowsLeversLettersAndDigitsOnARedBlock) {
    const QImage icon = load("brisolant.ico");
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_TRUE(isRedBody(icon.pixel(2, 16))) << describe(icon.pixel(2, 16));
    EXPECT_EQ(icon.pixel(5, 12) & 0xffffffu, pureWhite) << "first lever, up";
    EXPECT_LT(qRed(icon.pixel(12, 12)), 100) << "second slot, lever down";
    EXPECT_GT(qGray(icon.pixel(12, 18)), 200) << "second lever, down";

    // The lettering is pixel-fitted: each cell is either pure white or the red body, never a
    // blurred mix.
    int white = 0;
    for (const QRect area : {QRect(8, 3, 16, 5), QRect(4, 24, 24, 5)}) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb px = icon.pixel(x, y);
                if (isPureWhite(px)) {
                    ++white;
                } else {
                    EXPECT_TRUE(isRedBody(px)) << describe(px) << " at " << x << "," << y;
                }
            }
        }
    }
    EXPECT_GT(white, 40) << "D, M, X and 1 to 4";
}

TEST(IconPicture, MasksOnlyTheRoundedCorners) {
    const QByteArray ico = PictureFile::read(QStringLiteral("brisolant.ico"));
    constexpr qsizetype maskStart = 22 + 40 + 32 * 96;
    ASSERT_EQ(ico.size(), maskStart + 32 * 4);
    const auto transparent = [&](int x, int y) {
        const auto byte = static_cast<std::uint8_t>(ico[maskStart + (31 - y) * 4 + x / 8]);
        return (byte & (0x80 >> (x % 8))) != 0;
    };
    int count = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            count += transparent(x, y) ? 1 : 0;
        }
    }
    EXPECT_TRUE(transparent(0, 0));
    EXPECT_TRUE(transparent(31, 31));
    EXPECT_FALSE(transparent(16, 16));
    EXPECT_LE(count, 4 * 3);
}

TEST(IconPicture, LargeVersionHasTransparentCornersAndTheSameBlock) {
    const QImage png = load("brisolant-64.png");
    ASSERT_EQ(png.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(png.pixel(32, 32)), 255);
    const QImage icon = load("brisolant.ico");
    for (const QPoint p : {QPoint(2, 16), QPoint(5, 12), QPoint(12, 12), QPoint(8, 3)}) {
        EXPECT_LE(difference(png.pixel(p * 2), icon.pixelColor(p)), 12) << p.x() << "," << p.y();
    }
}

} // namespace
