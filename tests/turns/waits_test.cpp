#include "support/event_log.h"
#include "support/random_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <sstream>
#include <tuple>

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
    const VirtualClock clock{0, 100};
    EXPECT_TRUE(clock.quietThrough(99));
    EXPECT_FALSE(clock.quietThrough(100)); // the moment something falls due is not quiet
}

// A stretch with only ticks in it passes as the toolkit would tick through
// it: each running timer ticks when due, or at once when overdue, and then
// every 100 ms.
TEST(QuietClock, PassingTicksMovesEachTimerOnAsItsTicksWouldHave)
{
    constexpr std::int64_t kInput = 1000; // input falls due here
    const struct {
        std::int64_t now, due1, due2, moment;
        bool running2;
        unsigned ticked;
        std::int64_t after1, after2;
    } cases[] = {
        {0, 100, 150, 250, true, 3, 300, 350},   // both tick, Timer1 twice
        {0, 250, 300, 250, true, 1, 350, 300},   // a tick on the moment itself ticks
        {0, 251, 251, 250, true, 0, 251, 251},   // due just after
        {120, 100, 150, 150, true, 3, 220, 250}, // Timer1 overdue: it ticks at once
        {0, 100, 150, 250, false, 1, 300, 150},  // a stopped timer never ticks
        {0, 50, 60, 999, true, 3, 1050, 1060},
    };
    for (const auto &c : cases) {
        VirtualClock clock{c.now, 0, kInput, 100, {{{true, c.due1}, {c.running2, c.due2}}}};
        clock.refresh();
        ASSERT_TRUE(clock.onlyTicksThrough(c.moment));
        EXPECT_EQ(clock.passTicksThrough(c.moment), c.ticked) << c.now << ' ' << c.moment;
        EXPECT_EQ(std::make_tuple(clock.now, clock.timers[0].due, clock.timers[1].due),
                  std::make_tuple(c.moment, c.after1, c.after2))
            << c.now << ' ' << c.moment;
        EXPECT_EQ(clock.quietUntil, std::min({kInput, c.after1, c.running2 ? c.after2 : kInput}));
    }
    VirtualClock clock{0, 0, kInput, 100, {}};
    EXPECT_FALSE(clock.onlyTicksThrough(kInput)); // input due on the moment ends the stretch
    EXPECT_EQ(clock.waitsWithOnlyTicks(5, 1000), 199);
}

// A tick that falls due while a step waits is kept and runs as soon as the
// step is over, also when the waits go event by event (passed at once, as
// Stock's presses run them, the same holds).
TEST(QuietClock, TicksThatFallDueDuringAStepRunWhenItEnds)
{
    GameHarness h;
    GameState &s = h.s();
    // The player's turn; ends of 2 and 2 fit none of the player's tiles,
    // but the stock's first tile, 25, fits.
    s.first[0] = "1";
    s.cu = s.cd = "2";
    s.lStatus.Caption = kYourTurn;
    s.PushButton3.Enabled = true;
    h.putTile(1, "25");
    h.platform.watchEventProcessing([] {});
    const double before = h.platform.tickCount();
    h.platform.click(ButtonId::GetCard);
    EXPECT_GT(h.platform.tickCount(), before + 200); // the draw's flight
    EXPECT_EQ(s.AvPmove, "1");
    // Only the turn timer's tick turns Get Card off once a tile fits, and
    // it ran before the click returned.
    EXPECT_FALSE(s.PushButton3.Enabled);
}

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
         {"0 move 0,0 0"},
         0},
        {"input posted just before",
         [](HeadlessPlatform &p) {
             HeadlessPlatform::Input move;
             move.at = static_cast<std::int64_t>(p.tickCount()) + 30;
             p.post(move);
         },
         {"30 move 0,0 0"}},
        {"a timer switched on just before",
         [](HeadlessPlatform &p) { p.setTimerRunning(TimerId::Timer2, true); },
         {"100 tick2", "200 tick2"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness h;
        h.platform.setTimerRunning(TimerId::Timer1, false);
        h.platform.setTimerRunning(TimerId::Timer2, false);
        h.platform.processEvents();
        EventLog log(h.platform);
        log.withTimes = true;
        h.platform.attach(&log, &h.s());
        c.before(h.platform);
        h.game.Delay(c.waitMs);
        EXPECT_EQ(log.events, c.seen);
        EXPECT_EQ(h.platform.tickCount(), c.waitMs);
    }
}

} // namespace pipstone::test
