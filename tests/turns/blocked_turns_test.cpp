#include "state/places.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pipstone::test {
namespace {

const std::string kPassTitle = "Brisk Domino Max Score = 101";

void playerBlocked(GameHarness &h)
{
    h.blockBothSides();
    h.putTile(15, "12"); // the computer can move
}

void computerBlocked(GameHarness &h)
{
    h.blockBothSides(kComputerTurn);
    h.putTile(18, "00"); // in place of [2|6]
    h.s().cu = "6";      // which the player can answer
}

// Only on an empty stock: with one tile left the side must draw it first.
TEST(BlockedTurns, ASideWithoutAMovePassesWithAMessageOnlyOnAnEmptyStock)
{
    const struct {
        void (*setUp)(GameHarness &);
        std::string text;
        const std::string &statusAfter;
    } passes[] = {
        {playerBlocked,
         "Player Has No Cards To Move\r\n Player Will Give The Turn To Computer\r\n Computer Can Play Now ",
         kComputerTurn},
        {computerBlocked,
         "Computer Has No Cards To Move\r\n Computer Will Give The Turn To Player\r\n Player Can Play Now ",
         kYourTurn},
    };
    for (const auto &p : passes) {
        GameHarness oneLeft;
        p.setUp(oneLeft);
        oneLeft.s().pull = "13";
        std::string pullAtPass;
        oneLeft.platform.boxDelay = [&](const auto &box) {
            if (box.title == kPassTitle)
                pullAtPass = oneLeft.s().pull;
            return std::int64_t{0};
        };
        oneLeft.advance(150);
        EXPECT_TRUE(pullAtPass.empty() || pullAtPass == "14") << "a pass with " << pullAtPass << " tiles drawn";

        GameHarness h;
        p.setUp(h);
        h.advance(150);
        ASSERT_EQ(h.platform.boxes.size(), 1u);
        EXPECT_EQ(h.platform.boxes[0].text, p.text);
        EXPECT_EQ(h.platform.boxes[0].title, kPassTitle);
        EXPECT_EQ((std::pair<std::string, float>(h.s().lStatus.Caption, h.s().lStatus.Top)), std::make_pair(p.statusAfter, 1100.f));
        EXPECT_EQ(h.s().first[1] + h.s().first[2], "00"); // passed, not played
    }
}

// A side that cannot move passes first; a hand nobody can move in ends without a pass.
TEST(BlockedTurns, APassOrTheBlockedHandsEndComesFirstAndNeverTwoMessageBoxesAtOnce)
{
    const std::pair<void (*)(GameHarness &), std::string> cases[] = {
        {playerBlocked, kPassTitle},
        {computerBlocked, kPassTitle},
        {+[](GameHarness &h) { h.blockBothSides(); }, "  Brisk Domino     Max Score = 101  "}};
    for (const auto &[setUp, first] : cases) {
        GameHarness h;
        h.platform.boxDelay = [](const auto &) { return 2000; };
        setUp(h);
        h.advance(8000);
        ASSERT_FALSE(h.platform.boxes.empty());
        EXPECT_EQ(h.platform.boxes[0].title, first);
        EXPECT_TRUE(first == kPassTitle || std::none_of(h.platform.boxes.begin(), h.platform.boxes.end(),
                                                        [](const auto &box) { return box.title == kPassTitle; }));
        EXPECT_EQ(h.platform.mostBoxesOpen, 1);
        EXPECT_EQ(h.game.activity().deepest(OneThingAtATime::Work::MessageBox), 1);
    }
}

TEST(BlockedTurns, NoPassNorEndWhileThePlayerHoldsTheOnlyFittingTile)
{
    GameHarness h;
    h.blockBothSides();
    h.putTile(22, "16"); // the player's one move, on the right end
    h.platform.press(h.centreX(22), h.centreY(22));
    h.platform.move(3100, 5100);
    h.advance(500);
    EXPECT_TRUE(h.platform.boxes.empty());
    EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
    EXPECT_EQ(h.s().endflag, 0);
    EXPECT_EQ(h.s().pno, "7");
    h.platform.release(3100, 5100);
    EXPECT_EQ(h.s().first[1] + h.s().cd, "16");
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
}

// Only the halves in the player's row take the mouse: the periodic check sets
// that at every tick from where each half lies, over whatever set it since.
TEST(BlockedTurns, EachTickLetsOnlyThePlayersRowTakeTheMouse)
{
    const struct {
        const char *name;
        void (*change)(GameState &);
        int slot;
        bool takesTheMouse;
    } cases[] = {
        {"a flag cleared in the row", [](GameState &s) { s.lcard[28].Enabled = false; }, 28, true},
        {"a half on the row's line", [](GameState &s) { s.lcard[24].Top = kPlayerRowLine; }, 24, false},
        {"a flag set in the computer's row", [](GameState &s) { s.lcard[15].Enabled = true; }, 15, false},
        {"a half lifted out of the row", [](GameState &s) { s.lcard[23].Top = 5000; }, 23, false},
        {"a half let down into the row", [](GameState &s) { s.lcard[16].Top = 7675; }, 16, true},
    };
    for (const auto &c : cases) {
        GameHarness h;
        h.advance(300);
        c.change(h.s());
        h.advance(150);
        EXPECT_EQ(h.s().lcard[c.slot].Enabled, c.takesTheMouse) << c.name;
    }
}

// Each tick shows both match totals with three digits, whatever either label
// read before, and whatever text the totals hold.
TEST(BlockedTurns, EachTickShowsTheTotalsWithThreeDigits)
{
    const struct {
        const char *total;
        const char *before;
        const char *shown;
    } cases[] = {
        {"005", "000", "005"}, {"005", "005", "005"}, {"7", "000", "007"},    {"7", "007", "007"},
        {"a05", "a05", "000"}, {"0a5", "0a5", "000"}, {"05a", "05a", "005"},  {" 12", "012", "012"},
        {"-1", "abc", "-001"}, {"100", "99", "100"},
    };
    for (const auto &c : cases) {
        GameHarness h;
        h.advance(300);
        h.s().ccsc = h.s().ppsc = c.total;
        h.s().compscore.Caption = h.s().playerscore.Caption = c.before;
        h.advance(150);
        EXPECT_EQ(h.s().compscore.Caption, c.shown) << c.total << " over " << c.before;
        EXPECT_EQ(h.s().playerscore.Caption, c.shown) << c.total << " over " << c.before;
    }
}

} // namespace
} // namespace pipstone::test
