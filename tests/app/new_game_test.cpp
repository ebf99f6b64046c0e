// New Game: what it resets, what it carries over, who opens next, and how it
// ends a step that is paused in a wait.

// own
#include "support/game_harness.h"
#include "support/invariants.h"

// std
#include <functional>

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

using Input = HeadlessPlatform::Input;

void clickLater(GameHarness &h, ButtonId button, std::int64_t inMs)
{
    Input click;
    click.kind = Input::Kind::Click;
    click.target = button;
    click.at = h.platform.tickCount() + inMs;
    h.platform.post(click);
}

// A hand in the middle of play: a few tiles down, a draw taken, totals shown.
void playSomeOfAHand(GameHarness &h)
{
    h.dragTo(22, 6000, 3000); // the player opens with [3|6]
    h.platform.advance(3000);  // the computer answers
    h.s().compscore.Caption = "012";
    h.s().playerscore.Caption = "034";
    h.s().lblStatusBar.Caption = "Computer Choose Card   3 / 3";
}

} // namespace

TEST(NewGame, ResetsTheHandAndCarriesTheMatchOver)
{
    GameHarness h;
    playSomeOfAHand(h);
    GameState &s = h.s();
    s.pmax = "3";
    s.max = "2";
    s.Label1 = "4";
    const int shape3Repaints = s.Shape3.repaints;

    h.click(ButtonId::NewGame);

    struct Field {
        const char *name;
        std::string value;
        std::string expected;
    };
    const Field fields[] = {
        {"lblStatusBar", s.lblStatusBar.Caption, ""},
        {"first(0)", s.first[0], "0"},
        {"first(1)", s.first[1], "0"},
        {"first(2)", s.first[2], "0"},
        {"cu", s.cu, "0"},
        {"cd", s.cd, "0"},
        {"pull", s.pull, "0"},
        {"ccsc", s.ccsc, "012"},
        {"ppsc", s.ppsc, "034"},
        {"mturn", s.mturn, "2"},
        {"compscore", s.compscore.Caption, "012"},
        {"playerscore", s.playerscore.Caption, "034"},
        {"pmax", s.pmax, "3"},
        {"max", s.max, "2"},
        {"Label1", s.Label1, "4"},
        {"pno", s.pno, "7"},
        {"cno", s.cno, "7"},
    };
    for (const Field &f : fields)
        EXPECT_EQ(f.value, f.expected) << f.name;
    // The new hand's pips are counted from zero, not added to the old ones.
    int playerPips = 0;
    for (int i = 22; i <= 28; ++i)
        playerPips += readInt(s.lcard[i].Tag) + readInt(s.rcard[i].Tag);
    EXPECT_EQ(s.psc, toText(playerPips));
    EXPECT_EQ(s.Shape3.repaints, shape3Repaints + 1);
    EXPECT_TRUE(s.Shl[0].Visible && s.Shr[0].Visible && !s.Shl[1].Visible && !s.Shr[1].Visible);
    InvariantChecker checker;
    EXPECT_TRUE(checker.check(h.game, h.platform).empty());
}

TEST(NewGame, OpenerAlternatesFromHandToHand)
{
    GameHarness h;
    h.platform.boxDelay = [](const auto &) { return 0; };
    const std::string expected[] = {kComputerTurn, kYourTurn, kComputerTurn};
    for (const std::string &status : expected) {
        h.click(ButtonId::NewGame);
        EXPECT_EQ(h.s().lStatus.Caption, status);
    }
    // The computer opens its hand on the next tick, announcing it first.
    h.platform.advance(2000);
    ASSERT_FALSE(h.platform.boxes.empty());
    EXPECT_EQ(h.platform.boxes.front().text, "Computer Will Start");
    EXPECT_EQ(h.s().first[0], "1");
}

// New Game pressed while a step waits: the step ends without touching a tile
// of either hand after the press, and one new hand is dealt even for two
// presses in the same moment.
TEST(NewGame, EndsAPausedStepCleanly)
{
    struct Case {
        const char *paused;
        std::function<void(GameHarness &)> start;
    };
    const Case cases[] = {
        {"the computer's flight", [](GameHarness &h) { h.dragTo(22, 6000, 3000); }},
        {"a draw's flight",
         [](GameHarness &h) {
             // No blank half in the hand: Get Card is on before the opening.
             h.platform.advance(150);
             h.click(ButtonId::GetCard);
         }},
        {"the cheat view", [](GameHarness &h) { h.click(ButtonId::CheatComp); }},
    };
    for (const Case &c : cases) {
        GameHarness h;
        clickLater(h, ButtonId::NewGame, 300);
        clickLater(h, ButtonId::NewGame, 300);
        const std::string mturnBefore = h.s().mturn;
        c.start(h);
        h.platform.advance(400);
        EXPECT_NE(h.s().mturn, mturnBefore) << c.paused;
        EXPECT_FALSE(h.s().Cover.Visible) << c.paused;
        EXPECT_EQ(h.s().Showcomppic, 0) << c.paused;
        // After the press the new hand lies exactly as dealt.
        for (int i = 1; i <= 14; ++i)
            EXPECT_EQ(h.s().lcard[i].Left, 540) << c.paused << " slot " << i;
        for (int i = 22; i <= 28; ++i)
            EXPECT_EQ(h.s().lcard[i].Top, 7675) << c.paused << " slot " << i;
        InvariantChecker checker;
        const auto problems = checker.check(h.game, h.platform);
        EXPECT_TRUE(problems.empty()) << c.paused << ": " << (problems.empty() ? "" : problems.front());
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer1)) << c.paused;
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer2)) << c.paused;
    }
}

TEST(NewGame, ClosingDuringAFlightEndsTheProgramThere)
{
    GameHarness h;
    h.dragTo(22, 6000, 3000);
    Input close;
    close.kind = Input::Kind::Close;
    close.at = h.platform.tickCount() + 400;
    h.platform.post(close);
    h.platform.advance(5000);
    EXPECT_TRUE(h.platform.quitRequested);
    EXPECT_TRUE(h.game.closed());
    // The computer's tile stopped in the air: nothing was laid or counted.
    EXPECT_TRUE(h.s().Cover.Visible);
    EXPECT_EQ(h.s().cno, "7");
    EXPECT_EQ(h.s().first[1], "0");
    EXPECT_EQ(h.s().first[2], "0");
    EXPECT_FALSE(h.platform.timerRunning(TimerId::Timer1));
}

} // namespace pipstone::test
