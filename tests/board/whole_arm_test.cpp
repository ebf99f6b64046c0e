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

// Lays 21 tiles one after the other on one arm, past both of its corners. The
// open end is on tile k's first half for even k and on its second for odd k,
// so both rows of every cell tag are used.
void layWholeArm(bool right)
{
    GameHarness h;
    GameState &s = h.s();
    s.first[0] = "1";
    s.cu = "3";
    s.cd = "6";
    Point previous{(right ? 6450.f : 6025.f) + 200, 4200}; // the opening tile's open half
    for (int k = 0; k <= 20; ++k) {
        SCOPED_TRACE(testing::Message() << (right ? "right" : "left") << " cell " << k);
        const int slot = k + 1;
        NumberText &end = right ? s.cd : s.cu;
        const std::string open = end;
        const std::string other = toText((readInt(open) + 1 + k % 3) % 7);
        Picture &first = s.lcard[slot], &second = s.rcard[slot];
        first.Tag = k % 2 == 0 ? open : other;
        second.Tag = k % 2 == 0 ? other : open;
        s.lStatus.Caption = kYourTurn;
        h.dropAt(slot, 3000, right ? 5000 : 2000);

        const Shape &cell = right ? s.Shr[k] : s.Shl[k];
        ASSERT_EQ(right ? s.first[1] : s.first[2], toText(k + 1));
        EXPECT_EQ(end, other);
        // The corner lies 25 inside the cell, lying in a flat cell, upright in a corner.
        EXPECT_EQ(std::min(first.Left, second.Left), cell.Left + 25);
        EXPECT_EQ(std::min(first.Top, second.Top), cell.Top + 25);
        EXPECT_EQ(cell.Tag == "1" ? first.Left : first.Top, cell.Tag == "1" ? second.Left : second.Top);
        EXPECT_EQ(s.cardrot[slot], readInt(s.Label1));
        // The half against the previous tile shows the old open end.
        const bool firstTouches = distance(centre(first), previous) < distance(centre(second), previous);
        const Picture &touching = firstTouches ? first : second;
        EXPECT_EQ(touching.Tag, open);
        EXPECT_LT(distance(centre(touching), previous), 750);
        previous = centre(firstTouches ? second : first);
    }
}

TEST(WholeArm, EachArmRunsPastBothCorners)
{
    layWholeArm(true);
    layWholeArm(false);
}

} // namespace
} // namespace pipstone::test
