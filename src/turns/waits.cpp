// The game's waits: Delay, and the flights that move a tile a step at a time
// with a short wait at each. Both let the window's events run as they wait.
//
// On the headless toolkit's virtual clock a stretch in which nothing can
// happen passes at once (see platform/virtual_clock.h): nobody can see the
// steps of a flight inside it, so the tile lands on the last of them.

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
        if (clock_ && clock_->quietThrough(static_cast<std::int64_t>(end))) {
            clock_->now = static_cast<std::int64_t>(end);
            return;
        }
        platform_.stateChanged();
        platform_.waitForEvents(end);
        stillWanted();
    }
}

void GameWindow::fly(float &coordinate, Flight flight)
{
    const double wait = wholeMilliseconds(flight.waitMs);
    const double stride = static_cast<double>(flight.step);
    const auto steps = static_cast<long>(std::floor((flight.to - static_cast<double>(flight.from)) / stride)) + 1;
    for (long i = 0; i < steps;) {
        coordinate = static_cast<float>(flight.from + i * flight.step);
        if (const long unseen = clock_ ? clock_->quietWaits(wait, steps - i) : 0; unseen > 1) {
            stillWanted();
            i += unseen;
            coordinate = static_cast<float>(flight.from + (i - 1) * flight.step);
            clock_->now += static_cast<std::int64_t>(wait) * unseen;
            continue;
        }
        Delay(wait);
        if (flight.pumpAfterEachWait)
            pump();
        ++i;
    }
}

} // namespace pipstone
