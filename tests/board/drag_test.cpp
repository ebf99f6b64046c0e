#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <tuple>

namespace pipstone::test {
namespace {

constexpr int kSlot = 22; // [3|6], first in the player's row

const Spot kOpened{6025, 4000, 6450, 4000};

bool timer1Runs(GameHarness &h)
{
    return h.s().Timer1.Enabled && h.platform.timerRunning(TimerId::Timer1);
}

TEST(Drag, ATileLetGoWithoutMovingOrInsideTheHandRowGoesBackExactly)
{
    for (bool moved : {false, true}) {
        GameHarness h;
        const Spot before = spotOf(h.s(), kSlot);
        if (moved) {
            h.dragTo(kSlot, 4000, 7300);
        } else {
            h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
            EXPECT_FALSE(timer1Runs(h)) << "the turn timer stops while a tile is held";
            EXPECT_EQ(h.game.heldSlot(), kSlot);
            const Shape &frame = h.s().Shmove; // around the tile, under it
            EXPECT_EQ(std::make_tuple(frame.Visible, frame.Left, frame.Top, frame.Width, frame.Height),
                      std::make_tuple(true, 1810.f, 7650.f, 480.f, 900.f));
            EXPECT_LT(frame.z, h.s().Shape1.z); // sent behind everything
            h.platform.release(h.centreX(kSlot), h.centreY(kSlot));
        }
        EXPECT_EQ(spotOf(h.s(), kSlot), before) << moved;
        EXPECT_EQ(h.s().first[0] + h.s().pno, "07") << moved; // no placement
        EXPECT_TRUE(timer1Runs(h)) << moved;
        EXPECT_FALSE(h.s().Shmove.Visible) << moved;
        EXPECT_EQ((std::pair<long, long>(h.s().lcard[kSlot].z, h.s().rcard[kSlot].z)), std::make_pair(h.s().zTop - 1, h.s().zTop));
    }
}

// The mark of where the tile would go follows the drag and goes with the
// release (where each region ends, for the mark and the drop alike, is one
// table in placement_test.cpp).
TEST(Drag, ReleasedOverTheBoardTheTileIsLaidWhereItsMarkSaid)
{
    GameHarness h;
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
    EXPECT_EQ(h.s().aids.dropMark, std::nullopt) << "still in the row";
    h.platform.move(2500, 3000);
    EXPECT_EQ(h.s().lblStatusBar.Caption, ""); // [3|6] fits no open end yet
    h.platform.move(3100, 2100);
    EXPECT_EQ(h.s().aids.dropMark, DropTarget{.opening = true});
    h.platform.release(3100, 2100);
    EXPECT_EQ(h.s().aids.dropMark, std::nullopt);
    EXPECT_EQ(h.s().aids.refusals, 0);
    EXPECT_EQ(spotOf(h.s(), kSlot), kOpened);
    EXPECT_EQ(h.s().lcard[kSlot].picture + h.s().rcard[kSlot].picture, 13 + 16); // lying: pips + 10
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
    EXPECT_EQ(h.s().lStatus.Top, 1100);
    EXPECT_TRUE(timer1Runs(h));
}

TEST(Drag, TheRightButtonTakesNothingUpAndItsMoveStopsTheDrag)
{
    GameHarness h;
    h.s().dragging = 1;
    const Spot before = spotOf(h.s(), kSlot);
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot), kRightButton);
    EXPECT_EQ(h.game.heldSlot(), 0);
    EXPECT_TRUE(timer1Runs(h) && !h.s().Shmove.Visible);
    EXPECT_EQ(h.s().dragging, 0);
    h.s().dragging = 1;
    h.platform.move(h.centreX(kSlot), h.centreY(kSlot), kRightButton);
    EXPECT_EQ(h.s().dragging, 0);
    EXPECT_EQ(spotOf(h.s(), kSlot), before);
}

TEST(Drag, ALaidTileCannotBeTaken)
{
    GameHarness h;
    h.dragTo(kSlot, 3000, 2000); // opens: now the computer's turn
    ASSERT_EQ(spotOf(h.s(), kSlot), kOpened);
    // Before the periodic check disables it, the laid half still takes the mouse.
    h.platform.press(6125, 4100);
    EXPECT_EQ(h.game.heldSlot(), 0);
    EXPECT_TRUE(timer1Runs(h));
    h.platform.move(3100, 6100);
    h.platform.release(3100, 6100);
    EXPECT_EQ(spotOf(h.s(), kSlot), kOpened);
    EXPECT_EQ(h.s().first[1], "0");
}

TEST(Drag, TheTileKeepsFollowingThePointerAfterItsFirstHalfIsDisabled)
{
    GameHarness h;
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
    h.platform.move(4100, 5100);
    h.advance(350); // the periodic check disables every half outside the row
    ASSERT_FALSE(h.s().lcard[kSlot].Enabled);
    h.platform.move(3600, 2600);
    EXPECT_EQ(spotOf(h.s(), kSlot), (Spot{3500, 2500, 3500, 2920}));
    EXPECT_EQ(std::make_tuple(h.s().Shmove.Left, h.s().Shmove.Top, h.s().Shmove.Width, h.s().Shmove.Height),
              std::make_tuple(3475.f, 2475.f, 485.f, 900.f));
    // The frame comes to the front, the tile, 400 square, above it.
    EXPECT_EQ(std::make_tuple(h.s().lcard[kSlot].z - h.s().Shmove.z, h.s().rcard[kSlot].z - h.s().Shmove.z,
                              h.s().lcard[kSlot].Width, h.s().rcard[kSlot].Height),
              std::make_tuple(1, 2, 400.f, 400.f));
    h.platform.release(3600, 2600);
    EXPECT_EQ(spotOf(h.s(), kSlot), kOpened);
}

TEST(Drag, APressTakesUpTheFirstHalfUnderThePointerEdgesIncluded)
{
    // Slot 22 stands at 1835, 7675, 405 square, its second half 420 lower; slot 1,
    // drawn earlier, at the end of the row.
    const struct {
        float x, y;
        int held;
    } presses[] = {{1835, 7675, 22}, {1834, 7800, 0}, {2239, 8079, 22}, {2240, 7800, 0}, {1900, 7674, 0},
                   {1900, 8080, 0},  {1900, 8100, 0}, {9000, 6000, 0},  {5400, 7800, 1}};
    for (const auto &p : presses) {
        GameHarness h;
        h.s().lcard[1].Left = h.s().rcard[1].Left = 5330;
        h.s().lcard[1].Top = 7675, h.s().rcard[1].Top = 8095, h.s().lcard[1].Enabled = true;
        h.s().dragging = 1;
        h.platform.press(p.x, p.y);
        EXPECT_EQ(h.game.heldSlot(), p.held) << p.x << "," << p.y;
        h.platform.move(3100, 2100);
        h.platform.release(3100, 2100);
        EXPECT_EQ(std::make_tuple(h.s().first[0], h.s().lStatus.Top, h.s().lcard[0].Left + h.s().lcard[0].Top),
                  std::make_tuple(p.held ? "1" : "0", p.held ? 1100.f : 1065.f, 0.f)) << p.x << "," << p.y;
    }
}

TEST(Drag, ATileIsLaidFromTheHandLineUpAndGoesBackBelowIt)
{
    for (const float top : {7100.f, 7101.f}) {
        GameHarness h;
        h.dragTo(kSlot, 3000, top);
        EXPECT_EQ(h.s().first[0], top == 7100 ? "1" : "0") << top;
    }
}

TEST(Drag, WhileMovingTheStatusLineNamesATileThatFitsAnOpenEnd)
{
    const std::pair<const char *, const char *> ends[] = {{"6", "x"}, {"x", "6"}, {"3", "x"}, {"x", "3"}, {"x", "x"}};
    for (const auto &[cu, cd] : ends) {
        GameHarness h;
        h.s().cu = cu;
        h.s().cd = cd;
        h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
        h.platform.move(3100, 2100);
        EXPECT_EQ(h.s().lblStatusBar.Caption, std::string(cu) + cd == "xx" ? "" : "You Choose Card  3 / 6") << cu << cd;
    }
    // A half whose pips read as a long text is still named in full.
    GameHarness h;
    const std::string longPips = "pips of a long text";
    h.s().lcard[kSlot].Tag = longPips;
    h.s().cu = longPips;
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
    h.platform.move(3100, 2100);
    EXPECT_EQ(h.s().lblStatusBar.Caption, "You Choose Card  " + longPips + " / 6");
}

TEST(Drag, AStatusLineThatNamesAnotherTileIsRewritten)
{
    // Each as long as the held tile's name, and off from it in one place.
    for (const char *before : {"You Choose Card  4 / 6", "You Choose Card  3 / 5", "You Choose Card  3 - 6",
                               "Your Choose Card 3 / 6", "You Choose Card  3 / 6"}) {
        GameHarness h;
        h.s().cu = "6";
        h.s().lblStatusBar.Caption = before;
        h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
        h.platform.move(3100, 2100);
        EXPECT_EQ(h.s().lblStatusBar.Caption, "You Choose Card  3 / 6") << before;
    }
}

TEST(Drag, ASecondButtonDuringADragNeitherTakesTheTileUpAgainNorMovesIt)
{
    GameHarness h;
    h.s().first[0] = "1";
    h.s().cu = h.s().cd = "0"; // [3|6] fits neither end
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
    h.platform.move(3100, 2100);
    h.platform.press(9000, 6000, kMiddleButton); // elsewhere: the tile keeps the mouse
    h.platform.move(4100, 3100, kLeftButton | kMiddleButton);
    EXPECT_EQ(spotOf(h.s(), kSlot), (Spot{3000, 2000, 3000, 2420}));
    h.platform.release(4100, 3100);
    EXPECT_EQ(spotOf(h.s(), kSlot), (Spot{1830, 7675, 1830, 8095})) << "back in the row, closed up";
}

TEST(Drag, ANewHandTakesTheMarkAway)
{
    GameHarness h;
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
    h.platform.move(3100, 2100);
    ASSERT_EQ(h.s().aids.dropMark, DropTarget{.opening = true});
    h.platform.keyPress(Key::CtrlN);
    EXPECT_EQ(h.s().aids.dropMark, std::nullopt);
}

} // namespace
} // namespace pipstone::test
