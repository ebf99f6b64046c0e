// The player's drag on the real window: a tile taken from the hand with the
// mouse and let go over the board opens the line of play in the middle. Where
// else a drop goes (back to its place, among them) is the game's own test.
//
// QTest sends a move straight to the widget, with the buttons held, only
// while one of its own presses holds a button; a move with no button held
// just moves the cursor.

// own
#include "platform/qt/live_game.h"

// std
#include <gtest/gtest.h>

namespace pipstone::testing {
namespace {

constexpr float kRowTop = 7675;

// First half of the k-th tile of the player's row, k from 1.
float rowLeft(int k)
{
    return 1835 + 485.0f * static_cast<float>(k - 1);
}

class GameDrag : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(live.start()); }

    // The slot whose first half lies at the k-th place of the player's row.
    int slotAt(int k)
    {
        for (int i = 1; i <= kSlots; ++i)
            if (s().lcard[i].Left == rowLeft(k) && s().lcard[i].Top == kRowTop)
                return i;
        return 0;
    }

    GameState &s() { return live.s(); }

    LiveGame live{20240611};
    BoxWatch boxes;
};

TEST_F(GameDrag, ATileDroppedOnTheBoardOpensTheLineInTheMiddle)
{
    ASSERT_EQ(s().lStatus.Caption, kYourTurn);
    const int slot = slotAt(1);
    ASSERT_NE(slot, 0);
    GameCanvas &canvas = live.canvas();

    const QPoint grab = pixelAt(rowLeft(1) + 200, kRowTop + 200);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, grab);
    QTest::mouseMove(&canvas, grab - QPoint(0, 60));
    QTest::mouseMove(&canvas, pixelAt(6200, 4200));
    EXPECT_LT(s().lcard[slot].Top, 7100) << "the tile follows the pointer";
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, pixelAt(6200, 4200));

    EXPECT_EQ(s().lcard[slot].Left, 6025);
    EXPECT_EQ(s().lcard[slot].Top, 4000);
    EXPECT_EQ(s().rcard[slot].Left, 6450);
    EXPECT_EQ(s().rcard[slot].Top, 4000);
    EXPECT_EQ(s().lStatus.Caption, kComputerTurn);
    EXPECT_EQ(s().pno, "6");

    // The computer answers on the real clock: its tile flies in and the turn
    // comes back, with the opening tile still in its place.
    EXPECT_TRUE(QTest::qWaitFor([&] { return s().lStatus.Caption == kYourTurn; }, 10000));
    EXPECT_EQ(s().lcard[slot].Left, 6025);
    EXPECT_EQ(s().lcard[slot].Top, 4000);
    EXPECT_FALSE(s().Cover.Visible);
    EXPECT_LE(boxes.mostOpen(), 1);
}

} // namespace
} // namespace pipstone::testing
