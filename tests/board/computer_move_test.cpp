#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>
#include <vector>

namespace pipstone::test {
namespace {

using Work = OneThingAtATime::Work;

// The computer's turn in a hand under way: slots 15.. (list places 1..7) hold
// `codes` and the open ends are cu and cd.
void computersTurn(GameHarness &h, const std::vector<std::string> &codes, const char *cu, const char *cd)
{
    for (std::size_t i = 0; i < codes.size(); ++i)
        h.putTile(15 + static_cast<int>(i), codes[i]);
    h.s().first[0] = "1";
    h.s().cu = cu;
    h.s().cd = cd;
    h.s().lStatus.Caption = kComputerTurn;
}

void expectOnlyOne(GameHarness &h, std::initializer_list<Work> kinds)
{
    for (Work w : kinds)
        EXPECT_EQ(h.game.activity().deepest(w), 1) << static_cast<int>(w);
}

TEST(ComputerMove, OpensWithTheFirstTileOfItsList)
{
    GameHarness h;
    std::swap(h.s().chand[1], h.s().chand[5]); // [3|3] (slot 19) ahead of [2|3] (slot 15)
    h.s().lStatus.Caption = kComputerTurn;
    const int csc = readInt(h.s().csc);
    ASSERT_TRUE(h.untilPlayersTurn(5000));
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "Computer Will Start");
    EXPECT_EQ(h.platform.boxes[0].title, "Pipstone");
    EXPECT_EQ(spotOf(h.s(), 19), std::make_tuple(6025.f, 4000.f, 6450.f, 4000.f));
    EXPECT_EQ((std::pair<long, long>(h.s().lcard[19].z, h.s().rcard[19].z)), std::make_pair(h.s().zTop - 1, h.s().zTop));
    EXPECT_EQ(h.s().cu + h.s().cd + h.s().first[0] + h.s().cno, "3316");
    EXPECT_EQ(readInt(h.s().csc), csc - 6);
    EXPECT_LT(h.s().lcard[15].Top, 1000); // [2|3] stays in the computer's row
}

TEST(ComputerMove, PlaysTheLastFittingTileOfItsListAtItsEnd)
{
    const struct {
        const char *what;
        std::vector<std::string> hand;
        int chosen;
        float startLeft; // of the chosen tile in the row
        const char *labels; // Label8, Label9 (the cell) and Label10 (the start)
        float lastAcross, firstLeft, firstTop, secondLeft, secondTop;
        const char *newCu, *newCd, *statusLine;
        const char *leftArm = "0"; // tiles laid on the left arm so far
    } cases[] = {
        {"the later of two fitting tiles", {"00", "13", "01", "02", "04", "56", "06"}, 20, 4260, "7095,4020,4260", 7060,
         7120, 4045, 7540, 4045, "3", "6", "Computer Choose Card   5 / 6"},
        {"a flight starting at its cell's Left", {"00", "13", "01", "02", "04", "56", "06"}, 20, 7095,
         "7095,4020,7095", 7095, 7120, 4045, 7540, 4045, "3", "6", "Computer Choose Card   5 / 6"},
        {"a tile fitting both ends goes right", {"35", "00", "01", "02", "04", "06", "11"}, 15, 1895, "7095,4020,1895",
         7095, 7540, 4045, 7120, 4045, "3", "3", "Computer Choose Card   3 / 5"},
        {"the only fit is on the left", {"00", "01", "02", "13", "04", "06", "11"}, 18, 3290, "4875,4020,3290", 4850,
         4900, 4045, 5320, 4045, "1", "5", "Computer Choose Card   1 / 3"},
        {"a flight leftwards", {"00", "01", "02", "13", "04", "06", "11"}, 18, 6875, "4875,4020,6875", 4875, 4900,
         4045, 5320, 4045, "1", "5", "Computer Choose Card   1 / 3"},
        {"the left arm's third cell", {"00", "01", "02", "13", "04", "06", "11"}, 18, 3290, "3075,4020,3290", 3090,
         3100, 4045, 3520, 4045, "1", "5",
         "Computer Choose Card   1 / 3", "2"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness h;
        computersTurn(h, c.hand, "3", "5");
        h.s().first[2] = c.leftArm;
        h.s().lcard[c.chosen].Left = h.s().rcard[c.chosen].Left = c.startLeft;
        std::vector<float> lefts, tops; // where the flying tile stood, millisecond by millisecond
        bool aboveEverything = true;
        std::set<std::pair<int, int>> faces; // the flying tile shows its own faces, upright
        std::int64_t firstSeen = -1, lastSeen = -1;
        bool tileHiddenInFlight = true; // only the flying box shows it, never a second copy
        bool everyStepShown = true;      // the toolkit hears of each step before the wait that shows it
        int changesAtLastStep = -1;
        for (std::int64_t t = 0; t < 1500; ++t)
            h.platform.lookAt(t, [&, t] {
                const CoverBox &cover = h.s().Cover;
                aboveEverything = aboveEverything && (!cover.Visible || cover.z == h.s().zTop);
                if (cover.Visible) {
                    faces.insert({cover.CoverU, cover.CoverD});
                    tileHiddenInFlight = tileHiddenInFlight && !h.s().lcard[c.chosen].Visible
                                         && !h.s().rcard[c.chosen].Visible;
                    firstSeen = firstSeen < 0 ? t : firstSeen;
                    lastSeen = t;
                }
                if (cover.Visible && (lefts.empty() || lefts.back() != cover.Left || tops.back() != cover.Top)) {
                    lefts.push_back(cover.Left), tops.push_back(cover.Top);
                    everyStepShown = everyStepShown && h.platform.stateChanges > changesAtLastStep;
                    changesAtLastStep = h.platform.stateChanges;
                }
            });
        ASSERT_TRUE(h.untilPlayersTurn(5000));
        const GameState &s = h.s();
        ASSERT_FALSE(lefts.empty());
        EXPECT_TRUE(aboveEverything);
        // Across from the tile's place in the row, then down from 60 to the cell's Top, 40 at a step.
        EXPECT_EQ(std::make_tuple(lefts.front(), tops.front(), lefts.back(), tops.back()),
                  std::make_tuple(c.startLeft, 60.f, c.lastAcross, 4020.f));
        EXPECT_EQ(s.Label8 + "," + s.Label9 + "," + s.Label10, c.labels);
        const std::set<std::pair<int, int>> ownFaces{
            {readInt(s.lcard[c.chosen].Tag) + 1, readInt(s.rcard[c.chosen].Tag) + 1}};
        EXPECT_EQ(faces, ownFaces);
        EXPECT_TRUE(tileHiddenInFlight);
        EXPECT_TRUE(everyStepShown);
        // A millisecond for each step across, five for each of the 100 down.
        const long across = c.startLeft == c.lastAcross ? 0 : std::lround(std::abs(c.lastAcross - c.startLeft)) / 40 + 1;
        EXPECT_EQ(lastSeen - firstSeen + 1, across + 500);
        EXPECT_EQ(spotOf(s, c.chosen), std::make_tuple(c.firstLeft, c.firstTop, c.secondLeft, c.secondTop));
        EXPECT_EQ(s.cu, c.newCu);
        EXPECT_EQ(s.cd, c.newCd);
        EXPECT_EQ(s.lblStatusBar.Caption, c.statusLine);
        EXPECT_EQ(s.cno, "6");
        EXPECT_TRUE(h.platform.boxes.empty());
        EXPECT_FALSE(s.Cover.Visible);
        // The ticks that fell during the flight started no second move.
        expectOnlyOne(h, {Work::Placement, Work::Timer1Tick, Work::Timer2Tick});
    }
}

TEST(ComputerMove, DrawsUntilATileFits)
{
    GameHarness h;
    computersTurn(h, {"00", "01", "03", "04", "05", "06", "11"}, "2", "2");
    h.s().pull = "12";   // slots 13 [1|6] and 14 [2|2] are left in the stock
    h.putTile(22, "12"); // the player can answer, so the hand goes on
    ASSERT_TRUE(h.untilPlayersTurn(10000));
    ASSERT_EQ(h.platform.boxes.size(), 2u);
    for (const auto &box : h.platform.boxes)
        EXPECT_EQ(box.text + "|" + box.title, "Computer Will Take Extra Card|");
    EXPECT_EQ(h.s().pull + h.s().first[1] + h.s().cno, "1418"); // two drawn, [2|2] laid on the right
    EXPECT_EQ(h.s().cextra, 2);
    EXPECT_LT(h.s().lcard[13].Top, 1000); // drawn and kept
    EXPECT_EQ(h.s().lcard[14].Top, 4045);
    expectOnlyOne(h, {Work::Placement, Work::Draw});
}

TEST(ComputerMove, BlockedOnAnEmptyStockMovesNothing)
{
    GameHarness h;
    computersTurn(h, {"00", "01", "03", "04", "05", "06", "11"}, "2", "2");
    h.s().pull = "14";
    h.s().lblStatusBar.Caption = "You Choose Card  3 / 6";
    h.s().Timer2.Enabled = false; // the pass itself is the periodic check's
    const GameState before = h.s();
    h.advance(350);
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
    EXPECT_EQ(h.s().lblStatusBar.Caption, before.lblStatusBar.Caption);
    for (int slot = 1; slot <= kSlots; ++slot) {
        EXPECT_EQ(h.s().lcard[slot].Left, before.lcard[slot].Left) << slot;
        EXPECT_EQ(h.s().lcard[slot].Top, before.lcard[slot].Top) << slot;
    }
    EXPECT_EQ(h.s().cno, "7");
    EXPECT_TRUE(h.platform.boxes.empty());
}

} // namespace
} // namespace pipstone::test
