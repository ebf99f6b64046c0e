#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

constexpr int kSlot = 22; // the first tile of the player's row

// Leaves the tile of `slot` where the player's drag would have dropped it:
// taken up from its place in the row and released with its first half's
// top-left corner at (left, top).
void dropAt(GameHarness &h, int slot, float left, float top)
{
    GameState &s = h.s();
    s.Text1 = toText(slot);
    s.mu = s.lcard[slot].Tag;
    s.md = s.rcard[slot].Tag;
    s.dragOrigin = {s.lcard[slot].Left, s.lcard[slot].Top, s.rcard[slot].Left, s.rcard[slot].Top};
    s.lcard[slot].Left = s.rcard[slot].Left = left;
    s.lcard[slot].Top = top;
    s.rcard[slot].Top = top + 420;
    h.game.domook();
}

// A dealt hand whose rows are already closed up, so that a refused tile
// comes back to exactly the place it left.
struct Table : GameHarness {
    Table() { game.arrangehands(); }
};

} // namespace

TEST(Placement, TheOpeningTileLaysInTheMiddleWhereverItIsDropped)
{
    const struct {
        float left, top;
    } drops[] = {{3000, 2000}, {9000, 6500}, {6500, 4200}, {500, 500}};
    for (const auto &d : drops) {
        SCOPED_TRACE(testing::Message() << d.left << "," << d.top);
        Table h;
        const int psc = readInt(h.s().psc);
        dropAt(h, kSlot, d.left, d.top); // [3|6]
        EXPECT_EQ(h.s().lcard[kSlot].Left, 6025);
        EXPECT_EQ(h.s().rcard[kSlot].Left, 6450);
        EXPECT_EQ(h.s().lcard[kSlot].Top, 4000);
        EXPECT_EQ(h.s().rcard[kSlot].Top, 4000);
        EXPECT_EQ(h.s().cu, "3");
        EXPECT_EQ(h.s().cd, "6");
        EXPECT_EQ(h.s().first[0], "1");
        EXPECT_EQ(readInt(h.s().psc), psc - 9);
        EXPECT_EQ(h.s().pno, "6");
        EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
        EXPECT_EQ(h.s().lblStatusBar.Caption, "You Choose Card  3 / 6");
    }
}

namespace {

struct Drop {
    const char *what;
    const char *tile;
    const char *cu, *cd;
    const char *rightCells, *leftCells; // first(1), first(2)
    float left, top;
    bool laid;
    // When laid:
    const char *code = "";
    const char *newCu = "", *newCd = "";
    float firstLeft = 0, firstTop = 0, secondLeft = 0, secondTop = 0;
};

const Drop kDrops[] = {
    {"fits only cd, upper region", "45", "1", "4", "0", "0", 3000, 2000, false},
    {"fits only cd, lower region", "45", "1", "4", "0", "0", 3000, 5000, true, "4", "1", "5", 7120, 4045, 7540, 4045},
    {"overlap of both regions is the left end", "45", "4", "5", "0", "0", 3000, 4500, true, "2", "5", "5", 5320,
     4045, 4900, 4045},
    {"gap between the regions", "45", "4", "5", "0", "0", 6500, 4200, false},
    {"left of the board", "45", "4", "5", "0", "0", 1000, 3000, false},
    {"at the hand line", "45", "4", "5", "0", "0", 3000, 7485, false},
    {"double on right cell 0", "44", "1", "4", "0", "0", 3000, 5000, true, "4", "1", "4", 7120, 4045, 7540, 4045},
    {"double on right corner cell 5", "44", "1", "4", "5", "0", 3000, 5000, true, "1", "1", "4", 11170, 4540, 11170,
     4960},
    {"[2|5] on cu 5, left cell 0", "25", "5", "0", "0", "0", 3000, 2000, true, "4", "2", "0", 4900, 4045, 5320, 4045},
    {"[2|5] on cu 2, left cell 0", "25", "2", "0", "0", "0", 3000, 2000, true, "2", "5", "0", 5320, 4045, 4900, 4045},
};

} // namespace

TEST(Placement, JudgesTheEndByTheDropAndLaysTheMatchingHalfAgainstTheChain)
{
    for (const Drop &d : kDrops) {
        SCOPED_TRACE(d.what);
        Table h;
        GameState &s = h.s();
        h.putTile(kSlot, d.tile);
        s.first = {"1", d.rightCells, d.leftCells};
        s.cu = d.cu;
        s.cd = d.cd;
        const GameState before = s;
        dropAt(h, kSlot, d.left, d.top);

        if (!d.laid) {
            EXPECT_EQ(s.lcard[kSlot].Left, before.lcard[kSlot].Left);
            EXPECT_EQ(s.lcard[kSlot].Top, before.lcard[kSlot].Top);
            EXPECT_EQ(s.rcard[kSlot].Left, before.rcard[kSlot].Left);
            EXPECT_EQ(s.rcard[kSlot].Top, before.rcard[kSlot].Top);
            EXPECT_EQ(s.psc, before.psc);
            EXPECT_EQ(s.pno, before.pno);
            EXPECT_EQ(s.cu, before.cu);
            EXPECT_EQ(s.cd, before.cd);
            EXPECT_EQ(s.first, before.first);
            EXPECT_EQ(s.lStatus.Caption, before.lStatus.Caption);
            continue;
        }
        const bool right = d.top >= 4550;
        EXPECT_EQ(s.Label1, d.code);
        EXPECT_EQ(s.cardrot[kSlot], readInt(d.code));
        EXPECT_EQ(s.cu, d.newCu);
        EXPECT_EQ(s.cd, d.newCd);
        EXPECT_EQ(s.lcard[kSlot].Left, d.firstLeft);
        EXPECT_EQ(s.lcard[kSlot].Top, d.firstTop);
        EXPECT_EQ(s.rcard[kSlot].Left, d.secondLeft);
        EXPECT_EQ(s.rcard[kSlot].Top, d.secondTop);
        EXPECT_EQ(s.first[1], toText(readInt(d.rightCells) + (right ? 1 : 0)));
        EXPECT_EQ(s.first[2], toText(readInt(d.leftCells) + (right ? 0 : 1)));
        EXPECT_EQ(readInt(s.psc), readInt(before.psc) - readInt(d.tile) / 10 - readInt(d.tile) % 10);
        EXPECT_EQ(s.pno, "6");
        EXPECT_EQ(s.lStatus.Caption, kComputerTurn);
    }
}

} // namespace pipstone::test
