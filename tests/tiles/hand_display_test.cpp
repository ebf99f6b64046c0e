#include "support/game_harness.h"
#include "tiles/pictures.h"

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

// Without a shuffle slot 15 holds [2|3] and slot 22 holds [3|6].
class HandDisplay : public ::testing::Test {
protected:
    void put(int slot, float left, float top, float secondLeft, float secondTop)
    {
        h.s().lcard[slot].Left = left;
        h.s().lcard[slot].Top = top;
        h.s().rcard[slot].Left = secondLeft;
        h.s().rcard[slot].Top = secondTop;
    }
    void show(int slot)
    {
        h.s().Text1 = std::to_string(slot);
        h.game.showcards();
    }
    int firstPicture(int slot) { return h.s().lcard[slot].picture; }
    int secondPicture(int slot) { return h.s().rcard[slot].picture; }

    GameHarness h;
};

TEST_F(HandDisplay, TheStockShowsBacksAndIgnoresTheMouseWhateverItsTop)
{
    for (float top : {1085.0f, 60.0f, 5000.0f, 7675.0f}) {
        put(22, 540, top, 120, top);
        h.s().lcard[22].Enabled = h.s().rcard[22].Enabled = true;
        show(22);
        EXPECT_EQ(firstPicture(22), kBackPicture) << top;
        EXPECT_EQ(secondPicture(22), kBackPicture) << top;
        EXPECT_FALSE(h.s().lcard[22].Enabled) << top;
        EXPECT_FALSE(h.s().rcard[22].Enabled) << top;
    }
}

TEST_F(HandDisplay, TheComputersRowShowsBacksAndThePlayersRowUprightFaces)
{
    show(15);
    EXPECT_EQ(firstPicture(15), kBackPicture);
    EXPECT_EQ(secondPicture(15), kBackPicture);
    EXPECT_FALSE(h.s().lcard[15].Enabled);

    // Moved into the player's row the faces stand upright, even with the
    // quarter-turn offset left over and its multiplier on.
    h.s().faceset = 9;
    h.s().facemul = 1;
    put(15, 1835, 7675, 1835, 8095);
    show(15);
    EXPECT_EQ(firstPicture(15), uprightFace(2));
    EXPECT_EQ(secondPicture(15), uprightFace(3));
    EXPECT_EQ(h.s().faceset, 0);
    EXPECT_FALSE(h.s().lcard[15].Enabled) << "the display never enables a half again";
}

TEST_F(HandDisplay, ABoardTileShowsTheFacesOfItsLayout)
{
    put(22, 5000, 3000, 5400, 3000); // lying: halves side by side
    show(22);
    EXPECT_EQ(firstPicture(22), turnedFace(3));
    EXPECT_EQ(secondPicture(22), turnedFace(6));

    put(22, 5000, 3000, 5000, 3420); // upright: halves stacked
    show(22);
    EXPECT_EQ(firstPicture(22), uprightFace(3));
    EXPECT_EQ(secondPicture(22), uprightFace(6));
    EXPECT_EQ(h.s().lcard[22].Left, 5000) << "the display moves nothing";
    EXPECT_EQ(h.s().rcard[22].Top, 3420);
}

TEST_F(HandDisplay, TheFaceStepAloneRulesAtTheEdgeOfTheBoard)
{
    // A lying tile at Top 1000 is face up but not turned to the board: only
    // the face step runs, with its multiplier and the corner cells.
    const struct {
        float top;
        int facemul;
        bool cornerShown;
        int firstPicture;
    } cases[] = {
        {1000, 0, false, uprightFace(3)},
        {1000, 1, false, turnedFace(3)},
        {1000, 1, true, uprightFace(3)},
        {1001, 0, false, turnedFace(3)}, // on the board: the board step turns it
        {1001, 1, true, turnedFace(3)},
    };
    for (const auto &c : cases) {
        GameHarness fresh;
        fresh.s().facemul = c.facemul;
        fresh.s().Shr[5].Visible = c.cornerShown;
        fresh.s().lcard[22].Left = 5000;
        fresh.s().lcard[22].Top = c.top;
        fresh.s().rcard[22].Left = 5400;
        fresh.s().rcard[22].Top = c.top;
        fresh.s().Text1 = "22";
        fresh.game.showcards();
        EXPECT_EQ(fresh.s().lcard[22].picture, c.firstPicture)
            << "Top " << c.top << " facemul " << c.facemul << " corner " << c.cornerShown;
    }
}

TEST_F(HandDisplay, TheMovingTileShowsFacesOnlyOnThePlayersTurnOrOnceRevealed)
{
    const struct {
        const char *status;
        int creveal;
        bool faces;
    } cases[] = {
        {"Status: Computer1", 0, false},
        {"Status: Computer1", 1, true},
        {"Status: Your Turn", 0, true},
        {"Status: Your Turn", 1, true},
        {"Status", 0, false},
        {"Status: your turn", 0, false},
    };
    for (const auto &c : cases) {
        h.s().lStatus.Caption = c.status;
        h.s().creveal = c.creveal;
        h.s().Cover.CoverU = h.s().Cover.CoverD = 0;
        show(22); // [3|6] in the player's row
        EXPECT_EQ(h.s().Cover.CoverU, c.faces ? uprightFace(3) : kBackPicture) << c.status << " " << c.creveal;
        EXPECT_EQ(h.s().Cover.CoverD, c.faces ? uprightFace(6) : kBackPicture) << c.status << " " << c.creveal;
    }
}

} // namespace
} // namespace pipstone::test
