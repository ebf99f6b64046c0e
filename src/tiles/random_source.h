#pragma once

// std
#include <cstdint>
#include <random>

namespace pipstone {

// Where the shuffle and the start-up draw take their random numbers from.
// Tests replace it with a scripted source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds the generator afresh from the clock.
    virtual void reseed() = 0;
    // A uniform number in [0, 1).
    virtual double next() = 0;
};

// A uniform generator seeded from a nanosecond clock, so two deals in the
// same second never repeat a shuffle.
class ClockRandomSource : public RandomSource {
public:
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 engine_{0x5eed};
};

// A generator with a fixed seed, for reproducible games.
class SeededRandomSource : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed)
        : engine_(seed)
    {
    }
    void reseed() override {}
    double next() override;

private:
    std::mt19937_64 engine_;
};

} // namespace pipstone
