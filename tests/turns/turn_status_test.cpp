#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <string>

namespace pipstone::test {
namespace {

TEST(TurnStatus, GetCardFollowsThePlayersMovesOnEachTick)
{
    GameHarness h; // no blank half in the player's hand before the opening
    h.s().PushButton3.Enabled = false;
    h.advance(100);
    EXPECT_EQ(h.s().AvPmove, "0");
    EXPECT_TRUE(h.s().PushButton3.Enabled);
    h.click(ButtonId::GetCard); // the drawn [0|0] matches both empty ends
    ASSERT_TRUE(h.platform.advanceUntil([&] { return h.s().pextra == 1 && !h.game.activity().busy(); }, 10000));
    h.advance(100);
    EXPECT_EQ(h.s().AvPmove, "2");
    EXPECT_FALSE(h.s().PushButton3.Enabled);
}

TEST(TurnStatus, TheComputersTicksDisableGetCard)
{
    GameHarness h;
    h.game.PushButton1_Click(); // the computer opens the second hand
    ASSERT_EQ(h.s().lStatus.Caption, kComputerTurn);
    h.s().PushButton3.Enabled = true;
    h.s().max = "3";
    h.advance(100);
    EXPECT_FALSE(h.s().PushButton3.Enabled);
    EXPECT_EQ(h.s().max, "0");
    EXPECT_EQ(h.s().first[0], "1") << "the tick started the computer's opening";
}

TEST(TurnStatus, AnyOtherCaptionOnlyRecounts)
{
    for (bool enabled : {false, true}) {
        GameHarness h(nullptr, /*load=*/false);
        h.s().PushButton3.Enabled = enabled;
        h.s().max = "3";
        h.s().AvPmove = "9";
        h.game.Timer1_Timer();
        EXPECT_EQ(h.s().lStatus.Caption, "Status");
        EXPECT_EQ(h.s().PushButton3.Enabled, enabled);
        EXPECT_EQ(h.s().max, "3");
        EXPECT_EQ(h.s().AvPmove, "0");
    }
}

// Once a hand is over (a side has played out, the hand was ended, or it is
// blocked: the stock empty and no tile fitting), nobody moves before the
// periodic check ends it: a drop goes back and the computer's turn timer
// does not search.
TEST(TurnStatus, NobodyMovesOnceTheHandIsOver)
{
    const std::pair<const char *, void (*)(GameHarness &)> overs[] = {
        {"the player played out", [](GameHarness &h) { h.s().pno = "0"; }},
        {"the computer played out", [](GameHarness &h) { h.s().cno = "0"; }},
        {"the hand was ended", [](GameHarness &h) { h.s().endflag = 1; }},
        {"the hand is blocked", [](GameHarness &h) { h.blockBothSides(); }},
    };
    for (const auto &[over, setUp] : overs) {
        for (const bool computer : {true, false}) {
            SCOPED_TRACE(std::string(over) + (computer ? ", computer's turn" : ", player's drop"));
            GameHarness h;
            GameState &s = h.s();
            s.first[0] = "1";
            s.cu = s.cd = "3"; // both sides hold a fitting tile: [2|3] and [3|6]
            s.Timer2.Enabled = false; // the periodic check would deal the next hand
            setUp(h);
            s.lStatus.Caption = computer ? kComputerTurn : kYourTurn;
            const std::string ends = s.first[1] + s.first[2] + s.cu + s.cd;
            const float statusTop = s.lStatus.Top;
            if (computer)
                h.advance(1000);
            else
                h.dragTo(22, 3000, 5000);
            EXPECT_EQ(s.first[1] + s.first[2] + s.cu + s.cd, ends);
            EXPECT_EQ(s.lcard[computer ? 15 : 22].Top, computer ? 60 : 7675);
            EXPECT_EQ(h.game.activity().deepest(OneThingAtATime::Work::Placement), 0);
            EXPECT_EQ((std::pair<float, int>(s.lStatus.Top, s.facemul)), std::make_pair(statusTop, 0));
            EXPECT_TRUE(h.platform.boxes.empty());
        }
    }
}

TEST(TurnStatus, DelayLastsItsRoundedMillisecondsOnTheClock)
{
    const std::pair<double, std::int64_t> cases[] = {{0, 0},   {0.4, 0}, {0.5, 0}, {0.6, 1},      {1, 1},
                                                     {1.5, 2}, {2.5, 2}, {5, 5},   {1000, 1000}};
    for (const auto &[ms, lasts] : cases) {
        GameHarness h;
        const std::int64_t start = h.platform.tickCount();
        h.game.Delay(ms);
        EXPECT_EQ(h.platform.tickCount() - start, lasts) << ms;
    }
}

} // namespace
} // namespace pipstone::test
