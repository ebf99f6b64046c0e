#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace pipstone::test {
namespace {

constexpr int kSlot = 22; // the first tile of the player's row

// After every placement, laid or refused, both rows are closed up: the k-th
// tile left in a row stands at 1350 + 480 k (dealt at 1350 + 485 k), the
// computer's at Top 30 (dealt at 60).
void expectRowsClosedUp(const GameState &s, bool laid)
{
    EXPECT_EQ(std::make_tuple(s.lcard[23].Left, s.rcard[23].Left, s.lcard[15].Top, s.rcard[21].Left),
              std::make_tuple(laid ? 1830.f : 2310.f, laid ? 1830.f : 2310.f, 30.f, 4710.f));
}

TEST(Placement, TheOpeningTileLaysInTheMiddleWhereverItIsDroppedAboveTheHandLine)
{
    for (auto [left, top] : {std::pair{3000.f, 2000.f}, {9000.f, 6500.f}, {6500.f, 4200.f}, {500.f, 500.f}}) {
        SCOPED_TRACE(testing::Message() << left << "," << top);
        GameHarness h;
        const int psc = readInt(h.s().psc);
        h.dropAt(kSlot, left, top); // [3|6]
        EXPECT_EQ(spotOf(h.s(), kSlot), std::make_tuple(6025.f, 4000.f, 6450.f, 4000.f));
        EXPECT_EQ(h.s().cu + h.s().cd + h.s().first[0] + h.s().pno, "3616");
        EXPECT_EQ(readInt(h.s().psc), psc - 9);
        EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
        EXPECT_EQ(h.s().lblStatusBar.Caption, "You Choose Card  3 / 6");
        expectRowsClosedUp(h.s(), true);
    }
}

TEST(Placement, JudgesTheEndByTheDropAndLaysTheMatchingHalfAgainstTheChain)
{
    const struct {
        const char *what, *tile, *cu, *cd, *rightCells, *leftCells; // first(1), first(2)
        float left, top;
        bool laid;
        const char *code = "", *newCu = "", *newCd = "";
        float firstLeft = 0, firstTop = 0, secondLeft = 0, secondTop = 0;
    } cases[] = {
        {"fits only cd, upper region", "45", "1", "4", "0", "0", 3000, 2000, false},
        {"fits only cd, lower region", "45", "1", "4", "0", "0", 3000, 5000, true, "4", "1", "5", 7120, 4045, 7540,
         4045},
        {"overlap of both regions is the left end", "45", "4", "5", "0", "0", 3000, 4500, true, "2", "5", "5", 5320,
         4045, 4900, 4045},
        {"double on right cell 0", "44", "1", "4", "0", "0", 3000, 5000, true, "4", "1", "4", 7120, 4045, 7540, 4045},
        {"double on right corner cell 5", "44", "1", "4", "5", "0", 3000, 5000, true, "1", "1", "4", 11170, 4540,
         11170, 4960},
        {"[2|5] on cu 5, left cell 0", "25", "5", "0", "0", "0", 3000, 2000, true, "4", "2", "0", 4900, 4045, 5320,
         4045},
        {"[2|5] on cu 2, left cell 0", "25", "2", "0", "0", "0", 3000, 2000, true, "2", "5", "0", 5320, 4045, 4900,
         4045},
    };
    for (const auto &d : cases) {
        SCOPED_TRACE(d.what);
        GameHarness h;
        GameState &s = h.s();
        h.putTile(kSlot, d.tile);
        std::tie(s.first[0], s.first[1], s.first[2]) = std::tuple("1", d.rightCells, d.leftCells);
        s.cu = d.cu;
        s.cd = d.cd;
        const GameState before = s;
        h.dropAt(kSlot, d.left, d.top);
        expectRowsClosedUp(s, d.laid);
        if (!d.laid) {
            EXPECT_EQ(spotOf(s, kSlot), std::make_tuple(1830.f, 7675.f, 1830.f, 8095.f)); // back, first in its row
            EXPECT_EQ(std::tie(s.psc, s.pno, s.cu, s.cd, s.lStatus.Caption),
                      std::tie(before.psc, before.pno, before.cu, before.cd, before.lStatus.Caption));
            EXPECT_EQ(s.first, before.first);
            continue;
        }
        const bool right = d.top >= 4550;
        EXPECT_EQ(s.Label1, d.code);
        EXPECT_EQ(s.cardrot[kSlot], readInt(d.code));
        EXPECT_EQ(s.cu, d.newCu);
        EXPECT_EQ(s.cd, d.newCd);
        EXPECT_EQ(spotOf(s, kSlot), std::make_tuple(d.firstLeft, d.firstTop, d.secondLeft, d.secondTop));
        EXPECT_EQ(s.first[1], toText(readInt(d.rightCells) + (right ? 1 : 0)));
        EXPECT_EQ(s.first[2], toText(readInt(d.leftCells) + (right ? 0 : 1)));
        EXPECT_EQ(readInt(s.psc), readInt(before.psc) - readInt(d.tile) / 10 - readInt(d.tile) % 10);
        EXPECT_EQ(s.pno, "6");
        EXPECT_EQ(s.lStatus.Caption, kComputerTurn);
    }
}

// The upper region takes a drop to the left end, the lower region to the
// right end; the mark of a held tile names exactly the place a release there
// fills: the regions at their edges, the hand line of the release (below it a
// tile comes back, though the placement's own region runs on to 7485), the
// match with the end, the arm's next cell, the opening spot before the first
// tile. With cu 4 and cd 6, and as many tiles on each arm; '-' is neither,
// 'O' the opening.
TEST(Placement, EachDropRegionEndsAtItsEdgesForTheMarkAndTheDrop)
{
    const struct {
        float left, top;
        char mark, drop; // drop ' ': not dropped
        const char *tile = "46", *first0 = "1", *armCells = "0";
    } cases[] = {
        {1080, 2000, '-', '-'}, {1081, 2000, 'L', 'L'}, {1081, 1001, 'L', 'L'}, {3000, 1000, '-', '-'},
        {3000, 1001, 'L', 'L'}, {3000, 4550, 'L', 'L'}, {3000, 4551, 'R', 'R'}, {5999, 4100, 'L', 'L'},
        {5999, 4550, 'L', 'L'}, {5999, 4551, 'R', 'R'}, {6000, 3999, 'L', 'L'}, {6000, 4000, '-', '-'},
        {6000, 4100, '-', '-'}, {6500, 1000, '-', '-'}, {6500, 1001, 'L', 'L'}, {6500, 4000, '-', '-'},
        {6500, 4450, '-', '-'}, {6500, 4451, 'R', 'R'}, {6900, 4200, '-', '-'}, {6900, 4450, '-', '-'},
        {6900, 4451, 'R', 'R'}, {6900, 5000, 'R', 'R'}, {6901, 4000, 'R', 'R'}, {6901, 4200, 'R', 'R'},
        {7000, 3999, 'L', 'L'}, {7000, 4000, 'R', 'R'}, {1080, 5000, '-', '-'}, {1081, 5000, 'R', 'R'},
        {3000, 7100, 'R', 'R'}, {3000, 7101, '-', 'R'}, {3000, 7484, '-', 'R'}, {3000, 7485, '-', '-'},
        {8000, 7484, '-', 'R'}, {8000, 7485, '-', '-'}, {3000, 2000, '-', '-', "36"},
        {3000, 5000, 'R', 'R', "36", "1", "5"}, {3000, 2000, 'L', 'L', "46", "1", "2"},
        {500, 500, 'O', ' ', "12", "0"},        {3000, 7101, '-', ' ', "12", "0"},
    };
    const auto markOf = [](char mark, const char *armCells) -> std::optional<DropTarget> {
        if (mark == 'O')
            return DropTarget{.opening = true};
        if (mark == '-')
            return std::nullopt;
        return DropTarget{.arm = mark == 'L' ? Arm::Left : Arm::Right, .cell = readInt(armCells)};
    };
    for (const auto &d : cases) {
        SCOPED_TRACE(testing::Message() << d.tile << " at " << d.left << "," << d.top);
        GameHarness h;
        h.putTile(kSlot, d.tile);
        std::tie(h.s().first[0], h.s().first[1], h.s().first[2]) = std::tuple(d.first0, d.armCells, d.armCells);
        h.s().cu = "4";
        h.s().cd = "6";
        EXPECT_EQ(h.game.dropTargetAt(kSlot, d.left, d.top), markOf(d.mark, d.armCells));
        if (d.drop != ' ') {
            h.dropAt(kSlot, d.left, d.top);
            const int cells = readInt(d.armCells);
            EXPECT_EQ(h.s().first[1] + h.s().first[2],
                      std::to_string(cells + (d.drop == 'R')) + std::to_string(cells + (d.drop == 'L')));
        }
        h.s().lStatus.Caption = kComputerTurn;
        EXPECT_EQ(h.game.dropTargetAt(kSlot, d.left, d.top), std::nullopt) << "a drop on the computer's turn comes back";
    }
}

} // namespace
} // namespace pipstone::test
