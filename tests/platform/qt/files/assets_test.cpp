// own
#include "platform/qt/files/cursor_file.h"
#include "platform/qt/qt_test_support.h"
#include "platform/qt/sound/wave_file.h"

// std
#include <gtest/gtest.h>

#include <cstdlib>

namespace pipstone::testing {
namespace {

// The pointer the build makes is a 32 x 32 cursor whose hotspot, the
// fingertip, is a drawn pixel.
TEST(BuiltAssets, TheHandPointerIsACursorWhoseHotspotIsDrawn)
{
    const std::optional<CursorFile> file = readCursorFile(builtAsset(QStringLiteral("HAND-M.CUR")));
    ASSERT_TRUE(file.has_value());
    const std::optional<QCursor> hand = toCursor(*file);
    ASSERT_TRUE(hand.has_value());
    EXPECT_EQ(hand->hotSpot(), QPoint(5, 0));
    const QImage picture = hand->pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(picture.pixelColor(hand->hotSpot()).alpha(), 255);
    EXPECT_EQ(picture.pixelColor(31, 0).alpha(), 0);
}

// The move sound is a short mono 16-bit click that dies away, loud but not clipped.
TEST(BuiltAssets, TheMoveSoundIsAShortClickThatDiesAway)
{
    const QByteArray wav = readFile(builtAsset(QStringLiteral("pic/Move.wav")));
    const std::optional<WaveSound> sound = parseWave(wav);
    ASSERT_TRUE(sound.has_value());
    const int samples = static_cast<int>(sound->samples.size() / 2);
    EXPECT_EQ(std::tuple(sound->channels, sound->sampleRate, sound->bitsPerSample, samples * 2),
              std::tuple(1, 22050, 16, static_cast<int>(wav.size()) - 44));
    EXPECT_GT(samples, 0.04 * 22050);
    EXPECT_LT(samples, 0.1 * 22050);
    const auto level = [&](int i) {
        return std::abs(static_cast<int>(reinterpret_cast<const std::int16_t *>(sound->samples.constData())[i]));
    };
    int peak = 0;
    for (int i = 0; i < samples / 4; ++i)
        peak = std::max(peak, level(i));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32767);
    for (int i = samples - 20; i < samples; ++i)
        EXPECT_LT(level(i), 500) << "sample " << i;
}

} // namespace
} // namespace pipstone::testing
