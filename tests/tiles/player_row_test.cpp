#include "state/places.h"
#include "support/game_harness.h"
#include "tiles/player_row.h"

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

// The keyboard walks the player's row from left to right. A tile carried over
// another's place keeps the order of the slots, so the frame does not jump.
TEST(PlayerRow, RunsLeftToRightOverTheTilesShownInTheRow)
{
    GameHarness h;
    EXPECT_EQ(playerRow(h.s()), (std::vector<int>{22, 23, 24, 25, 26, 27, 28}));
    std::swap(h.s().lcard[22].Left, h.s().lcard[28].Left);
    h.s().lcard[25].Top = 4000; // on the board
    h.s().lcard[26].Visible = false;
    h.s().lcard[24].Left = h.s().lcard[23].Left;
    EXPECT_EQ(playerRow(h.s()), (std::vector<int>{28, 23, 24, 27, 22}));
    // Carried up to the row's line a tile still counts in the row; past it, not.
    h.s().lcard[27].Top = kPlayerRowLine;
    h.s().lcard[22].Top = kPlayerRowLine - 1;
    EXPECT_EQ(playerRow(h.s()), (std::vector<int>{28, 23, 24, 27}));
}

} // namespace
} // namespace pipstone::test
