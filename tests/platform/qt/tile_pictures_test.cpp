// own
#include "platform/qt/tile_pictures.h"

// Qt
#include <QColor>
#include <QTransform>

// std
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace pipstone {
namespace {

constexpr int kSize = 64;

// Pixels of the colour of a pip: opaque and close to black.
int darkPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && std::max({c.red(), c.green(), c.blue()}) < 50)
                ++count;
        }
    return count;
}

int largestChannelDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                worst = std::max(worst, std::abs(d));
        }
    return worst;
}

bool isDark(const QImage &image, double fx, double fy)
{
    return image.pixelColor(static_cast<int>(fx * kSize), static_cast<int>(fy * kSize)).lightness() < 80;
}

TEST(TilePictures, EveryFaceShowsMorePipsThanTheOneBefore)
{
    int previous = -1;
    for (int pips = 0; pips <= 6; ++pips) {
        const int dark = darkPixels(tilePictureImage(kFirstUprightFace + pips, kSize));
        EXPECT_GT(dark, previous) << pips << " pips";
        previous = dark;
    }
}

TEST(TilePictures, ThePicturesAreAllDifferentAndTheBackShowsNoPips)
{
    // The blank, one, four and five look the same either way round.
    const std::vector<int> distinct = {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 16};
    for (std::size_t i = 0; i < distinct.size(); ++i)
        for (std::size_t j = i + 1; j < distinct.size(); ++j)
            EXPECT_TRUE(tilePictureImage(distinct[i], kSize) != tilePictureImage(distinct[j], kSize))
                << distinct[i] << " and " << distinct[j];
    const QImage back = tilePictureImage(kBackPicture, kSize);
    EXPECT_EQ(darkPixels(back), 0);
    for (int picture : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16})
        EXPECT_TRUE(back != tilePictureImage(picture, kSize)) << picture;
}

TEST(TilePictures, LyingFacesAreTheUprightOnesTurnedAQuarter)
{
    for (int pips = 0; pips <= 6; ++pips) {
        const QImage upright = tilePictureImage(kFirstUprightFace + pips, kSize);
        const QImage turned = tilePictureImage(kFirstTurnedFace + pips, kSize);
        const QImage rotated = upright.transformed(QTransform().rotate(90)).convertToFormat(turned.format());
        EXPECT_LE(largestChannelDifference(rotated, turned), 40) << pips << " pips";
    }
}

TEST(TilePictures, TheSixStandsInColumnsWhenUprightAndInRowsWhenLying)
{
    const QImage upright = tilePictureImage(kFirstUprightFace + 6, kSize);
    EXPECT_TRUE(isDark(upright, 0.27, 0.5));
    EXPECT_FALSE(isDark(upright, 0.5, 0.27));
    const QImage lying = tilePictureImage(kFirstTurnedFace + 6, kSize);
    EXPECT_TRUE(isDark(lying, 0.5, 0.27));
    EXPECT_FALSE(isDark(lying, 0.27, 0.5));
}

TEST(TilePictures, TheGrabbingHandHasTwoColoursOnAClearGround)
{
    const QImage hand = tilePictureImage(kGrabbingHandPicture, 32);
    int black = 0, white = 0, clear = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = hand.pixel(x, y);
            if (qAlpha(p) == 0)
                ++clear;
            else if (p == qRgb(0, 0, 0))
                ++black;
            else if (p == qRgb(255, 255, 255))
                ++white;
        }
    EXPECT_GT(black, 20);
    EXPECT_GT(white, 20);
    EXPECT_EQ(black + white + clear, 32 * 32);
}

TEST(TilePictures, OutsideTheTableNothingIsPaintedAndDenseScreensGetMorePixels)
{
    QImage empty(16, 16, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    for (int picture : {0, 17, -1})
        EXPECT_TRUE(tilePictureImage(picture, 16) == empty) << picture;
    const QImage image = tilePictureImage(kFirstUprightFace + 3, 27, 2.0);
    EXPECT_EQ(image.width(), 54);
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), 2.0);
}

} // namespace
} // namespace pipstone
