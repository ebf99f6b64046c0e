#include "support/game_harness.h"
#include "support/invariants.h"

#include <gtest/gtest.h>

#include <tuple>

namespace pipstone::test {

namespace {

using Work = OneThingAtATime::Work;
using Input = HeadlessPlatform::Input;

// A game on a toolkit that looks at it every time the game hands control to
// the toolkit: at every pump point and after every event. A pause is a flight
// or an open message box. At its start the look changes what a tick of either
// timer would set back (shown total, max, Get Card); every later look inside
// the same pause must find nothing changed.
struct WatchedGame : HeadlessPlatform {
    GameWindow game{*this, std::make_unique<ScriptedRandom>(std::deque<double>{0.0})};
    bool watching = false, inPause = false;
    int pauses = 0, looks = 0;
    std::string before, shown;
    std::vector<std::string> changes;
    int boxesOverUnshownChanges = 0;

    WatchedGame()
    {
        // A watcher keeps the virtual clock from ever being quiet, so every
        // pump and wait reaches stateChanged below.
        watchEventProcessing([] {});
        game.Form_Load();
    }
    GameState &s() { return game.state(); }
    void stateChanged() override
    {
        GameState &st = s();
        if (!watching || (!st.Cover.Visible && openBoxes == 0)) {
            inPause = false;
        } else if (!inPause) {
            inPause = true;
            ++pauses;
            st.ccsc = toText(readInt(st.ccsc) + 1);
            st.max = "9";
            st.PushButton3.Enabled = st.lStatus.Caption == kComputerTurn || readInt(st.AvPmove) != 0;
            before = snapshot(st);
        } else {
            ++looks;
            if (snapshot(st) != before)
                changes.push_back(snapshot(st));
        }
        shown = snapshot(st);
    }
    // A box opens over the board as it stands: all the game wrote before it shows.
    void messageBox(const std::string &text, const std::string &title) override
    {
        boxesOverUnshownChanges += snapshot(s()) != shown;
        HeadlessPlatform::messageBox(text, title);
    }
    WatchedGame &midHand(const std::string &status, const char *cu, const char *cd, const char *pull = "0")
    {
        std::tie(s().first[0], s().cu, s().cd, s().pull, s().lStatus.Caption) = std::tie("1", cu, cd, pull, status);
        return *this;
    }
};

const struct {
    const char *what;
    void (*setUp)(WatchedGame &);
    int pauses; // at least
} kPauses[] = {
    {"computer's flight", [](WatchedGame &g) { g.midHand(kComputerTurn, "3", "5"); }, 1},
    {"player's draw",
     [](WatchedGame &g) {
         g.midHand(kYourTurn, "2", "2").s().PushButton3.Enabled = true;
         g.click(ButtonId::GetCard);
     },
     1},
    {"box: computer will start", [](WatchedGame &g) { g.s().lStatus.Caption = kComputerTurn; }, 1},
    // The box, the flight of the drawn tile, the flight to the board.
    {"box: computer takes a tile", [](WatchedGame &g) { g.midHand(kComputerTurn, "0", "0"); }, 3},
    {"box: player passes",
     [](WatchedGame &g) {
         g.midHand(kYourTurn, "0", "1", "14");
         std::swap(g.s().lcard[15].Tag, g.s().lcard[9].Tag); // [1|2] from the stock: the computer can move
         std::swap(g.s().rcard[15].Tag, g.s().rcard[9].Tag);
     },
     1},
    {"box: blocked hand ends", [](WatchedGame &g) { g.midHand(kYourTurn, "0", "1", "14"); }, 1},
};

} // namespace

TEST(OneStepAtATime, TicksDuringAFlightOrAMessageBoxWaitForItsEnd)
{
    for (const auto &p : kPauses) {
        SCOPED_TRACE(p.what);
        WatchedGame g;
        g.boxDelay = [](const auto &) { return 700; };
        g.watching = true;
        p.setUp(g);
        g.advance(1500);
        g.watching = false;
        EXPECT_GE(g.pauses, p.pauses);
        EXPECT_GT(g.looks, 0);
        EXPECT_TRUE(g.changes.empty()) << g.changes.size() << " changes, first: " << g.changes[0];
        EXPECT_EQ(g.boxesOverUnshownChanges, 0);
        for (int w = 0; w < static_cast<int>(Work::Count); ++w)
            EXPECT_LE(g.game.activity().deepest(static_cast<Work>(w)), 1) << "work kind " << w;
    }
}

TEST(OneStepAtATime, ADropDuringTheComputersMoveOrADrawGoesBack)
{
    const auto computerMoves = [](GameHarness &h) { h.dragTo(22, 3000, 2000); }; // opens with [3|6]
    const auto untilTurn = [](GameHarness &h) { return h.untilPlayersTurn(5000); };
    const struct {
        const char *what;
        void (*setUp)(GameHarness &);
        int slot; // a tile that would fit the right end
        std::int64_t pressAt;
        bool (*run)(GameHarness &);
        const char *counts; // pno, cno, pull
        bool wholeGame;     // played from the deal, so every invariant holds
    } cases[] = {
        {"inside the computer's flight", computerMoves, 25, 200, untilTurn, "660", true},
        {"before the computer's move, which waits", computerMoves, 25, 0, untilTurn, "660", true},
        {"inside a draw, which flies for more than a second",
         [](GameHarness &h) {
             h.game.arrangehands();
             std::tie(h.s().first[0], h.s().cu, h.s().cd) = std::tuple("1", "2", "5"); // [5|5] would fit
             h.s().PushButton3.Enabled = true;
         },
         26, 200,
         [](GameHarness &h) {
             h.click(ButtonId::GetCard);
             return true;
         },
         "871", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness h;
        c.setUp(h);
        const auto placeOf = [&] { return std::pair(h.s().lcard[c.slot].Left, h.s().lcard[c.slot].Top); };
        const auto place = placeOf();
        const std::int64_t now = h.platform.tickCount();
        using Step = std::tuple<Input::Kind, float, float, std::int64_t>;
        for (const auto &[kind, x, y, at] : {Step(Input::Kind::Press, h.centreX(c.slot), h.centreY(c.slot), c.pressAt),
                                             Step(Input::Kind::Move, 3100, 5100, c.pressAt + 20),
                                             Step(Input::Kind::Release, 3100, 5100, 400)}) {
            Input input;
            std::tie(input.kind, input.x, input.y, input.at) = Step(kind, x, y, now + at);
            input.button = kLeftButton;
            h.platform.post(input);
        }
        ASSERT_TRUE(c.run(h));
        h.advance(500);
        EXPECT_EQ(placeOf(), place);
        EXPECT_EQ(h.s().pno + h.s().cno + h.s().pull, c.counts);
        EXPECT_EQ(h.game.heldSlot(), 0);
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer1));
        const std::vector<std::string> none;
        EXPECT_EQ(c.wholeGame ? InvariantChecker().check(h.game, h.platform) : none, none);
    }
}

// A Get Card click that lands while a tick counts is kept for the tick's end:
// it draws one tile then, never inside the tick and never twice.
TEST(OneStepAtATime, GetCardClickedInsideATickDrawsOnceWhenTheTickEnds)
{
    GameHarness h;
    h.game.arrangehands();
    std::tie(h.s().first[0], h.s().cu, h.s().cd) = std::tuple("1", "2", "2"); // nothing of the row fits
    h.s().PushButton3.Enabled = true;
    bool clicked = false, drewInsideATick = false;
    h.platform.watchEventProcessing([&] {
        const auto &activity = h.game.activity();
        drewInsideATick = drewInsideATick
                          || (activity.running(Work::Draw)
                              && (activity.running(Work::Timer1Tick) || activity.running(Work::Timer2Tick)));
        if (!clicked && activity.busy() && !activity.inStep()) {
            clicked = true;
            Input click;
            click.kind = Input::Kind::Click;
            click.target = ButtonId::GetCard;
            click.at = static_cast<std::int64_t>(h.platform.tickCount());
            h.platform.post(click);
        }
    });
    h.advance(3000);
    ASSERT_TRUE(clicked);
    EXPECT_FALSE(drewInsideATick);
    EXPECT_EQ(h.s().pull + h.s().pno, "18");
    EXPECT_LE(h.game.activity().deepest(Work::Draw), 1);
}

// A window system may still hand over events queued before the close took
// effect; once closed, the game takes none of them.
TEST(OneStepAtATime, NothingReachesTheGameOnceItIsClosed)
{
    GameHarness h;
    h.game.onClose();
    const std::string before = snapshot(h.s());
    h.game.onTimer(TimerId::Timer1);
    h.game.onTimer(TimerId::Timer2);
    h.game.onButtonClick(ButtonId::NewGame);
    h.game.onKey(Key::Down);
    h.game.onMouseDown(h.centreX(22), h.centreY(22), kLeftButton, 0);
    h.game.onMouseMove(3000, 5000, kLeftButton, 0);
    h.game.onMouseUp(3000, 5000, kLeftButton, 0);
    EXPECT_EQ(snapshot(h.s()), before);
    EXPECT_EQ(h.game.heldSlot(), 0);
}

} // namespace pipstone::test
