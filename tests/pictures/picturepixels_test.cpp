// Pixels of the committed pictures, read back through Qt's decoders as the window will.
#include "picturefile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

int difference(QRgb px, QColor expected) {
    return std::max({std::abs(qRed(px) - expected.red()), std::abs(qGreen(px) - expected.green()),
                     std::abs(qBlue(px) - expected.blue())});
}

QImage load(const std::string& name) {
    return QImage(PictureFile::path(QString::fromStdString(name)));
}

bool isPureWhite(QRgb px) {
    return (px & 0xffffffU) == 0xffffffU;
}

class DisplayPicture : public testing::TestWithParam<int> {};

TEST_P(DisplayPicture, FollowsTheGradientWithItsLinesAtTheLeftEdge) {
    const int scale = GetParam();
    const QImage image = load(scale == 1 ? "display.jpg" : "display@2x.jpg");
    ASSERT_EQ(image.size(), QSize(133 * scale, 55 * scale));
    // Key rows of the design, within the encoder's rounding at quality 95.
    const struct {
        int row = 0;
        QColor colour;
    } rows[] = {{0, QColor(60, 213, 221)},
                {36, QColor(98, 253, 237)},
                {53, QColor(61, 212, 223)},
                {54, QColor(84, 228, 237)}};
    for (const auto& key : rows) {
        const QRgb px = image.pixel(90 * scale, key.row * scale + scale / 2);
        EXPECT_LE(difference(px, key.colour), 8) << "row " << key.row;
    }
    // A dark line near the left edge with a light highlight left of it.
    const int y = 27 * scale;
    int darkest = 1;
    for (int x = 1; x < 8 * scale; ++x) {
        darkest = qGray(image.pixel(x, y)) < qGray(image.pixel(darkest, y)) ? x : darkest;
    }
    EXPECT_LE(difference(image.pixel(darkest, y), QColor(47, 153, 141)), 16);
    int lightest = 0;
    for (int x = 0; x < darkest; ++x) {
        lightest = std::max(lightest, qGray(image.pixel(x, y)));
    }
    EXPECT_GT(lightest, qGray(image.pixel(60 * scale, y)) + 20);
}

INSTANTIATE_TEST_SUITE_P(Pictures, DisplayPicture, testing::Values(1, 2));

struct ButtonCase {
    std::string file;
    int scale;
    bool (*symbol)(QRgb);
};

class ButtonPicture : public testing::TestWithParam<ButtonCase> {};

// White is the transparent colour: the corners must be pure white, and no pixel
// of the symbol may be, or it would turn into a hole on the button.
TEST_P(ButtonPicture, HasItsSymbolOnPureWhiteWithoutHoles) {
    const auto& c = GetParam();
    const QImage image = load(c.file);
    const int size = 32 * c.scale;
    ASSERT_EQ(image.size(), QSize(size, size));
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, size - 1)}) {
        EXPECT_TRUE(isPureWhite(image.pixel(corner)));
    }
    EXPECT_TRUE(c.symbol(image.pixel(8 * c.scale, 8 * c.scale)) ||
                c.symbol(image.pixel(16 * c.scale, 16 * c.scale)));
    int holes = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool inside = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0) < size / 5.0;
            holes += inside && isPureWhite(image.pixel(x, y)) ? 1 : 0;
        }
    }
    EXPECT_EQ(holes, 0);
}

bool isBlue(QRgb px) {
    return qBlue(px) > 150 && qBlue(px) > qRed(px) + 60;
}
bool isRed(QRgb px) {
    return qRed(px) > 150 && qGreen(px) < 100 && qBlue(px) < 100;
}

INSTANTIATE_TEST_SUITE_P(Pictures, ButtonPicture,
                         testing::Values(ButtonCase{"info.bmp", 1, isBlue},
                                         ButtonCase{"info@2x.bmp", 2, isBlue},
                                         ButtonCase{"close.bmp", 1, isRed},
                                         ButtonCase{"close@2x.bmp", 2, isRed}));

TEST(IconPicture, ShowsCrispLettersAndLeversOnARedBlock) {
    const QImage icon = load("brisolant.ico");
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_TRUE(isRed(icon.pixel(2, 16)));
    EXPECT_TRUE(isPureWhite(icon.pixel(5, 12))) << "first lever, up";
    EXPECT_GT(qGray(icon.pixel(12, 18)), 200) << "second lever, down";
    // "DMX" above and 1 to 4 below are pixel-fitted: white or red, never a blur.
    int white = 0;
    for (const QRect area : {QRect(8, 3, 16, 5), QRect(4, 24, 24, 5)}) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb px = icon.pixel(x, y);
                white += isPureWhite(px) ? 1 : 0;
                EXPECT_TRUE(isPureWhite(px) || isRed(px)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(white, 40);
    // The large icon is the same design.
    const QImage large = load("brisolant-64.png");
    ASSERT_EQ(large.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);
    for (const QPoint p : {QPoint(2, 16), QPoint(5, 12), QPoint(8, 3)}) {
        EXPECT_LE(difference(large.pixel(p * 2), icon.pixelColor(p)), 12);
    }
}

} // namespace
