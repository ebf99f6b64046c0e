#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

// Where rotateme puts both halves of a tile for one code and target corner.
struct Layout {
    const char *code;
    const char *x;
    const char *y;
    float firstLeft, firstTop, secondLeft, secondTop;
};

// A flat cell (left cell 0 at 4875, 4020) and an upright corner cell (left
// cell 5 at 1200, 3135), each with the tile's corner 25 inside the cell.
const Layout kLayouts[] = {
    {"1", "4900", "4045", 4900, 4045, 4900, 4465},
    {"2", "4900", "4045", 5320, 4045, 4900, 4045},
    {"3", "4900", "4045", 4900, 4465, 4900, 4045},
    {"4", "4900", "4045", 4900, 4045, 5320, 4045},
    {"1", "1225", "3160", 1225, 3160, 1225, 3580},
    {"2", "1225", "3160", 1645, 3160, 1225, 3160},
    {"3", "1225", "3160", 1225, 3580, 1225, 3160},
    {"4", "1225", "3160", 1225, 3160, 1645, 3160},
};

void aim(GameHarness &h, const char *code, const char *x, const char *y)
{
    h.s().Text1 = "9";
    h.s().Label1 = code;
    h.s().Label6 = x;
    h.s().Label7 = y;
}

} // namespace

TEST(Orientation, PutsBothHalvesWhereTheCodeSays)
{
    for (const Layout &l : kLayouts) {
        SCOPED_TRACE(std::string("code ") + l.code + " at " + l.x + "," + l.y);
        GameHarness h;
        aim(h, l.code, l.x, l.y);
        h.game.rotateme();
        EXPECT_EQ(h.s().lcard[9].Left, l.firstLeft);
        EXPECT_EQ(h.s().lcard[9].Top, l.firstTop);
        EXPECT_EQ(h.s().rcard[9].Left, l.secondLeft);
        EXPECT_EQ(h.s().rcard[9].Top, l.secondTop);
        EXPECT_EQ(h.s().cardrot[9], readInt(l.code));
    }
}

TEST(Orientation, TurnsAQuarterAtATimeToTheAskedCode)
{
    const struct {
        int from;
        const char *to;
    } turns[] = {{1, "4"}, {2, "2"}, {3, "1"}, {4, "3"}};
    for (const auto &t : turns) {
        GameHarness h;
        h.s().cardrot[9] = t.from;
        aim(h, t.to, "4900", "4045");
        h.game.rotateme();
        EXPECT_EQ(h.s().cardrot[9], readInt(t.to)) << "from " << t.from;
    }
}

TEST(Orientation, HandsTheTurnOverAndRecountsForTheNewEnds)
{
    GameHarness h;
    h.s().cu = "0";
    h.s().cd = "4";
    aim(h, "4", "4900", "4045");
    h.game.rotateme();
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
    EXPECT_EQ(h.s().lStatus.Top, 1100);
    // Player 36 44 45 46 55 56 66: 44 twice, 45 and 46 once. Computer 23 24
    // 25 26 33 34 35: 24 and 34.
    EXPECT_EQ(h.s().AvPmove, "4");
    EXPECT_EQ(h.s().AvCmove, "2");
    EXPECT_EQ(h.s().List1.size(), 7u);

    // The computer's tile hands the turn back to the player's row.
    aim(h, "4", "5800", "4045");
    h.game.rotateme();
    EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
    EXPECT_EQ(h.s().lStatus.Top, 7100);
}

TEST(Orientation, AnInvalidCodeLeavesTheTileWhereItIs)
{
    for (const char *code : {"0", "5", "x"}) {
        SCOPED_TRACE(code);
        GameHarness h;
        const Picture first = h.s().lcard[9], second = h.s().rcard[9];
        const int rot = h.s().cardrot[9];
        aim(h, code, "4900", "4045");
        h.game.rotateme(); // must return
        EXPECT_EQ(h.s().lcard[9].Left, first.Left);
        EXPECT_EQ(h.s().lcard[9].Top, first.Top);
        EXPECT_EQ(h.s().rcard[9].Left, second.Left);
        EXPECT_EQ(h.s().rcard[9].Top, second.Top);
        EXPECT_EQ(h.s().cardrot[9], rot);
        EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
    }
}

} // namespace pipstone::test
