#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <string>

namespace pipstone::test {
namespace {

using Work = OneThingAtATime::Work;

TEST(TurnStatus, GetturnHandsTheTurnOverAndMovesTheLabel)
{
    const struct {
        const char *before;
        const std::string &after;
        float top;
    } cases[] = {
        {"Status: Your Turn", kComputerTurn, 1100},
        {"Status: Computer1", kYourTurn, 7100},
        {"Status", kYourTurn, 7100},
        {"", kYourTurn, 7100},
        {"status: your turn", kYourTurn, 7100},
    };
    for (const auto &c : cases) {
        GameHarness h;
        h.s().lStatus.Caption = c.before;
        h.game.getturn();
        EXPECT_EQ(h.s().lStatus.Caption, c.after) << '"' << c.before << '"';
        EXPECT_EQ(h.s().lStatus.Top, c.top) << '"' << c.before << '"';
        EXPECT_EQ(h.s().lStatus.Left, 4440);
    }
}

TEST(TurnStatus, APassLeavesTheLabelOnTheComputersSide)
{
    GameHarness h;
    h.s().lStatus.Caption = kComputerTurn;
    h.game.getturn();
    h.game.changetoplayer();
    EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
    EXPECT_EQ(h.s().lStatus.Top, 1100);

    h.game.getturn();
    h.game.changetocomputer();
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
    EXPECT_EQ(h.s().lStatus.Top, 1100);
}

TEST(TurnStatus, GetCardFollowsThePlayersMovesOnEachTick)
{
    GameHarness h; // no blank half in the player's hand before the opening
    h.s().PushButton3.Enabled = false;
    h.advance(100);
    EXPECT_EQ(h.s().AvPmove, "0");
    EXPECT_TRUE(h.s().PushButton3.Enabled);

    // The drawn [0|0] matches both empty ends: the next tick disables the button.
    h.click(ButtonId::GetCard);
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

TEST(TurnStatus, ATickNeverRunsInsideATick)
{
    GameHarness h;
    h.dragTo(22, 6000, 4000); // the player opens with [3|6]
    ASSERT_EQ(h.s().lStatus.Caption, kComputerTurn);
    // The computer's answer flies for hundreds of milliseconds while Timer1
    // keeps falling due with the caption still on the computer's turn.
    ASSERT_TRUE(h.untilPlayersTurn());
    h.advance(1000);
    EXPECT_EQ(h.s().cno, "6") << "the computer moved exactly once";
    EXPECT_EQ(h.s().pno, "6");
    EXPECT_EQ(h.game.activity().deepest(Work::Timer1Tick), 1);
    EXPECT_EQ(h.game.activity().deepest(Work::Timer2Tick), 1);
    EXPECT_EQ(h.game.activity().deepest(Work::Placement), 1);
}

TEST(TurnStatus, DelayLastsItsRoundedMillisecondsOnTheClock)
{
    const struct {
        double ms;
        std::int64_t lasts;
    } cases[] = {{0, 0}, {0.4, 0}, {0.5, 0}, {0.6, 1}, {1, 1}, {1.5, 2}, {2.5, 2}, {5, 5}, {1000, 1000}};
    for (const auto &c : cases) {
        GameHarness h;
        const std::int64_t start = h.platform.tickCount();
        h.game.Delay(c.ms);
        EXPECT_EQ(h.platform.tickCount() - start, c.lasts) << c.ms;
    }
}

TEST(TurnStatus, DelayZeroPumpsOnce)
{
    GameHarness h;
    HeadlessPlatform::Input hover;
    hover.kind = HeadlessPlatform::Input::Kind::Hover;
    hover.target = ButtonId::GetCard;
    hover.at = h.platform.tickCount();
    h.platform.post(hover);
    h.game.Delay(0);
    EXPECT_TRUE(h.s().customPointer);
    EXPECT_EQ(h.platform.tickCount(), 0);
}

TEST(TurnStatus, TheWindowStaysAliveDuringADelay)
{
    GameHarness h;
    h.s().compscore.Caption = "x";
    h.s().PushButton3.Enabled = false;
    HeadlessPlatform::Input hover;
    hover.kind = HeadlessPlatform::Input::Kind::Hover;
    hover.target = ButtonId::NewGame;
    hover.at = 500;
    h.platform.post(hover);
    h.game.Delay(1000);
    EXPECT_EQ(h.platform.tickCount(), 1000);
    EXPECT_TRUE(h.s().customPointer) << "input is handled during the wait";
    EXPECT_EQ(h.s().compscore.Caption, "000") << "the periodic check ticked";
    EXPECT_TRUE(h.s().PushButton3.Enabled) << "the turn timer ticked";
}

} // namespace
} // namespace pipstone::test
