#include "board/cells.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace pipstone::test {
namespace {

// The two arms of the chain, written out row by row as the board is drawn:
// cells from..to start at `left` and step by `step` along one Top.
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
            const char *name = run.arm == Arm::Left ? "Shl" : "Shr";
            EXPECT_EQ(cell.Left, run.left + run.step * static_cast<float>(k - run.from)) << name << k;
            EXPECT_EQ(cell.Top, run.top) << name << k;
            EXPECT_EQ(cell.Width, run.tag == 1 ? 495 : 900) << name << k;
            EXPECT_EQ(cell.Height, run.tag == 1 ? 900 : 495) << name << k;
            EXPECT_EQ(cell.Tag, std::to_string(run.tag)) << name << k;
        }
    }
    EXPECT_EQ(cells, 2 * kCells);
    // The ends of the long rows, as the board shows them.
    EXPECT_EQ(s.Shl[16].Left, 10695);
    EXPECT_EQ(s.Shl[26].Left, 3045);
    EXPECT_EQ(s.Shr[16].Left, 1245);
    EXPECT_EQ(s.Shr[27].Left, 9795);
}

TEST(Cells, AHandStartsWithOneDropTargetEachSideOfTheMiddle)
{
    GameHarness h;
    for (int k = 0; k < kCells; ++k) {
        EXPECT_EQ(h.s().Shl[k].Visible, k == 0) << "Shl" << k;
        EXPECT_EQ(h.s().Shr[k].Visible, k == 0) << "Shr" << k;
    }
    EXPECT_EQ(h.s().Shl[0].Left, 4875);
    EXPECT_EQ(h.s().Shl[0].Top, 4020);
    EXPECT_EQ(h.s().Shr[0].Left, 7095);
    EXPECT_EQ(h.s().Shr[0].Top, 4020);
}

TEST(Cells, TheCellsShownFollowTheArmCounters)
{
    const struct {
        const char *right; // first(1): tiles on the right arm
        const char *left;  // first(2): tiles on the left arm
        int lastRight, lastLeft;
    } cases[] = {{"0", "0", 0, 0}, {"5", "0", 5, 0}, {"3", "16", 3, 16}, {"27", "27", 27, 27}, {"", "", 0, 0}};
    GameHarness h;
    for (const auto &c : cases) {
        h.s().first[1] = c.right;
        h.s().first[2] = c.left;
        h.game.drawshape();
        for (int k = 0; k < kCells; ++k) {
            EXPECT_EQ(h.s().Shr[k].Visible, k <= c.lastRight) << "first(1)=" << c.right << " Shr" << k;
            EXPECT_EQ(h.s().Shl[k].Visible, k <= c.lastLeft) << "first(2)=" << c.left << " Shl" << k;
        }
    }
}

TEST(Cells, AfterFiveTilesOnTheRightArmTheCornerIsTheDropTarget)
{
    GameHarness h;
    h.s().first[1] = "5";
    h.game.drawshape();
    const Shape &corner = h.s().Shr[5];
    EXPECT_TRUE(corner.Visible);
    EXPECT_EQ(corner.Left, 11145);
    EXPECT_EQ(corner.Top, 4515);
    EXPECT_EQ(corner.Width, 495);
    EXPECT_EQ(corner.Height, 900);
    EXPECT_FALSE(h.s().Shr[6].Visible);
}

TEST(Cells, CellsAreFilledLightGreyAndLieUnderEveryTile)
{
    GameHarness h;
    h.s().first[1] = "4";
    h.s().first[2] = "2";
    h.game.drawshape();
    long lowestTile = h.s().lcard[1].z;
    for (int i = 1; i <= kSlots; ++i)
        lowestTile = std::min({lowestTile, h.s().lcard[i].z, h.s().rcard[i].z});
    for (int k = 0; k < kCells; ++k) {
        for (const Shape *cell : {&h.s().Shl[k], &h.s().Shr[k]}) {
            EXPECT_TRUE(cell->filled) << k;
            EXPECT_EQ(cell->FillColor, (Rgb{224, 224, 224})) << k;
            EXPECT_EQ(cell->BorderWidth, 2) << k;
            if (cell->Visible) {
                EXPECT_LT(cell->z, lowestTile) << k;
            }
        }
    }
}

} // namespace
} // namespace pipstone::test
