// own
#include "platform/qt/qt_test_support.h"

// std
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace pipstone::testing {
namespace {

// Little-endian words of a file whose size the test has checked.
std::uint32_t littleEndian(const QByteArray &b, int at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(b.at(at + i));
    return value;
}
int u16(const QByteArray &b, int at) { return static_cast<int>(littleEndian(b, at, 2)); }
std::uint32_t u32(const QByteArray &b, int at) { return littleEndian(b, at, 4); }

TEST(HandPointerFile, IsA32By32OneBitCursorWhoseHotspotIsDrawn)
{
    const QByteArray cur = readFile(builtAsset(QStringLiteral("HAND-M.CUR")));
    ASSERT_GE(cur.size(), 22 + 40);
    EXPECT_EQ(u32(cur, 0), 0x0002'0000u); // reserved, then 2: a cursor
    EXPECT_EQ(u16(cur, 4), 1);
    EXPECT_EQ(u16(cur, 6), 32 + 32 * 256);
    const int x = u16(cur, 10), y = u16(cur, 12); // the hotspot
    ASSERT_LT(x, 32);
    ASSERT_LT(y, 32);
    const std::uint32_t bytes = u32(cur, 14), offset = u32(cur, 18);
    EXPECT_EQ(offset + bytes, static_cast<std::uint32_t>(cur.size()));
    EXPECT_EQ(u32(cur, static_cast<int>(offset) + 8), 64u); // colour bits and mask
    EXPECT_EQ(u16(cur, static_cast<int>(offset) + 14), 1); // one bit per pixel
    ASSERT_EQ(bytes, 40u + 8u + 128u + 128u);               // palette of two, 32 rows of colours and of mask
    // Rows run bottom-up; a 0 in the mask draws.
    const int maskRow = 22 + 40 + 8 + 128 + (31 - y) * 4;
    EXPECT_EQ(static_cast<std::uint8_t>(cur[maskRow + x / 8]) & (0x80 >> (x % 8)), 0);
}

TEST(MoveSoundFile, IsAShortMonoSixteenBitClickThatDiesAway)
{
    const QByteArray wav = readFile(builtAsset(QStringLiteral("pic/Move.wav")));
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(u32(wav, 4), static_cast<std::uint32_t>(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u32(wav, 20), 0x0001'0001u); // PCM, mono
    EXPECT_EQ(u32(wav, 24), 22050u);
    EXPECT_EQ(u32(wav, 28), 44100u);
    EXPECT_EQ(u16(wav, 34), 16);
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(u32(wav, 40) + 44, static_cast<std::uint32_t>(wav.size()));
    const int samples = (wav.size() - 44) / 2;
    EXPECT_GT(samples, 0.04 * 22050);
    EXPECT_LT(samples, 0.1 * 22050);
    auto level = [&](int i) { return std::abs(static_cast<int>(static_cast<std::int16_t>(u16(wav, 44 + 2 * i)))); };
    int peak = 0;
    for (int i = 0; i < samples / 4; ++i)
        peak = std::max(peak, level(i));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32767); // not clipped
    for (int i = samples - 20; i < samples; ++i)
        EXPECT_LT(level(i), 500) << "sample " << i;
}

} // namespace
} // namespace pipstone::testing
