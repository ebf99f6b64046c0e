#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>
#include <vector>

namespace pipstone::test {
namespace {

// The player's turn after an opening whose ends (2 and 2) fit none of the
// player's tiles, with Get Card enabled.
struct NoMove : GameHarness {
    NoMove()
    {
        s().first[0] = "1";
        s().cu = s().cd = "2";
        s().PushButton3.Enabled = true;
    }
    bool inPlayersRow(int slot) { return s().lcard[slot].Top == 7675 && s().rcard[slot].Top == 8095; }
};

TEST(Stock, ADrawFliesToTheEndOfTheRowOfTheSideToMove)
{
    for (const bool player : {true, false}) {
        SCOPED_TRACE(player ? "player" : "computer");
        NoMove h;
        GameState &s = h.s();
        s.lStatus.Caption = player ? kYourTurn : kComputerTurn;
        s.Timer1.Enabled = false; // called directly: no move meanwhile
        const int slot = player ? 7 : 2; // the seventh or the second draw of the hand
        s.pull = toText(slot - 1);
        h.putTile(slot, "25");
        const int handBefore = player ? 5 : 7;
        if (player) { // two of the player's tiles are on the board already
            for (int onBoard : {27, 28})
                s.lcard[onBoard].Top = s.rcard[onBoard].Top = 4000;
            s.pno = "5";
        }
        const int sc = readInt(player ? s.psc : s.csc);
        std::vector<float> lefts, tops; // where the flying tile stood, millisecond by millisecond
        s.Cover.CoverU = s.Cover.CoverD = 0;
        std::set<int> pictures; // it flies face down, the tile itself hidden meanwhile
        bool aboveEverything = true, rowClosedUp = true; // the row it flies to stands 480 apart
        for (std::int64_t t = 0; t < 2000; ++t)
            h.platform.lookAt(t, [&] {
                aboveEverything = aboveEverything && (!s.Cover.Visible || s.Cover.z == s.zTop);
                rowClosedUp = rowClosedUp && (!s.Cover.Visible || s.lcard[player ? 22 : 15].Left == 1830);
                if (s.Cover.Visible && (lefts.empty() || lefts.back() != s.Cover.Left || tops.back() != s.Cover.Top))
                    lefts.push_back(s.Cover.Left), tops.push_back(s.Cover.Top),
                        pictures.insert({s.Cover.CoverU, s.Cover.CoverD, s.lcard[slot].Visible || s.rcard[slot].Visible ? 0 : 8});
            });
        const std::int64_t pressed = h.platform.tickCount();
        h.game.PushButton3_Click();
        // From above the stock slot across to the row's end, then to the row,
        // 40 twips every 5 ms.
        // The player's tile: 98 steps across and 111 down; the computer's 122
        // across and 27 up.
        EXPECT_EQ(h.platform.tickCount() - pressed, player ? 1045 : 745);
        ASSERT_FALSE(lefts.empty());
        EXPECT_EQ(std::make_tuple(lefts.front(), tops.front(), lefts.back(), tops.back()),
                  std::make_tuple(340.f, player ? 3275.f : 1100.f, player ? 4220.f : 5180.f, player ? 7675.f : 60.f));
        EXPECT_EQ(pictures, std::set<int>{8});
        EXPECT_TRUE(aboveEverything && rowClosedUp);
        const float left = 1350 + 480.0f * static_cast<float>(handBefore + 1), top = player ? 7675 : 30;
        EXPECT_EQ(std::make_tuple(s.lcard[slot].Left, s.rcard[slot].Left, s.lcard[slot].Top, s.rcard[slot].Top),
                  std::make_tuple(left, left, top, top + 420));
        EXPECT_TRUE(s.lcard[slot].Visible && s.rcard[slot].Visible && !s.Cover.Visible);
        EXPECT_EQ(s.pull + " " + (player ? s.pno : s.cno), toText(slot) + " " + toText(handBefore + 1));
        EXPECT_EQ(readInt(player ? s.psc : s.csc), sc + 7);
        EXPECT_EQ(std::make_pair(player ? s.pextra : s.cextra, int{player ? s.phand[8] : s.chand[8]}), std::make_pair(1, slot));
        EXPECT_EQ((player ? s.pmax : s.max) + (player ? s.cno : s.pno), "17"); // the other side keeps its hand
        EXPECT_TRUE(player || std::count(s.List1.begin(), s.List1.end(), "02") == 1);
        EXPECT_EQ(player ? s.AvPmove : s.AvCmove, player ? "1" : "4"); // [2|5] fits the open end 2
    }
}

// However the hand stood, a draw leaves the rows closed up and both sides
// counted as gathering the rows afresh would: doing that once more changes
// nothing.
TEST(Stock, AfterADrawClosingUpAndCountingAgainChangesNothing)
{
    const struct {
        const char *what;
        bool player;
        std::function<void(GameState &)> setUp;
    } cases[] = {
        {"the player draws", true, [](GameState &) {}},
        {"the computer draws", false, [](GameState &) {}},
        {"the player's tally one short of the row", true, [](GameState &s) { s.pno = "6"; }},
        {"the computer's tally one past its row", false, [](GameState &s) { s.cno = "8"; }},
        // Slot 1, the next in the stock, listed at an entry whose tile went:
        // once drawn it is gathered at that entry as well as at the end.
        {"the drawn slot listed already", true, [](GameState &s) { s.phand[3] = 1, s.pno = "6"; }},
        {"a gap in the row", true, [](GameState &s) { s.lcard[24].Top = s.rcard[24].Top = 4000; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        NoMove h;
        GameState &s = h.s();
        s.lStatus.Caption = c.player ? kYourTurn : kComputerTurn;
        s.Timer1.Enabled = false; // called directly: no move meanwhile
        c.setUp(s);
        h.game.PushButton3_Click();
        const auto counted = [&] { return std::make_tuple(snapshot(s), s.AvPmove.text(), s.AvCmove.text(), s.List1); };
        const auto afterDraw = counted();
        // A field no count reads moves and comes back: the rows are gathered,
        // closed up and counted afresh.
        s.lcard[0].Top = 1;
        s.lcard[0].Top = 0;
        h.game.countAndArrange();
        EXPECT_EQ(afterDraw, counted());
    }
}

TEST(Stock, EachPressDrawsOneTileUntilOneFits)
{
    NoMove h;
    for (int press = 1; press <= 3; ++press) {
        h.click(ButtonId::GetCard);
        EXPECT_EQ(h.s().pull, toText(press));
        EXPECT_EQ(h.s().pno, toText(7 + press));
        EXPECT_TRUE(h.inPlayersRow(press));
    }
    // The third tile, [0|2], fits: the turn timer's tick that fell due during
    // the draw runs as soon as it is over and turns the button off.
    EXPECT_FALSE(h.s().PushButton3.Enabled);
    h.click(ButtonId::GetCard);
    EXPECT_EQ(h.s().pull, "3");
    h.platform.press(h.centreX(3), h.centreY(3));
    EXPECT_EQ(h.game.heldSlot(), 0) << "the new tile takes the mouse only once the periodic check enables it";
    h.platform.release(h.centreX(3), h.centreY(3));
    h.advance(100);
    h.platform.press(h.centreX(3), h.centreY(3)); // where the flying box was hidden
    EXPECT_EQ(h.game.heldSlot(), 3);
}

// A draw plays the move sound when its file is there, holds the periodic
// check off while it flies (the check shows the totals with three digits),
// and a second press during its flight draws nothing.
TEST(Stock, WhileADrawFliesTheSoundPlaysAndNeitherThePeriodicCheckNorAPressRuns)
{
    for (bool soundThere : {true, false}) {
        SCOPED_TRACE(soundThere ? "with the sound" : "without");
        NoMove h;
        if (soundThere)
            h.platform.files.insert("pic/Move.wav");
        h.s().ccsc = "12";
        h.s().ppsc = "5";
        const std::string shown = h.s().compscore.Caption;
        h.platform.post({HeadlessPlatform::Input::Kind::Click, 0, 0, 0, 0, ButtonId::GetCard, 300, {}});
        h.click(ButtonId::GetCard); // the draw flies for more than a second
        EXPECT_EQ(h.platform.soundsPlayed.size(), soundThere ? 1u : 0u);
        EXPECT_EQ(h.s().compscore.Caption, shown);
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer2));
        h.advance(150);
        EXPECT_EQ(h.s().compscore.Caption + h.s().playerscore.Caption, "012005");
        h.advance(3000);
        EXPECT_EQ(h.s().pull + h.s().pno, "18");
        EXPECT_TRUE(h.inPlayersRow(1));
    }
}

TEST(Stock, APressWhenThePlayerMayNotDrawDoesNothing)
{
    const struct {
        const char *what;
        void (*setUp)(GameState &);
    } cases[] = {
        {"computer's turn", [](GameState &s) { s.lStatus.Caption = kComputerTurn; }},
        {"player played out", [](GameState &s) { s.pno = "0"; }},
        {"computer played out", [](GameState &s) { s.cno = "0"; }},
        {"hand ended", [](GameState &s) { s.endflag = 1; }},
        {"stock empty", [](GameState &s) { s.pull = "14"; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        NoMove h;
        c.setUp(h.s());
        const GameState before = h.s();
        h.platform.files.insert("pic/Move.wav");
        h.click(ButtonId::GetCard);
        EXPECT_EQ(h.s().pull, before.pull);
        EXPECT_EQ(h.s().pno, before.pno);
        EXPECT_TRUE(h.platform.soundsPlayed.empty());
        EXPECT_EQ(h.s().pextra + h.s().cextra, 0);
    }
}

} // namespace
} // namespace pipstone::test
