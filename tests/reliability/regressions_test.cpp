// Faults the seeded matches and storms found, and the moments that games
// which pump events in the middle of their work are known to get wrong.

// own
#include "support/event_storm.h"
#include "support/random_player.h"

#include <gtest/gtest.h>

// std
#include <algorithm>

namespace pipstone::test {

namespace {

using Input = HeadlessPlatform::Input;

// What a step that went on would change, the faces the cheat view turns included.
std::string standing(const GameState &s)
{
    return snapshot(s) + std::to_string(s.lcard[15].picture) + ',' + std::to_string(s.rcard[15].picture);
}

// Closes the window `ms` from now, as the window system does, and notes how
// the game stood at that moment.
void closeIn(GameHarness &h, std::int64_t ms, std::string &stood)
{
    h.platform.lookAt(h.platform.tickCount() + ms, [&h, &stood] {
        h.game.onClose();
        stood = standing(h.s());
    });
}

// Posts `input` once, at the first event-processing call where `now` holds,
// so that this same call hands it over in the middle of the game's work.
void postOnceWhen(GameHarness &h, std::function<bool()> now, Input input)
{
    h.platform.watchEventProcessing([&h, now, input, posted = false]() mutable {
        if (!posted && now()) {
            posted = true;
            h.platform.post(input);
        }
    });
}

} // namespace

// Storm seed 11: a right-button press in the middle of a drag cleared the
// drag, and the release left the tile lying loose on the board.
TEST(Regression, ARightButtonPressInTheMiddleOfADragStillSendsTheTileBack)
{
    GameHarness h;
    const float x = h.centreX(25), y = h.centreY(25);
    h.platform.press(x, y);
    h.platform.move(6400, 3500);
    h.platform.press(6400, 3500, kRightButton);
    h.platform.release(6400, 3500, kRightButton);
    EXPECT_EQ(h.game.heldSlot(), 25) << "the right button's release lets go of nothing";
    h.platform.release(6400, 3500);
    EXPECT_EQ(h.s().lcard[25].Top, 7675);
    EXPECT_EQ(h.s().dragging, 0);
    InvariantChecker checker;
    EXPECT_TRUE(checker.check(h.game, h.platform).empty());
}

// Match seed 13: both timers fall due in the same moment, and every tick of
// the periodic check arrived inside the turn timer's count and was refused,
// so a finished hand never ended. (A fresh game, whose timers start
// together, ends a played-out hand on its first check: EndOfHand.)
TEST(Regression, TimersDueTogetherDoNotStarveThePeriodicCheck)
{
    RandomPlayer player(13);
    EXPECT_TRUE(player.playMatch().empty());
}

// Closing the window in the middle of any paused step ends the program there:
// the step touches nothing afterwards, no timer ticks on, no hand is dealt.
TEST(Regression, ClosingDuringAnyPauseEndsTheProgramThere)
{
    const std::pair<const char *, std::function<void(GameHarness &, std::string &)>> cases[] = {
        {"the computer's flight",
         [](GameHarness &h, std::string &stood) {
             h.dragTo(22, 6000, 3000);
             closeIn(h, 400, stood);
         }},
        {"a draw's flight",
         [](GameHarness &h, std::string &stood) {
             h.platform.advance(150); // no blank half: Get Card is on before the opening
             closeIn(h, 300, stood);
             h.click(ButtonId::GetCard);
         }},
        {"the cheat view's second",
         [](GameHarness &h, std::string &stood) {
             h.advance(1000);
             closeIn(h, 400, stood);
             h.click(ButtonId::CheatComp);
             EXPECT_LT(h.platform.tickCount(), 2000) << "the second does not run out";
         }},
        {"a pass message",
         [](GameHarness &h, std::string &stood) {
             h.platform.boxDelay = [](const auto &) { return 5000; };
             h.s().pull = "14";
             closeIn(h, 1000, stood);
         }},
        {"the result message",
         [](GameHarness &h, std::string &stood) {
             h.platform.boxDelay = [](const auto &) { return 5000; };
             h.s().pno = "0";
             closeIn(h, 1000, stood);
         }},
    };
    for (const auto &[paused, start] : cases) {
        GameHarness h;
        std::string stood;
        start(h, stood);
        h.platform.advance(8000);
        EXPECT_TRUE(h.game.closed() && h.platform.quitRequested) << paused;
        EXPECT_EQ(standing(h.s()), stood) << paused;
        EXPECT_FALSE(h.platform.timerRunning(TimerId::Timer1) || h.platform.timerRunning(TimerId::Timer2)) << paused;
        EXPECT_LE(h.platform.boxes.size(), 1u) << paused;
    }
}

// New Game clicked while a hand was scored (its totals written, its result
// not shown yet) cut the end short: the next hand began with `endflag` 1 and
// was scored at once, unplayed. The click does nothing now.
TEST(Regression, NewGameWhileAHandIsScoredLetsTheResultShowAndTheNextHandBePlayed)
{
    GameHarness h;
    Input newGame;
    newGame.kind = Input::Kind::Click;
    newGame.target = ButtonId::NewGame;
    postOnceWhen(h, [&] { return h.game.activity().running(OneThingAtATime::Work::EndOfHand); }, newGame);
    h.s().ccsc = "12", h.s().csc = "9", h.s().ppsc = "30", h.s().psc = "0", h.s().pno = "0";
    h.advance(2000); // the next hand is dealt and played on, not scored
    const std::string result = "  Brisk Domino     Max Score = 101  ";
    ASSERT_EQ(std::count_if(h.platform.boxes.begin(), h.platform.boxes.end(),
                            [&](const auto &box) { return box.title == result; }),
              1);
    EXPECT_EQ(h.platform.boxes[0].title, result);
    EXPECT_EQ(h.platform.boxes[0].text,
              "Player Win That Game \r\n Player Score :    = 030 + 000 = 030\r\n Computer Score = 012 + 009 = 021");
    EXPECT_EQ(h.s().endflag, 0);
    EXPECT_EQ(h.s().ccsc + "/" + h.s().ppsc, "021/030");
}

// A press on a hand tile that arrived while a tick ran was lost; it is kept
// for the tick's end, and the tile is taken up then, but only while its
// button is still down. A release that ran before the kept press (inside the
// computer's move that the turn timer's tick starts, or under the result box
// of the hand that the periodic check ends) once left the tile held with no
// button down: the turn timer off, every other tile and Get Card refused.
TEST(Regression, APressKeptInsideATickTakesTheTileUpOnlyWhileItsButtonIsDown)
{
    using Work = OneThingAtATime::Work;
    const struct {
        const char *what;
        void (*setUp)(GameHarness &);
        bool (*pressNow)(const GameWindow &);
        bool (*releaseNow)(const GameWindow &); // null: the button stays down
    } cases[] = {
        {"held on", [](GameHarness &) {},
         [](const GameWindow &g) { return g.activity().busy() && !g.activity().inStep(); }, nullptr},
        {"let go during the computer's move", [](GameHarness &h) { h.dragTo(22, 3000, 2000); },
         [](const GameWindow &g) { return g.activity().running(Work::Timer1Tick) && !g.activity().inStep(); },
         [](const GameWindow &g) { return g.activity().running(Work::Placement); }},
        {"let go while the hand's result is shown", [](GameHarness &h) { h.s().pno = "0"; },
         [](const GameWindow &g) { return g.activity().running(Work::Timer2Tick) && !g.activity().inStep(); },
         [](const GameWindow &g) { return g.activity().running(Work::MessageBox); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness h;
        c.setUp(h);
        const float x = h.centreX(25), y = h.centreY(25);
        int stage = 0; // 1 once pressed, 2 once let go
        h.platform.watchEventProcessing([&] {
            if (stage == 0 && c.pressNow(h.game)) {
                stage = 1;
                h.platform.press(x, y);
            } else if (stage == 1 && c.releaseNow && c.releaseNow(h.game)) {
                stage = 2;
                h.platform.release(x, y);
            }
        });
        h.advance(3000);
        ASSERT_EQ(stage, c.releaseNow ? 2 : 1);
        h.platform.watchEventProcessing(nullptr);
        if (!c.releaseNow) {
            ASSERT_EQ(h.game.heldSlot(), 25);
            h.platform.move(x, y - 4000);
            EXPECT_EQ(h.s().lcard[25].Top, 7675 - 4000);
            continue;
        }
        EXPECT_EQ(h.game.heldSlot(), 0);
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer1));
        EXPECT_EQ(InvariantChecker().check(h.game, h.platform), std::vector<std::string>{});
    }
}

} // namespace pipstone::test
