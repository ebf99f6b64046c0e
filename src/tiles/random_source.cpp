#include "tiles/random_source.h"

// std
#include <chrono>
#include <cmath>

namespace pipstone {

namespace {

double uniform(std::mt19937_64 &engine)
{
    // The distribution may round up to 1.0; a draw must stay below it, or a
    // slot number would fall outside 1..28.
    const double value = std::uniform_real_distribution<double>(0.0, 1.0)(engine);
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
