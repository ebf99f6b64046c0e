#pragma once

// own
#include "flight_watch.h"

// std
#include <cstdint>
#include <functional>
#include <vector>

namespace pipstone::bench {

// How long the two kinds of flight took in one hand, on the watch's clock;
// -1 for a flight that did not happen.
struct FlightTimes {
    double computerMs = -1; // the computer's chosen tile flying to its cell
    double drawMs = -1;     // a tile flying from the stock to the player's row
    double drawStartMs = -1; // from the press of Get Card to that tile's first showing
    std::vector<double> computerWaits, drawWaits; // each flight's waits, in ms
};

// Deals the hand of `seed` through `watch`, lays a player's opening the
// computer can answer, lets the computer answer (its tile flies), then has
// the player take a tile from the stock (it flies too). The moves are called
// directly; both game timers are switched off in the state first, so that
// their ticks, which still arrive, do not start moves of their own. `shown`
// runs once the hand is dealt, for a toolkit to show its window.
FlightTimes flyOnce(FlightWatch &watch, std::uint64_t seed, const std::function<void()> &shown);

} // namespace pipstone::bench
