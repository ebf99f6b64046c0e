#include "board/cells.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace pipstone::test {
namespace {

// Cells from..to of an arm start at `left` and step by `step` along one Top.
struct CellRun {
    Arm arm;
    int from, to;
    float left, step, top;
    int tag;
};

constexpr CellRun kRuns[] = {
    {Arm::Left, 0, 3, 4875, -900, 4020, 2},
    {Arm::Left, 4, 4, 1245, 0, 4020, 2}, // not 1275: breaks the 900 step
    {Arm::Left, 5, 5, 1200, 0, 3135, 1},
    {Arm::Left, 6, 16, 1695, 900, 3135, 4},
    {Arm::Left, 17, 17, 11145, 0, 2235, 1},
    {Arm::Left, 18, 26, 10245, -900, 2235, 2},
    {Arm::Left, 27, 27, 2160, 0, 2235, 2}, // not 2145
    {Arm::Right, 0, 4, 7095, 900, 4020, 2},
    {Arm::Right, 5, 5, 11145, 0, 4515, 1},
    {Arm::Right, 6, 16, 10245, -900, 4950, 4},
    {Arm::Right, 17, 17, 1200, 0, 5445, 1},
    {Arm::Right, 18, 27, 1695, 900, 5850, 2},
};

TEST(Cells, EveryCellOfBothArmsHasItsPlaceSizeAndDirection)
{
    const GameState s;
    int cells = 0;
    for (const CellRun &run : kRuns) {
        for (int k = run.from; k <= run.to; ++k, ++cells) {
            const Shape &cell = run.arm == Arm::Left ? s.Shl[k] : s.Shr[k];
            SCOPED_TRACE((run.arm == Arm::Left ? "Shl" : "Shr") + std::to_string(k));
            EXPECT_EQ(cell.Left, run.left + run.step * static_cast<float>(k - run.from));
            EXPECT_EQ(cell.Top, run.top);
            EXPECT_EQ(cell.Width, run.tag == 1 ? 495 : 900);
            EXPECT_EQ(cell.Height, run.tag == 1 ? 900 : 495);
            EXPECT_EQ(cell.Tag, std::to_string(run.tag));
            EXPECT_EQ(std::make_tuple(cell.BorderColor, cell.BorderWidth, cell.filled, cell.Visible),
                      std::make_tuple(Rgb{0, 0, 0}, 2, false, false));
        }
    }
    EXPECT_EQ(cells, 2 * kCells);
}

TEST(Cells, TheCellsShownFollowTheArmCountersAndLieUnderEveryTile)
{
    const struct {
        const char *right, *left; // first(1), first(2)
        int lastRight, lastLeft;
    } cases[] = {{"0", "0", 0, 0}, {"5", "0", 5, 0}, {"3", "16", 3, 16}, {"27", "27", 27, 27}, {"", "", 0, 0}};
    GameHarness h;
    for (int k = 0; k < kCells; ++k) // as dealt: one drop target each side of the middle
        EXPECT_TRUE(h.s().Shl[k].Visible == (k == 0) && h.s().Shr[k].Visible == (k == 0)) << k;
    for (const auto &c : cases) {
        h.s().first[1] = c.right;
        h.s().first[2] = c.left;
        h.game.drawshape();
        for (int k = 0; k < kCells; ++k) {
            EXPECT_EQ(h.s().Shr[k].Visible, k <= c.lastRight) << "first(1)=" << c.right << " Shr" << k;
            EXPECT_EQ(h.s().Shl[k].Visible, k <= c.lastLeft) << "first(2)=" << c.left << " Shl" << k;
            for (const Shape *cell : {&h.s().Shl[k], &h.s().Shr[k]}) {
                EXPECT_TRUE(cell->filled && cell->FillColor == (Rgb{224, 224, 224})) << k;
                EXPECT_TRUE(!cell->Visible || cell->z < h.s().Shape1.z) << k; // sent to the back
            }
        }
    }
}

} // namespace
} // namespace pipstone::test
