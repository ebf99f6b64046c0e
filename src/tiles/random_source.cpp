#include "tiles/random_source.h"

// std
#include <chrono>
#include <cmath>

namespace pipstone {

namespace {

// The engine's 64 bits scaled into [0, 1], as the standard uniform
// distribution makes them, without its general machinery. Turned into a double
// they may round up to 1.0; a draw must stay below it, or a slot number would
// fall outside 1..28.
double uniform(std::mt19937_64 &engine)
{
    const double value = static_cast<double>(engine()) * 0x1p-64;
    return value < 1.0 ? value : std::nextafter(1.0, 0.0);
}

} // namespace

void ClockRandomSource::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    std::seed_seq seq{static_cast<std::uint32_t>(nanos), static_cast<std::uint32_t>(nanos >> 32)};
    engine_.seed(seq);
}

double ClockRandomSource::next()
{
    return uniform(engine_);
}

double SeededRandomSource::next()
{
    return uniform(engine_);
}

} // namespace pipstone
