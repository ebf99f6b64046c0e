// own
#include "support/game_harness.h"
#include "support/invariants.h"

// std
#include <functional>

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

using Input = HeadlessPlatform::Input;

void postAt(GameHarness &h, Input::Kind kind, std::int64_t inMs, ButtonId button = ButtonId::NewGame)
{
    Input input;
    input.kind = kind;
    input.target = button;
    input.at = h.platform.tickCount() + inMs;
    h.platform.post(input);
}

TEST(NewGame, ResetsTheHandAndCarriesTheMatchOver)
{
    GameHarness h;
    GameState &s = h.s();
    h.dragTo(22, 6000, 3000); // the player opens with [3|6]
    h.advance(3000);          // the computer answers
    s.compscore.Caption = "012";
    s.playerscore.Caption = "034";
    s.lblStatusBar.Caption = "Computer Choose Card   3 / 3";
    s.pmax = "3";
    s.max = "2";
    s.Label1 = "4";
    const int shape3Repaints = s.Shape3.repaints;
    h.click(ButtonId::NewGame);
    // The message line, first(0..2), cu, cd, pull, the totals carried over, the opener, the
    // shown totals, the draw counters and Label1 (neither reset), and both hands dealt again.
    EXPECT_EQ((std::vector<std::string>{s.lblStatusBar.Caption, s.first[0], s.first[1], s.first[2], s.cu, s.cd, s.pull,
                                        s.ccsc, s.ppsc, s.mturn, s.compscore.Caption, s.playerscore.Caption, s.pmax,
                                        s.max, s.Label1, s.pno, s.cno}),
              (std::vector<std::string>{"", "0", "0", "0", "0", "0", "0", "012", "034", "2", "012", "034", "3", "2", "4",
                                        "7", "7"}));
    int playerPips = 0; // counted from zero, not added to the old hand's
    for (int i = 22; i <= 28; ++i)
        playerPips += readInt(s.lcard[i].Tag) + readInt(s.rcard[i].Tag);
    EXPECT_EQ(s.psc, toText(playerPips));
    EXPECT_EQ(s.Shape3.repaints, shape3Repaints + 1);
    EXPECT_TRUE(s.Shl[0].Visible && s.Shr[0].Visible && !s.Shl[1].Visible && !s.Shr[1].Visible);
    EXPECT_TRUE(InvariantChecker().check(h.game, h.platform).empty());
}

// Pressed (twice in one moment) while a step waits: the step ends without
// touching a tile after the press, and one new hand is dealt.
TEST(NewGame, EndsAPausedStepCleanly)
{
    const auto twoClicksAt = [](GameHarness &h, std::int64_t ms) {
        postAt(h, Input::Kind::Click, ms);
        postAt(h, Input::Kind::Click, ms);
    };
    const std::pair<const char *, std::function<void(GameHarness &)>> cases[] = {
        {"the computer's flight", [&](GameHarness &h) { twoClicksAt(h, 300), h.dragTo(22, 6000, 3000); }},
        {"a draw's flight",
         [&](GameHarness &h) {
             twoClicksAt(h, 300);
             h.advance(150); // no blank in the hand: Get Card is on before the opening
             h.click(ButtonId::GetCard);
         }},
        {"the cheat view", [&](GameHarness &h) { twoClicksAt(h, 300), h.click(ButtonId::CheatComp); }},
        {"the player's placement, with the turn timer off for the drag",
         [&](GameHarness &h) {
             h.platform.press(h.centreX(22), h.centreY(22));
             h.platform.move(6100, 3100);
             Input release{Input::Kind::Release, 6100, 3100, kLeftButton, 0, ButtonId::NewGame, 0, {}};
             h.platform.post(release); // the clicks come while the drop is being laid
             twoClicksAt(h, 0);
         }},
    };
    for (const auto &[paused, start] : cases) {
        SCOPED_TRACE(paused);
        GameHarness h;
        const std::string mturnBefore = h.s().mturn;
        start(h);
        h.advance(400);
        EXPECT_NE(h.s().mturn, mturnBefore);
        EXPECT_FALSE(h.s().Cover.Visible);
        EXPECT_EQ(h.s().Showcomppic, 0);
        for (int i = 1; i <= 14; ++i)
            EXPECT_EQ(h.s().lcard[i].Left, 540) << "slot " << i;
        for (int i = 22; i <= 28; ++i)
            EXPECT_EQ(h.s().lcard[i].Top, 7675) << "slot " << i;
        EXPECT_EQ(InvariantChecker().check(h.game, h.platform), std::vector<std::string>{});
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer1) && h.platform.timerRunning(TimerId::Timer2));
    }
}

} // namespace
} // namespace pipstone::test
