#pragma once

// std
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace pipstone {

// The clock of a toolkit that has no real time (the headless one): it moves
// only when the game waits. The toolkit keeps here its two timers and the
// first moment at which input falls due or a test watches the event calls;
// until the first of those moments a pump finds nothing to do and a wait
// only moves the clock on. The game lets such quiet stretches pass without
// calling the toolkit at all, which makes a simulated match's many small
// waits cheap. While the game is busy, a tick only marks its timer for later,
// so the game may also pass a stretch in which nothing but ticks happen.
struct VirtualClock {
    // One of the toolkit's timers: its next tick falls due at `due`.
    struct Ticker {
        bool running = false;
        std::int64_t due = 0;
    };

    std::int64_t now = 0;        // milliseconds
    std::int64_t quietUntil = 0; // nothing happens before this moment
    std::int64_t inputUntil = 0; // no input and no watcher before this moment
    std::int64_t tickInterval = 1;
    std::array<Ticker, 2> timers{}; // Timer1, Timer2

    // When the first running timer ticks next; never, with none running.
    std::int64_t nextTick() const
    {
        std::int64_t next = std::numeric_limits<std::int64_t>::max();
        for (const Ticker &t : timers)
            if (t.running)
                next = std::min(next, t.due);
        return next;
    }

    // Notes the first moment anything can happen, after input or a timer
    // changed.
    void refresh() { quietUntil = std::min(inputUntil, nextTick()); }

    bool quietNow() const { return now < quietUntil; }
    // Whether nothing can happen from now until `moment`, that moment included.
    bool quietThrough(std::int64_t moment) const { return quietNow() && moment < quietUntil; }
    // Whether nothing but timer ticks can happen from now until `moment`,
    // that moment included.
    bool onlyTicksThrough(std::int64_t moment) const { return now < inputUntil && moment < inputUntil; }

    // How many of `most` waits of `ms` whole milliseconds, one after the
    // other from now, end before anything can happen. A wait that ends just
    // as something falls due is not quiet: that event runs inside it.
    long quietWaits(double ms, long most) const { return waitsBefore(quietUntil, ms, most); }
    // The same, when ticks may fall due in them: only input ends the run.
    long waitsWithOnlyTicks(double ms, long most) const { return waitsBefore(inputUntil, ms, most); }

    // Moves the clock on to `moment` through a stretch in which nothing but
    // ticks happen. Each running timer ticks as the toolkit would tick it:
    // when it falls due, or at once if that is past, then every interval.
    // Returns which timers ticked: bit 0 for Timer1, bit 1 for Timer2.
    unsigned passTicksThrough(std::int64_t moment)
    {
        unsigned ticked = 0;
        for (std::size_t i = 0; i < timers.size(); ++i) {
            Ticker &t = timers[i];
            if (!t.running || t.due > moment)
                continue;
            const std::int64_t first = std::max(t.due, now);
            t.due = first + ((moment - first) / tickInterval + 1) * tickInterval;
            ticked |= 1u << i;
        }
        now = moment;
        refresh();
        return ticked;
    }

private:
    long waitsBefore(std::int64_t horizon, double ms, long most) const
    {
        if (now >= horizon)
            return 0;
        const auto wait = static_cast<std::int64_t>(ms);
        if (wait <= 0)
            return most;
        return static_cast<long>(std::min<std::int64_t>(most, (horizon - 1 - now) / wait));
    }
};

} // namespace pipstone
