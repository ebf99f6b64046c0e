#pragma once

// own
#include "support/game_harness.h"
#include "support/invariants.h"

// std
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace pipstone::test {

// The kinds of activity a storm aims events into. An event lands inside every
// kind that runs when the toolkit hands it over.
enum class Inside {
    Timer1Tick,
    Timer2Tick,
    PlayerCount,
    ComputerCount,
    ComputerFlight,
    DrawFlight,
    Showcards,
    Getturn,
    CheatView,
    Pass,
    EndOfHand,
    MessageBox,
    Count
};
const char *nameOf(Inside kind);
using Landed = std::array<long, static_cast<int>(Inside::Count)>;

// Random sequences of everything a user and a clock can do to the window,
// mixed with the random player's moves so that hands, and now and then a
// whole match, are played to their end: presses, moves and releases anywhere
// with any button, clicks on the three buttons, boxes answered after random
// delays, time advanced by random amounts, and, late in the storm only, a
// close. Besides the events between activities, the storm aims events into
// the activities themselves: at the event-processing calls inside ticks,
// counts, flights, the cheat view, passes and the end of a hand it posts
// events that the same call hands over. Afterwards the game must still play
// to the end of a match. Everything follows from the seed.
class EventStorm {
public:
    explicit EventStorm(std::uint64_t seed);

    // Runs `events` events between activities (and what it aims inside them),
    // checking the invariants after each one, then plays the game on to the
    // end of its match. Returns what went wrong (empty when sound).
    std::vector<std::string> run(int events);

    GameHarness harness;
    std::vector<std::string> actions; // the events so far, to replay a failure
    long handedOver = 0;              // events handed over to the window
    long handedOverInside = 0;        // ... while any of the kinds below ran
    Landed landed{};                  // events handed over inside each kind of activity
    int resultsShown = 0;             // hands the storm played to their result
    bool playedOut = false;           // the storm played its match to the end
    bool closedByUser = false;        // the storm closed the window

private:
    HeadlessPlatform::Input noise(double newGameShare);
    void eventBetweenActivities();
    void aimInsideActivity();
    void letGoOfTheMouse();
    void countLanding();
    std::array<bool, static_cast<int>(Inside::Count)> runningKinds() const;
    int pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

    std::mt19937_64 rng_;
    InvariantChecker checker_;
    bool late_ = false;   // closes come only in the last part of a storm
    bool aiming_ = false; // off for the liveness check after the storm
    double aimBudget_ = 1;
};

} // namespace pipstone::test
