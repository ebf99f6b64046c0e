#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

// Without a shuffle slot 15 holds [2|3] and slot 22 holds [3|6].
void show(GameHarness &h, int slot, float left, float top, float secondLeft, float secondTop)
{
    h.s().lcard[slot].Left = left;
    h.s().lcard[slot].Top = top;
    h.s().rcard[slot].Left = secondLeft;
    h.s().rcard[slot].Top = secondTop;
    h.s().Text1 = std::to_string(slot);
    h.game.showcards();
}

TEST(HandDisplay, EachPlaceShowsItsPictures)
{
    const int back = 8; // picture table: 8 the back, pips + 1 a face, pips + 10 a face turned a quarter
    const struct {
        const char *what;
        int slot;
        float left, top, secondLeft, secondTop;
        int first, second;
        bool enableBefore, leftoverTurn;
    } cases[] = {
        {"stock", 22, 540, 1085, 120, 1085, back, back, true, false},
        {"stock at the computer's Top", 22, 540, 60, 120, 60, back, back, true, false},
        {"stock on the board", 22, 540, 5000, 120, 5000, back, back, true, false},
        {"stock at the player's Top", 22, 540, 7675, 120, 7675, back, back, true, false},
        {"computer's row", 15, 1835, 60, 1835, 480, back, back, false, false},
        // Upright in the player's row even with a quarter turn left over.
        {"player's row", 15, 1835, 7675, 1835, 8095, 3, 4, false, true},
        {"board, lying", 22, 5000, 3000, 5400, 3000, 13, 16, false, false},
        {"board, upright", 22, 5000, 3000, 5000, 3420, 4, 7, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness h;
        h.s().lcard[c.slot].Enabled = h.s().rcard[c.slot].Enabled = c.enableBefore;
        if (c.leftoverTurn) {
            h.s().faceset = 9;
            h.s().facemul = 1;
        }
        const int repaints = h.platform.repaints;
        show(h, c.slot, c.left, c.top, c.secondLeft, c.secondTop);
        EXPECT_EQ(h.platform.repaints - repaints, c.first == back ? 0 : 1) << "a face is painted at once";
        EXPECT_EQ((std::pair<int, int>(h.s().lcard[c.slot].picture, h.s().rcard[c.slot].picture)), std::make_pair(c.first, c.second));
        EXPECT_EQ(h.s().lcard[c.slot].Left, c.left) << "the display moves nothing";
        EXPECT_EQ(h.s().rcard[c.slot].Top, c.secondTop);
        if (c.first == back || c.slot == 15) { // never enabled again
            EXPECT_FALSE(h.s().lcard[c.slot].Enabled || h.s().rcard[c.slot].Enabled);
        }
        EXPECT_TRUE(!c.leftoverTurn || h.s().faceset == 0);
    }
}

TEST(HandDisplay, TheFaceStepAloneRulesAtTheEdgeOfTheBoard)
{
    // A lying tile at Top 1000 is face up but not turned to the board.
    const struct {
        float top;
        int facemul;
        bool cornerShown;
        int firstPicture;
    } cases[] = {
        {1000, 0, false, 4}, {1000, 1, false, 13}, {1000, 1, true, 4},
        {1001, 0, false, 13},  {1001, 1, true, 13},
    };
    for (const auto &c : cases) {
        GameHarness h;
        h.s().facemul = c.facemul;
        h.s().Shr[5].Visible = c.cornerShown;
        show(h, 22, 5000, c.top, 5400, c.top);
        EXPECT_EQ(h.s().lcard[22].picture, c.firstPicture)
            << "Top " << c.top << " facemul " << c.facemul << " corner " << c.cornerShown;
    }
}

TEST(HandDisplay, TheMovingTileShowsFacesOnlyOnThePlayersTurnOrOnceRevealed)
{
    const struct {
        const char *status;
        int creveal;
        bool faces;
    } cases[] = {{"Status: Computer1", 0, false}, {"Status: Computer1", 1, true}, {"Status: Your Turn", 0, true},
                 {"Status: Your Turn", 1, true},  {"Status", 0, false},           {"Status: your turn", 0, false}};
    GameHarness h;
    for (const auto &c : cases) {
        h.s().lStatus.Caption = c.status;
        h.s().creveal = c.creveal;
        h.s().Cover.CoverU = h.s().Cover.CoverD = 0;
        show(h, 22, h.s().lcard[22].Left, h.s().lcard[22].Top, h.s().rcard[22].Left, h.s().rcard[22].Top);
        EXPECT_EQ(h.s().Cover.CoverU, c.faces ? 4 : 8) << c.status << " " << c.creveal;
        EXPECT_EQ(h.s().Cover.CoverD, c.faces ? 7 : 8) << c.status << " " << c.creveal;
    }
}

} // namespace
} // namespace pipstone::test
