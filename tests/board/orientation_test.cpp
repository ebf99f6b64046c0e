#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <tuple>

namespace pipstone::test {
namespace {

void rotate(GameHarness &h, const char *code, const char *x, const char *y, const char *slot = "9")
{
    h.s().Text1 = slot;
    h.s().Label1 = code;
    h.s().Label6 = x;
    h.s().Label7 = y;
    h.game.rotateme();
}

TEST(Orientation, PutsBothHalvesWhereTheCodeSaysTurningAQuarterAtATime)
{
    // A flat cell (left cell 0 at 4875, 4020) and an upright corner cell (left
    // cell 5 at 1200, 3135), the tile's corner 25 inside the cell; the flat
    // rows also start from each other quarter turn.
    const struct {
        const char *code, *x, *y;
        float firstLeft, firstTop, secondLeft, secondTop;
        int fromRot;
    } cases[] = {
        {"1", "4900", "4045", 4900, 4045, 4900, 4465, 3}, {"2", "4900", "4045", 5320, 4045, 4900, 4045, 2},
        {"3", "4900", "4045", 4900, 4465, 4900, 4045, 4}, {"4", "4900", "4045", 4900, 4045, 5320, 4045, 1},
        {"1", "1225", "3160", 1225, 3160, 1225, 3580, 1}, {"2", "1225", "3160", 1645, 3160, 1225, 3160, 1},
        {"3", "1225", "3160", 1225, 3580, 1225, 3160, 1}, {"4", "1225", "3160", 1225, 3160, 1645, 3160, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("code ") + c.code + " at " + c.x + "," + c.y + " from " + std::to_string(c.fromRot));
        GameHarness h;
        h.s().cardrot[9] = c.fromRot;
        rotate(h, c.code, c.x, c.y);
        EXPECT_EQ(spotOf(h.s(), 9), std::make_tuple(c.firstLeft, c.firstTop, c.secondLeft, c.secondTop));
        EXPECT_EQ(h.s().cardrot[9], readInt(c.code));
        // The tile shows the faces of its cell at once: turned (pips + 10)
        // when it lies, upright (pips + 1) when it stands.
        const int offset = c.firstTop == c.secondTop ? 10 : 1;
        EXPECT_EQ((std::pair<int, int>(h.s().lcard[9].picture, h.s().rcard[9].picture)),
                  std::make_pair(readInt(h.s().lcard[9].Tag) + offset, readInt(h.s().rcard[9].Tag) + offset));
    }
}

TEST(Orientation, HandsTheTurnOverRecountsForTheNewEndsAndShowsTheNextCells)
{
    GameHarness h;
    h.s().cu = "0";
    h.s().cd = "4";
    h.s().first[1] = "2"; // the right arm's counter, moved on by the placement
    rotate(h, "4", "4900", "4045");
    EXPECT_TRUE(h.s().Shr[2].Visible && !h.s().Shr[3].Visible);
    EXPECT_EQ((std::pair<std::string, float>(h.s().lStatus.Caption, h.s().lStatus.Top)), std::make_pair(kComputerTurn, 1100.f));
    // Player 36 44 45 46 55 56 66: 44 twice, 45 and 46. Computer 23 24 25 26 33 34 35: 24, 34.
    EXPECT_EQ(h.s().AvPmove + h.s().AvCmove, "42");
    EXPECT_EQ(h.s().List1.size(), 7u);
    rotate(h, "4", "5800", "4045"); // the computer's tile hands the turn back
    EXPECT_EQ((std::pair<std::string, float>(h.s().lStatus.Caption, h.s().lStatus.Top)), std::make_pair(kYourTurn, 7100.f));
}

TEST(Orientation, AnInvalidCodeOrSlotLeavesEveryTileWhereItIs)
{
    const struct {
        const char *code, *slot;
    } cases[] = {{"0", "9"}, {"5", "9"}, {"x", "9"}, {"1", "0"}, {"1", "29"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + c.slot);
        GameHarness h;
        const GameState before = h.s();
        rotate(h, c.code, "4900", "4045", c.slot); // must return
        EXPECT_EQ(spotOf(h.s(), 9), spotOf(before, 9));
        EXPECT_EQ(h.s().cardrot, before.cardrot);
        EXPECT_EQ(std::make_pair(h.s().lcard[0].Left, h.s().lcard[0].Top),
                  std::make_pair(before.lcard[0].Left, before.lcard[0].Top));
        EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
    }
}

} // namespace
} // namespace pipstone::test
