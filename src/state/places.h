#pragma once

// Where things lie on the board, in twips. Where a tile is, is read from the
// Top and Left of its first half, and each rule keeps its own line: the
// counts see the player's row from 7650, the display and the periodic check
// from 7500.
namespace pipstone {

inline constexpr int kStockSize = 14;
inline constexpr int kMatchTarget = 101;

inline constexpr float kStockColumnRight = 1080; // first halves at or left of this lie in the stock
inline constexpr float kComputerRowBottom = 1000; // first halves above this lie in the computer's row
inline constexpr float kPlayerRowLine = 7500;     // display and periodic check: the player's row
inline constexpr float kCountedPlayerRow = 7650;  // counts: the player's row
inline constexpr float kHandLine = 7100;          // a tile released below this stays in the hand

// A tile parked here lies inside the drop region of that end: the computer's
// chosen tile waits here before it is laid, and the keyboard lets go here.
inline constexpr float kParkLeft = 3000;
inline constexpr float kParkTopLeftEnd = 2000;
inline constexpr float kParkTopRightEnd = 5000;

// The hand rows as the counts and the draws lay them out: the k-th tile of a
// row stands at kRowStart + kRowPitch * k, upright, its second half below.
inline constexpr float kRowStart = 1350;
inline constexpr float kRowPitch = 480;
inline constexpr float kComputerRowTop = 30;
inline constexpr float kPlayerRowTop = 7675;
inline constexpr float kHalfPitch = 420; // from a half's corner to the other half's

// A position rounded to whole twips, halves away from zero as std::lround
// rounds, without a library call: the flights round one at every step.
inline constexpr long roundTwips(float twips)
{
    const long whole = static_cast<long>(twips); // towards zero
    const float rest = twips - static_cast<float>(whole);
    if (rest >= 0.5f)
        return whole + 1;
    if (rest <= -0.5f)
        return whole - 1;
    return whole;
}

inline constexpr bool isInComputerRow(float firstTop) { return firstTop < kComputerRowBottom; }
inline constexpr bool isCountedInPlayerRow(float firstTop) { return firstTop >= kCountedPlayerRow; }

} // namespace pipstone
