#include "support/random_player.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>

namespace pipstone::test {

namespace {

// What a player sees of a match at one moment: the flying tile, the status,
// the counts, both totals and the computer's row as the cheat view lists it.
std::string sight(const GameState &s, std::int64_t now)
{
    std::ostringstream out;
    out << now << ':' << s.Cover.Visible << ',' << s.Cover.Left << ',' << s.Cover.Top << ' ' << s.lStatus.Caption
        << ' ' << s.AvPmove << '/' << s.AvCmove << ' ' << s.compscore.Caption << '-' << s.playerscore.Caption;
    for (const std::string &slot : s.List1)
        out << ' ' << slot;
    return out.str();
}

struct Record {
    std::vector<std::string> actions;
    std::vector<std::string> sights;
    std::string end;
};

// A seeded match, looked at every 37 ms of game time. With `watched`, a test
// watches every event-processing call, so no stretch of the clock is ever
// quiet and every wait and pump reaches the toolkit.
Record playSeeded(std::uint64_t seed, bool watched)
{
    RandomPlayer player(seed);
    player.checkInvariants = false;
    player.keepLog = true;
    HeadlessPlatform &p = player.harness.platform;
    if (watched)
        p.watchEventProcessing([] {});
    Record record;
    const GameState &s = player.harness.s();
    std::function<void()> look = [&] {
        const auto now = static_cast<std::int64_t>(p.tickCount());
        record.sights.push_back(sight(s, now));
        p.lookAt(now + 37, look);
    };
    p.lookAt(37, look);
    const auto problems = player.playMatch(400'000);
    record.actions = player.actions;
    record.end = sight(s, static_cast<std::int64_t>(p.tickCount())) + " hands " + std::to_string(player.hands)
                 + " boxes " + std::to_string(p.boxes.size()) + (problems.empty() ? "" : " " + problems.front());
    return record;
}

} // namespace

// The headless clock lets stretches in which nothing can happen pass at once:
// waits, pumps and whole runs of a flight's steps. A match must not notice.
TEST(QuietClock, MatchesPlayTheSameWhetherQuietStretchesAreSkippedOrNot)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Record skipped = playSeeded(seed, false), stepped = playSeeded(seed, true);
        EXPECT_EQ(skipped.end, stepped.end);
        EXPECT_EQ(skipped.actions, stepped.actions);
        ASSERT_EQ(skipped.sights.size(), stepped.sights.size());
        for (std::size_t i = 0; i < skipped.sights.size(); ++i)
            ASSERT_EQ(skipped.sights[i], stepped.sights[i]) << "look " << i;
    }
}

TEST(QuietClock, AWaitThatEndsAsSomethingFallsDueIsNotQuiet)
{
    const struct {
        std::int64_t now, quietUntil;
        double ms;
        long most, quiet;
    } cases[] = {
        {0, 100, 99, 1, 1},    // ends before the tick
        {0, 100, 100, 1, 0},   // ends on the tick: the tick runs inside it
        {0, 100, 5, 100, 19},  // the 20th wait would end on the tick
        {0, 100, 5, 10, 10},   // no more than asked
        {100, 100, 1, 5, 0},   // something is due now
        {150, 100, 1, 5, 0},   // and overdue
        {0, 100, 0, 7, 7},     // a wait of nothing is quiet while the clock is
        {0, std::numeric_limits<std::int64_t>::min(), 1, 5, 0}, // watched
        {0, std::numeric_limits<std::int64_t>::max(), 1000, 3, 3},
    };
    for (const auto &c : cases) {
        VirtualClock clock{c.now, c.quietUntil};
        EXPECT_EQ(clock.quietWaits(c.ms, c.most), c.quiet) << c.now << ' ' << c.quietUntil << ' ' << c.ms;
    }
}

namespace {

// Passes the toolkit's events on to the game and notes when each arrived.
struct EventLog : PlatformEvents {
    EventLog(GameHarness &h)
        : game(h.game)
        , platform(h.platform)
    {
        platform.attach(this, &h.s());
    }
    ~EventLog() override { platform.attach(&game, &game.state()); }
    void note(const char *what) { seen.push_back(what + std::string(" at ") + std::to_string(static_cast<std::int64_t>(platform.tickCount()))); }
    void onTimer(TimerId timer) override
    {
        note(timer == TimerId::Timer1 ? "Timer1" : "Timer2");
        game.onTimer(timer);
    }
    void onButtonClick(ButtonId button) override { game.onButtonClick(button); }
    void onButtonMouseMove(ButtonId button) override { game.onButtonMouseMove(button); }
    void onMouseDown(float x, float y, int button, int shift) override { game.onMouseDown(x, y, button, shift); }
    void onMouseMove(float x, float y, int buttons, int shift) override
    {
        note("move");
        game.onMouseMove(x, y, buttons, shift);
    }
    void onMouseUp(float x, float y, int button, int shift) override { game.onMouseUp(x, y, button, shift); }
    void onKey(Key key) override { game.onKey(key); }
    void onClose() override { game.onClose(); }

    GameWindow &game;
    HeadlessPlatform &platform;
    std::vector<std::string> seen;
};

} // namespace

// Whatever falls due inside one of the game's waits is handled inside it, at
// its time, even when the toolkit learnt of it only just before the wait.
TEST(QuietClock, WhatFallsDueInsideAWaitRunsInsideIt)
{
    const struct {
        const char *what;
        void (*before)(HeadlessPlatform &);
        std::vector<std::string> seen;
        double waitMs = 250;
    } cases[] = {
        {"input due now, and a wait of nothing",
         [](HeadlessPlatform &p) {
             HeadlessPlatform::Input move;
             move.at = static_cast<std::int64_t>(p.tickCount());
             p.post(move);
         },
         {"move at 0"},
         0},
        {"input posted just before",
         [](HeadlessPlatform &p) {
             HeadlessPlatform::Input move;
             move.at = static_cast<std::int64_t>(p.tickCount()) + 30;
             p.post(move);
         },
         {"move at 30"}},
        {"a timer switched on just before",
         [](HeadlessPlatform &p) { p.setTimerRunning(TimerId::Timer2, true); },
         {"Timer2 at 100", "Timer2 at 200"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness h;
        h.platform.setTimerRunning(TimerId::Timer1, false);
        h.platform.setTimerRunning(TimerId::Timer2, false);
        h.platform.processEvents();
        EventLog log(h);
        c.before(h.platform);
        h.game.Delay(c.waitMs);
        EXPECT_EQ(log.seen, c.seen);
        EXPECT_EQ(h.platform.tickCount(), c.waitMs);
    }
}

} // namespace pipstone::test
