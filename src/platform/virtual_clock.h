#pragma once

// std
#include <algorithm>
#include <cstdint>

namespace pipstone {

// The clock of a toolkit that has no real time (the headless one): it moves
// only when the game waits. The toolkit also knows the first moment at which
// anything can happen (input falls due, a timer ticks, a test watches the
// event calls), and until then a pump finds nothing to do and a wait only
// moves the clock on. The game lets such quiet stretches pass without calling
// the toolkit at all, which makes a simulated match's many small waits cheap.
struct VirtualClock {
    std::int64_t now = 0;        // milliseconds
    std::int64_t quietUntil = 0; // nothing happens before this moment

    bool quietNow() const { return now < quietUntil; }
    // Whether nothing can happen from now until `moment`, that moment included.
    bool quietThrough(std::int64_t moment) const { return quietNow() && moment < quietUntil; }

    // How many of `most` waits of `ms` whole milliseconds, one after the
    // other from now, end before anything can happen. A wait that ends just
    // as something falls due is not quiet: that event runs inside it.
    long quietWaits(double ms, long most) const
    {
        if (!quietNow())
            return 0;
        const auto wait = static_cast<std::int64_t>(ms);
        if (wait <= 0)
            return most;
        return static_cast<long>(std::min<std::int64_t>(most, (quietUntil - 1 - now) / wait));
    }
};

} // namespace pipstone
