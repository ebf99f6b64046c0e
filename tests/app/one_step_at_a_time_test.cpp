#include "support/game_harness.h"
#include "support/invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace pipstone::test {

namespace {

using Work = OneThingAtATime::Work;
using Input = HeadlessPlatform::Input;

const std::string kResultTitle = "  Brisk Domino     Max Score = 101  ";

// A headless toolkit that lets the test look at the game every time the game
// hands control to the toolkit: at every pump point and after every event.
struct WatchedPlatform : HeadlessPlatform {
    std::function<void()> watch;
    void stateChanged() override
    {
        if (watch)
            watch();
    }
};

std::string snapshot(const GameState &s)
{
    std::ostringstream out;
    for (int i = 1; i <= kSlots; ++i)
        for (const Picture *half : {&s.lcard[i], &s.rcard[i]})
            out << half->Left << ',' << half->Top << ',' << half->Visible << ';';
    out << s.cu << '|' << s.cd << '|' << s.pno << '|' << s.cno << '|' << s.psc << '|' << s.csc << '|' << s.pull
        << '|' << s.first[0] << s.first[1] << s.first[2] << '|' << s.lStatus.Caption << '|' << s.compscore.Caption
        << '|' << s.playerscore.Caption << '|' << s.PushButton3.Enabled << '|' << s.max << '|' << s.Text1 << '|'
        << s.endflag << '|' << s.ccsc;
    return out.str();
}

// A pause is a flight or an open message box. At its start the watcher changes
// what a tick of either timer would set back (shown total, max, Get Card);
// every later look inside the same pause must find nothing changed.
class PauseWatcher {
public:
    PauseWatcher(WatchedPlatform &platform, GameWindow &game)
        : platform_(platform)
        , s_(game.state())
    {
        platform.watch = [this] { look(); };
    }
    int pauses = 0;
    int looks = 0;
    std::vector<std::string> changes;

private:
    void look()
    {
        if (!s_.Cover.Visible && platform_.openBoxes == 0) {
            inPause_ = false;
            return;
        }
        if (!inPause_) {
            inPause_ = true;
            ++pauses;
            s_.ccsc = toText(readInt(s_.ccsc) + 1);
            s_.max = "9";
            s_.PushButton3.Enabled = s_.lStatus.Caption == kComputerTurn || readInt(s_.AvPmove) != 0;
            before_ = snapshot(s_);
            return;
        }
        ++looks;
        const std::string now = snapshot(s_);
        if (now != before_)
            changes.push_back(now);
    }

    WatchedPlatform &platform_;
    GameState &s_;
    bool inPause_ = false;
    std::string before_;
};

struct WatchedGame {
    WatchedPlatform platform;
    GameWindow game{platform, std::make_unique<ScriptedRandom>(std::deque<double>{0.0})};
    WatchedGame() { game.Form_Load(); }
    GameState &s() { return game.state(); }
};

void midHand(WatchedGame &g, const char *status, const char *cu, const char *cd, const char *pull = "0")
{
    g.s().first[0] = "1";
    g.s().cu = cu;
    g.s().cd = cd;
    g.s().pull = pull;
    g.s().lStatus.Caption = status;
}

struct Pause {
    const char *what;
    void (*setUp)(WatchedGame &);
    int pauses; // at least
};

const Pause kPauses[] = {
    {"computer's flight", [](WatchedGame &g) { midHand(g, kComputerTurn.c_str(), "3", "5"); }, 1},
    {"player's draw",
     [](WatchedGame &g) {
         midHand(g, kYourTurn.c_str(), "2", "2");
         g.s().PushButton3.Enabled = true;
         g.platform.click(ButtonId::GetCard);
     },
     1},
    {"box: computer will start", [](WatchedGame &g) { g.s().lStatus.Caption = kComputerTurn; }, 1},
    // The box, the flight of the drawn tile, the flight to the board.
    {"box: computer takes a tile", [](WatchedGame &g) { midHand(g, kComputerTurn.c_str(), "0", "0"); }, 3},
    {"box: player passes",
     [](WatchedGame &g) {
         midHand(g, kYourTurn.c_str(), "0", "1", "14");
         std::swap(g.s().lcard[15].Tag, g.s().lcard[9].Tag); // [1|2] from the stock: the computer can move
         std::swap(g.s().rcard[15].Tag, g.s().rcard[9].Tag);
     },
     1},
    {"box: blocked hand ends", [](WatchedGame &g) { midHand(g, kYourTurn.c_str(), "0", "1", "14"); }, 1},
};

} // namespace

TEST(OneStepAtATime, TicksDuringAFlightOrAMessageBoxWaitForItsEnd)
{
    for (const Pause &p : kPauses) {
        SCOPED_TRACE(p.what);
        WatchedGame g;
        g.platform.boxDelay = [](const auto &) { return 700; };
        PauseWatcher watcher(g.platform, g.game);
        p.setUp(g);
        g.platform.advance(1500);
        EXPECT_GE(watcher.pauses, p.pauses);
        EXPECT_GT(watcher.looks, 0);
        EXPECT_TRUE(watcher.changes.empty()) << watcher.changes.size() << " changes, first: " << watcher.changes[0];
        for (int w = 0; w < static_cast<int>(Work::Count); ++w)
            EXPECT_LE(g.game.activity().deepest(static_cast<Work>(w)), 1) << "work kind " << w;
        g.platform.watch = nullptr;
    }
}

namespace {

// Schedules a drag of `slot` to the right end's region (times from now).
void scheduleDrag(GameHarness &h, int slot, std::int64_t pressAt, std::int64_t releaseAt)
{
    const std::int64_t now = h.platform.tickCount();
    const auto post = [&](Input::Kind kind, float x, float y, std::int64_t at) {
        Input input;
        input.kind = kind;
        input.x = x;
        input.y = y;
        input.button = kLeftButton;
        input.at = now + at;
        h.platform.post(input);
    };
    post(Input::Kind::Press, h.centreX(slot), h.centreY(slot), pressAt);
    post(Input::Kind::Move, 3100, 5100, pressAt + 20);
    post(Input::Kind::Release, 3100, 5100, releaseAt);
}

} // namespace

TEST(OneStepAtATime, ADropDuringTheComputersMoveGoesBack)
{
    // Pressed inside the flight, or before the move began (which then waits).
    const struct {
        std::int64_t pressAt, releaseAt;
    } drags[] = {{200, 400}, {0, 400}};
    for (const auto &d : drags) {
        SCOPED_TRACE(d.pressAt);
        GameHarness h;
        h.dragTo(22, 3000, 2000); // opens with [3|6]; the computer moves next
        const int slot = 25;      // [4|6] would fit the right end
        const float left = h.s().lcard[slot].Left, top = h.s().lcard[slot].Top;
        scheduleDrag(h, slot, d.pressAt, d.releaseAt);
        ASSERT_TRUE(h.untilPlayersTurn(5000));
        h.advance(500);
        EXPECT_EQ(h.s().lcard[slot].Left, left);
        EXPECT_EQ(h.s().lcard[slot].Top, top);
        EXPECT_EQ(h.s().pno + h.s().cno, "66"); // the computer did move
        EXPECT_EQ(h.game.heldSlot(), 0);
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer1));
        EXPECT_EQ(InvariantChecker().check(h.game, h.platform), std::vector<std::string>{});
    }
}

TEST(OneStepAtATime, ADropDuringADrawGoesBack)
{
    GameHarness h;
    h.game.arrangehands();
    h.s().first[0] = "1";
    h.s().cu = "2";
    h.s().cd = "5"; // [5|5] would fit
    h.s().PushButton3.Enabled = true;
    const int slot = 26;
    const float left = h.s().lcard[slot].Left, top = h.s().lcard[slot].Top;
    scheduleDrag(h, slot, 200, 400);
    h.click(ButtonId::GetCard); // the draw flies for more than a second
    h.advance(500);
    EXPECT_EQ(h.s().pull + h.s().pno, "18");
    EXPECT_EQ(h.s().lcard[slot].Left, left);
    EXPECT_EQ(h.s().lcard[slot].Top, top);
    EXPECT_EQ(h.s().first[1], "0");
    EXPECT_EQ(h.game.heldSlot(), 0);
}

namespace {

// The player's move as a careful player makes it: open with the first tile,
// else lay the first tile of the hand that fits an end, else draw.
void playersMove(GameHarness &h, std::vector<std::string> &log)
{
    GameState &s = h.s();
    for (int i = 1; i <= 7 + s.pextra; ++i) {
        const int slot = s.phand[i];
        if (slot == 0 || s.lcard[slot].Top < 7500)
            continue;
        const std::string &a = s.lcard[slot].Tag, &b = s.rcard[slot].Tag;
        const bool opening = s.first[0] == "0";
        if (opening || a == s.cu || b == s.cu || a == s.cd || b == s.cd) {
            const bool left = opening || a == s.cu || b == s.cu;
            log.push_back("lay " + a + b + (left ? " left" : " right"));
            h.dragTo(slot, 3000, left ? 2000 : 5000);
            return;
        }
    }
    if (readInt(s.pull) < 14 && s.PushButton3.Enabled) {
        log.push_back("draw");
        h.click(ButtonId::GetCard);
        return;
    }
    h.advance(100); // a pass comes from the periodic check
}

} // namespace

TEST(OneStepAtATime, AWholeHandThroughTheMouseStaysSound)
{
    GameHarness h;
    InvariantChecker checker;
    std::vector<std::string> log;
    const auto handOver = [&] {
        return std::any_of(h.platform.boxes.begin(), h.platform.boxes.end(),
                           [](const auto &box) { return box.title == kResultTitle; });
    };
    const auto sound = [&](const std::string &after) {
        const auto problems = checker.check(h.game, h.platform);
        EXPECT_EQ(problems, std::vector<std::string>{}) << "after " << after;
        return problems.empty();
    };
    int moves = 0;
    while (!handOver() && moves < 200) {
        if (h.s().lStatus.Caption == kYourTurn && !h.game.activity().busy()) {
            playersMove(h, log);
            ++moves;
            if (!sound(log.empty() ? "waiting" : log.back()))
                break;
        }
        h.advance(20);
        if (!sound("time"))
            break;
    }
    EXPECT_TRUE(handOver()) << moves << " moves";
    EXPECT_GT(readInt(h.s().ccsc) + readInt(h.s().ppsc), 0);
    EXPECT_EQ(h.platform.mostBoxesOpen, 1);
}

} // namespace pipstone::test
