// own
#include "qt_test_support.h"

// Qt
#include <QFile>
#include <QtEndian>

// std
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace pipstone::testing {
namespace {

QByteArray readBuilt(const char *name)
{
    QFile file(builtAsset(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint16_t u16(const QByteArray &b, int at)
{
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}

std::uint32_t u32(const QByteArray &b, int at)
{
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}

TEST(HandPointerFile, IsA32By32CursorWithOneBitAndAMask)
{
    const QByteArray cur = readBuilt("HAND-M.CUR");
    ASSERT_GE(cur.size(), 22 + 40);
    EXPECT_EQ(u16(cur, 0), 0);
    EXPECT_EQ(u16(cur, 2), 2); // a cursor
    EXPECT_EQ(u16(cur, 4), 1);
    EXPECT_EQ(static_cast<std::uint8_t>(cur[6]), 32);
    EXPECT_EQ(static_cast<std::uint8_t>(cur[7]), 32);
    EXPECT_LT(u16(cur, 10), 32); // hotspot inside the picture
    EXPECT_LT(u16(cur, 12), 32);
    const std::uint32_t bytes = u32(cur, 14);
    const std::uint32_t offset = u32(cur, 18);
    EXPECT_EQ(offset + bytes, static_cast<std::uint32_t>(cur.size()));

    const int bitmap = static_cast<int>(offset);
    EXPECT_EQ(u32(cur, bitmap), 40u);
    EXPECT_EQ(u32(cur, bitmap + 4), 32u);
    EXPECT_EQ(u32(cur, bitmap + 8), 64u); // colour bits and mask
    EXPECT_EQ(u16(cur, bitmap + 14), 1);  // one bit per pixel
    ASSERT_EQ(bytes, 40u + 8u + 128u + 128u); // palette of two, 32 rows of colours and of mask
    // The fingertip is drawn at the hotspot: rows bottom-up, a 0 in the mask draws.
    const int x = u16(cur, 10);
    const int y = u16(cur, 12);
    const int maskRow = 22 + 40 + 8 + 128 + (31 - y) * 4;
    EXPECT_EQ(static_cast<std::uint8_t>(cur[maskRow + x / 8]) & (0x80 >> (x % 8)), 0);
}

TEST(MoveSoundFile, IsAShortMonoSixteenBitClick)
{
    const QByteArray wav = readBuilt("pic/Move.wav");
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(u32(wav, 4), static_cast<std::uint32_t>(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16(wav, 20), 1); // PCM
    EXPECT_EQ(u16(wav, 22), 1); // mono
    EXPECT_EQ(u32(wav, 24), 22050u);
    EXPECT_EQ(u32(wav, 28), 44100u);
    EXPECT_EQ(u16(wav, 34), 16);
    EXPECT_EQ(wav.mid(36, 4), "data");
    const std::uint32_t dataBytes = u32(wav, 40);
    EXPECT_EQ(dataBytes + 44, static_cast<std::uint32_t>(wav.size()));
    const double seconds = dataBytes / 2 / 22050.0;
    EXPECT_GT(seconds, 0.04);
    EXPECT_LT(seconds, 0.1);
    // An audible click that dies away.
    const int samples = (wav.size() - 44) / 2;
    auto sample = [&](int i) { return static_cast<std::int16_t>(u16(wav, 44 + 2 * i)); };
    int peak = 0;
    for (int i = 0; i < samples / 4; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32767); // not clipped
    for (int i = samples - 20; i < samples; ++i)
        EXPECT_LT(std::abs(static_cast<int>(sample(i))), 500) << "sample " << i;
}

} // namespace
} // namespace pipstone::testing
