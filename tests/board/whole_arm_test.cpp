#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pipstone::test {

namespace {

struct Point {
    float x, y;
};

Point centre(const Picture &half)
{
    return {half.Left + 200, half.Top + 200};
}

float distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Lays 21 tiles one after the other on one arm, past both of its corners.
// Tile k has the open end on its first half when k is even and on its second
// half when k is odd, so both rows of every cell tag are used; the other half
// becomes the next open end.
void layWholeArm(Arm arm)
{
    GameHarness h;
    GameState &s = h.s();
    const bool right = arm == Arm::Right;
    s.first[0] = "1";
    s.cu = "3";
    s.cd = "6";
    // The opening tile's open halves: its first half on the left, its second
    // on the right, as the opening leaves them at (6025, 4000).
    Point previous = right ? Point{6450 + 200, 4200} : Point{6025 + 200, 4200};

    for (int k = 0; k <= 20; ++k) {
        SCOPED_TRACE(testing::Message() << (right ? "right" : "left") << " cell " << k);
        const int slot = k + 1;
        std::string &end = right ? s.cd : s.cu;
        const std::string open = end;
        const std::string other = toText((readInt(open) + 1 + k % 3) % 7);
        Picture &first = s.lcard[slot];
        Picture &second = s.rcard[slot];
        first.Tag = k % 2 == 0 ? open : other;
        second.Tag = k % 2 == 0 ? other : open;

        s.lStatus.Caption = kYourTurn;
        s.Text1 = toText(slot);
        s.mu = first.Tag;
        s.md = second.Tag;
        s.dragOrigin = {first.Left, first.Top, second.Left, second.Top};
        const float parkTop = right ? 5000 : 2000;
        first.Left = second.Left = 3000;
        first.Top = parkTop;
        second.Top = parkTop + 420;
        h.game.domook();

        const Shape &cell = right ? s.Shr[k] : s.Shl[k];
        ASSERT_EQ(right ? s.first[1] : s.first[2], toText(k + 1));
        EXPECT_EQ(end, other);
        // The tile's top-left corner lies 25 inside its cell, lying in a
        // flat cell and upright in a corner cell.
        const bool upright = cell.Tag == "1";
        EXPECT_EQ(std::min(first.Left, second.Left), cell.Left + 25);
        EXPECT_EQ(std::min(first.Top, second.Top), cell.Top + 25);
        if (upright) {
            EXPECT_EQ(first.Left, second.Left);
        } else {
            EXPECT_EQ(first.Top, second.Top);
        }
        EXPECT_EQ(s.cardrot[slot], readInt(s.Label1));
        // The half against the previous tile shows the old open end.
        const bool firstTouches = distance(centre(first), previous) < distance(centre(second), previous);
        const Picture &touching = firstTouches ? first : second;
        const Picture &away = firstTouches ? second : first;
        EXPECT_EQ(touching.Tag, open);
        EXPECT_LT(distance(centre(touching), previous), 750);
        previous = centre(away);
    }
}

} // namespace

TEST(WholeArm, RightArmRunsPastBothCorners)
{
    layWholeArm(Arm::Right);
}

TEST(WholeArm, LeftArmRunsPastBothCorners)
{
    layWholeArm(Arm::Left);
}

} // namespace pipstone::test
