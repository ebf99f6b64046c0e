#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {

TEST(Smoke, StartsOnADealtHand)
{
    GameHarness h;
    EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
    EXPECT_EQ(h.s().caption, "Pipstone");
}

} // namespace pipstone::test
