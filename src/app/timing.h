#pragma once

// Every duration and step of the game's motion, in one place.
namespace pipstone::timing {

inline constexpr int kTimerInterval = 100;      // ms between ticks of both timers
inline constexpr double kCheatViewWait = 1000;  // ms the computer's hand shows face up
inline constexpr double kFlightAcrossWait = 1;  // ms per step of the computer's flight across
inline constexpr double kFlightDownWait = 5;    // ms per step of the computer's flight down
inline constexpr double kDrawFlightWait = 5;    // ms per step of a tile drawn from the stock
inline constexpr int kFlightStep = 40;          // twips per step of any flight

} // namespace pipstone::timing
