#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

constexpr int kSlot = 22; // [3|6], first in the player's row

struct Spot {
    float firstLeft, firstTop, secondLeft, secondTop;
    bool operator==(const Spot &) const = default;
};

Spot spotOf(const GameState &s, int slot)
{
    return {s.lcard[slot].Left, s.lcard[slot].Top, s.rcard[slot].Left, s.rcard[slot].Top};
}

bool timer1Runs(GameHarness &h)
{
    return h.s().Timer1.Enabled && h.platform.timerRunning(TimerId::Timer1);
}

} // namespace

TEST(Drag, PressAndReleaseWithoutMovingLeavesTheTileAndRestartsTheTurnTimer)
{
    GameHarness h;
    const Spot before = spotOf(h.s(), kSlot);
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
    EXPECT_FALSE(timer1Runs(h));
    EXPECT_EQ(h.game.heldSlot(), kSlot);
    h.platform.release(h.centreX(kSlot), h.centreY(kSlot));
    EXPECT_EQ(spotOf(h.s(), kSlot), before);
    EXPECT_EQ(h.s().first[0], "0"); // no placement: it would have opened the hand
    EXPECT_TRUE(timer1Runs(h));
}

TEST(Drag, ReleasedInsideTheHandRowTheTileReturnsExactly)
{
    GameHarness h;
    const Spot before = spotOf(h.s(), kSlot);
    h.dragTo(kSlot, 4000, 7300);
    EXPECT_EQ(spotOf(h.s(), kSlot), before);
    EXPECT_EQ(h.s().first[0], "0");
    EXPECT_EQ(h.s().pno, "7");
    EXPECT_TRUE(timer1Runs(h));
}

TEST(Drag, ReleasedOverTheBoardTheTileIsLaid)
{
    GameHarness h;
    h.platform.press(h.centreX(kSlot), h.centreY(kSlot));
    h.platform.move(2500, 3000);
    // [3|6] fits no open end yet, so the status line keeps its text.
    EXPECT_EQ(h.s().lblStatusBar.Caption, "");
    h.platform.move(3100, 2100);
    h.platform.release(3100, 2100);
    EXPECT_EQ(spotOf(h.s(), kSlot), (Spot{6025, 4000, 6450, 4000}));
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
    EXPECT_EQ(h.s().lStatus.Top, 1100);
    EXPECT_TRUE(timer1Runs(h));
}

TEST(Drag, AMoveWithTheRightButtonStopsTheDragAndMovesNothing)
{
    GameHarness h;
    h.s().dragging = 1;
    const Spot before = spotOf(h.s(), kSlot);
    h.platform.move(h.centreX(kSlot), h.centreY(kSlot), kRightButton);
    EXPECT_EQ(h.s().dragging, 0);
    EXPECT_EQ(spotOf(h.s(), kSlot), before);
}

TEST(Drag, ATileReleasedOnTheComputersTurnGoesBack)
{
    GameHarness h;
    h.dragTo(kSlot, 3000, 2000); // opens: now the computer's turn
    ASSERT_EQ(h.s().lStatus.Caption, kComputerTurn);
    h.s().cu = "4"; // [4|4] would fit the left end
    const int other = 23;
    const Spot before = spotOf(h.s(), other);
    h.dragTo(other, 3000, 2000);
    EXPECT_EQ(spotOf(h.s(), other), before);
    EXPECT_EQ(h.s().pno, "6");
    EXPECT_EQ(h.s().first[2], "0");
    EXPECT_TRUE(timer1Runs(h));
}

TEST(Drag, APressOnATileOnTheBoardDoesNothing)
{
    GameHarness h;
    h.dragTo(kSlot, 3000, 2000);
    ASSERT_EQ(spotOf(h.s(), kSlot), (Spot{6025, 4000, 6450, 4000}));
    // Before the periodic check disables it, the laid half still takes the mouse.
    h.platform.press(6125, 4100);
    EXPECT_EQ(h.game.heldSlot(), 0);
    EXPECT_TRUE(timer1Runs(h));
    h.platform.move(3100, 6100);
    h.platform.release(3100, 6100);
    EXPECT_EQ(spotOf(h.s(), kSlot), (Spot{6025, 4000, 6450, 4000}));
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
    EXPECT_EQ(h.s().lcard[kSlot].Left, 3500);
    EXPECT_EQ(h.s().lcard[kSlot].Top, 2500);
    EXPECT_EQ(h.s().rcard[kSlot].Top, 2920);
    h.platform.release(3600, 2600);
    EXPECT_EQ(spotOf(h.s(), kSlot), (Spot{6025, 4000, 6450, 4000}));
}

} // namespace pipstone::test
