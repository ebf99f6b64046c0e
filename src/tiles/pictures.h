#pragma once

// Positions in the picture table of tile halves: pips + 1 is an upright
// face, pips + 10 the same face turned a quarter turn for a lying tile.
namespace pipstone {

inline constexpr int kBackPicture = 8;
inline constexpr int kHandCursorPicture = 9;
inline constexpr int kTurnedOffset = 9;

constexpr int uprightFace(int pips) { return pips + 1; }
constexpr int turnedFace(int pips) { return pips + 1 + kTurnedOffset; }

} // namespace pipstone
