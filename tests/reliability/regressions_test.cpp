// Faults the seeded matches and storms found, and the moments that games
// which pump events in the middle of their work are known to get wrong.

// own
#include "support/event_storm.h"
#include "support/random_player.h"

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

using Input = HeadlessPlatform::Input;

void closeAt(GameHarness &h, std::int64_t at)
{
    Input close;
    close.kind = Input::Kind::Close;
    close.at = at;
    h.platform.post(close);
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
    h.platform.release(6400, 3500);
    EXPECT_EQ(h.s().lcard[25].Top, 7675);
    EXPECT_EQ(h.s().dragging, 0);
    InvariantChecker checker;
    EXPECT_TRUE(checker.check(h.game, h.platform).empty());
}

// Match seed 13: both timers fall due in the same moment, and every tick of
// the periodic check arrived inside the turn timer's count and was refused,
// so a finished hand never ended.
TEST(Regression, TimersDueTogetherDoNotStarveThePeriodicCheck)
{
    RandomPlayer player(13);
    EXPECT_TRUE(player.playMatch().empty());
    GameHarness h;
    h.s().pno = "0"; // the player has played out
    h.platform.advance(250);
    ASSERT_FALSE(h.platform.boxes.empty());
    EXPECT_EQ(h.platform.boxes[0].title, "  Brisk Domino     Max Score = 101  ");
}

// Closing the window in the middle of any paused step ends the program there:
// the step touches nothing afterwards.
TEST(Regression, ClosingDuringAnyPauseEndsTheProgramThere)
{
    struct Case {
        const char *paused;
        std::function<void(GameHarness &)> start;
    };
    const Case cases[] = {
        {"a draw's flight",
         [](GameHarness &h) {
             h.platform.advance(150); // no blank half: Get Card is on before the opening
             closeAt(h, h.platform.tickCount() + 300);
             h.click(ButtonId::GetCard);
         }},
        {"a pass message",
         [](GameHarness &h) {
             h.platform.boxDelay = [](const auto &) { return 5000; };
             h.s().pull = "14";
             closeAt(h, h.platform.tickCount() + 1000);
         }},
        {"the result message",
         [](GameHarness &h) {
             h.platform.boxDelay = [](const auto &) { return 5000; };
             h.s().pno = "0";
             closeAt(h, h.platform.tickCount() + 1000);
         }},
    };
    for (const Case &c : cases) {
        GameHarness h;
        c.start(h);
        const std::string pull = h.s().pull, mturn = h.s().mturn;
        h.platform.advance(8000);
        EXPECT_TRUE(h.game.closed()) << c.paused;
        EXPECT_LE(h.platform.boxes.size(), 1u) << c.paused;
        EXPECT_EQ(h.s().mturn, mturn) << c.paused << ": no hand was dealt after the close";
        EXPECT_EQ(h.s().pull, pull) << c.paused;
    }
}

} // namespace pipstone::test
