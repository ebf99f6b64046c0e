// own
#include "platform/qt/view/tile_pictures.h"

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

QImage face(int first, int pips) { return tilePictureImage(first + pips, kSize); }

// Pixels of the colour of a pip: opaque and close to black.
int darkPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.alpha() > 200 && std::max({c.red(), c.green(), c.blue()}) < 50;
        }
    return count;
}

int largestChannelDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                worst = std::max(worst, std::abs(d));
        }
    return worst;
}

// Each face shows more pips than the one before, the back none, and no two
// pictures look alike.
TEST(TilePictures, EveryFaceShowsMorePipsThanTheOneBeforeAndNoTwoLookAlike)
{
    EXPECT_EQ(darkPixels(tilePictureImage(kBackPicture, kSize)), 0);
    for (int pips = 0, previous = -1; pips <= 6; ++pips) {
        const int dark = darkPixels(face(kFirstUprightFace, pips));
        EXPECT_GT(dark, previous) << pips << " pips";
        previous = dark;
    }
    // The blank, one, four and five look the same either way round; 9 is the hand.
    const std::vector<int> distinct = {1, 2, 3, 4, 5, 6, 7, kBackPicture, 9, 12, 13, 16};
    for (std::size_t i = 0; i < distinct.size(); ++i)
        for (std::size_t j = i + 1; j < distinct.size(); ++j)
            EXPECT_TRUE(tilePictureImage(distinct[i], kSize) != tilePictureImage(distinct[j], kSize))
                << distinct[i] << " and " << distinct[j];
}

TEST(TilePictures, LyingFacesAreTheUprightOnesTurnedAQuarter)
{
    for (int pips = 0; pips <= 6; ++pips) {
        const QImage turned = face(kFirstTurnedFace, pips);
        const QImage rotated =
            face(kFirstUprightFace, pips).transformed(QTransform().rotate(90)).convertToFormat(turned.format());
        EXPECT_LE(largestChannelDifference(rotated, turned), 40) << pips << " pips";
    }
}

TEST(TilePictures, OutsideTheTableNothingIsPaintedAndDenseScreensGetMorePixels)
{
    for (int picture : {0, 17, -1}) {
        const QImage image = tilePictureImage(picture, 16);
        EXPECT_EQ(darkPixels(image) + image.pixelColor(8, 8).alpha(), 0) << picture;
    }
    EXPECT_EQ(tilePictureImage(kFirstUprightFace + 3, 27, 2.0).width(), 54);
}

} // namespace
} // namespace pipstone
