#include "state/controls.h"
#include "state/write_stamp.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace pipstone {
namespace {

// The caches of the counts, the rows and the display trust the stamps: a
// write that changes a field must move its stamp, and one that leaves the
// field as it was must not.
TEST(WriteStamp, ACoordinateMovesItsStampExactlyWhenItsBitsChange)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Write {
        float before, after;
        bool moves;
    };
    const Write writes[] = {
        {4000, 4000, false}, {4000, 4015, true}, {0, -0.0f, true}, {-0.0f, 0, true},
        {nan, nan, false},   {4000, nan, true},  {nan, 4000, true}, {1e-45f, 0, true},
    };
    for (const Write &w : writes) {
        TileTop top = w.before;
        const std::uint64_t stamp = writeStamp;
        top = w.after;
        EXPECT_EQ(writeStamp != stamp, w.moves) << w.before << " -> " << w.after;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(float{top}), std::bit_cast<std::uint32_t>(w.after))
            << w.before << " -> " << w.after;
    }
}

TEST(WriteStamp, EachFieldMovesOnlyItsOwnStamp)
{
    TileLeft left = 100;
    TileTop top = 100;
    HandEntry entry = 3;
    Shown<bool> visible = false;
    Shown<Font> font;
    const Font other{"Tahoma", 15.75, true, false, Rgb{0, 0, 192}};

    const auto moved = [](auto &&write) {
        const StampReading before = readStamps();
        write();
        const StampReading after = readStamps();
        return std::array{after.write - before.write, after.left - before.left, after.shown - before.shown};
    };
    using Moves = std::array<std::uint64_t, 3>;
    EXPECT_EQ(moved([&] { left = 115; }), (Moves{0, 1, 0}));
    EXPECT_EQ(moved([&] { left = 115; }), (Moves{0, 0, 0}));
    EXPECT_EQ(moved([&] { top = 115; }), (Moves{1, 0, 0}));
    EXPECT_EQ(moved([&] { entry = 0; }), (Moves{1, 0, 0}));
    EXPECT_EQ(moved([&] { entry = 0; }), (Moves{0, 0, 0}));
    EXPECT_EQ(moved([&] { visible = true; }), (Moves{0, 0, 1}));
    EXPECT_EQ(moved([&] { visible = true; }), (Moves{0, 0, 0}));
    EXPECT_EQ(moved([&] { font = other; }), (Moves{0, 0, 1}));
    EXPECT_EQ(static_cast<const Font &>(font), other);
    EXPECT_EQ(moved([&] { font = other; }), (Moves{0, 0, 0}));
}

} // namespace
} // namespace pipstone
