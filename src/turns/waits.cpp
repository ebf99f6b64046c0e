// The game's waits: Delay, and the flights that move a tile a step at a time
// with a short wait at each. Both let the window's events run as they wait.
//
// On the headless toolkit's virtual clock a stretch that nobody can see
// passes at once (see platform/virtual_clock.h): one in which nothing can
// happen, or, while an activity runs, one in which only ticks fall due, which
// the activity would only keep for later. The steps of a flight inside such
// a stretch are not seen either, so the tile lands on the last of them.

// own
#include "app/game_window.h"

// std
#include <algorithm>
#include <cmath>

namespace pipstone {

namespace {

// Waits are whole milliseconds.
double wholeMilliseconds(double ms)
{
    return std::max(std::nearbyint(ms), 0.0);
}

} // namespace

// Waits on the monotonic clock, letting events run at least once. The clock
// keeps its fraction of a millisecond, so no wait ends before its time.
void GameWindow::Delay(double ms)
{
    const double end = platform_.tickCount() + wholeMilliseconds(ms);
    pump();
    while (platform_.tickCount() < end) {
        if (clock_ && passUnseen(static_cast<std::int64_t>(end)))
            return;
        platform_.stateChanged();
        platform_.waitForEvents(end);
        stillWanted();
    }
}

// Every draw and every computer's move flies a tile, so the waits a flight
// calls in this file are compiled into it.
[[gnu::flatten]] void GameWindow::fly(MarkField<float> &coordinate, Flight flight)
{
    const double wait = wholeMilliseconds(flight.waitMs);
    const double stride = static_cast<double>(flight.step);
    const auto steps = static_cast<long>(std::floor((flight.to - static_cast<double>(flight.from)) / stride)) + 1;
    for (long i = 0; i < steps;) {
        coordinate = static_cast<float>(flight.from + i * flight.step);
        if (const long unseen = unseenWaits(wait, steps - i); unseen > 1) {
            stillWanted();
            i += unseen;
            coordinate = static_cast<float>(flight.from + (i - 1) * flight.step);
            passUnseen(clock_->now + static_cast<std::int64_t>(wait) * unseen);
            continue;
        }
        Delay(wait);
        if (flight.pumpAfterEachWait)
            pump();
        ++i;
    }
}

// How many of `most` waits of `ms`, one after the other from now, nobody can
// see; none without the virtual clock.
long GameWindow::unseenWaits(double ms, long most) const
{
    if (!clock_)
        return 0;
    return activity_.busy() ? clock_->waitsWithOnlyTicks(ms, most) : clock_->quietWaits(ms, most);
}

// Moves the virtual clock on to `moment` when nobody can see the stretch up
// to it, that moment included. The ticks that fall due in it are handed to
// runTick as they would have been, and it keeps them for later.
bool GameWindow::passUnseen(std::int64_t moment)
{
    if (!(activity_.busy() ? clock_->onlyTicksThrough(moment) : clock_->quietThrough(moment)))
        return false;
    const unsigned ticked = clock_->passTicksThrough(moment);
    if (ticked & 1u)
        runTick(TimerId::Timer1);
    if (ticked & 2u)
        runTick(TimerId::Timer2);
    return true;
}

} // namespace pipstone
