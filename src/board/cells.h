#pragma once

// own
#include "state/controls.h"

// The fixed cells of the line of play. The chain grows from the opening tile
// along two arms of 28 cells each; a cell's tag tells which way the chain runs
// there: 2 along the arm's first direction, 4 back the other way, 1 an
// upright corner between two rows.
namespace pipstone {

enum class Arm { Left, Right };

inline constexpr int kFlatCell = 2;
inline constexpr int kBackCell = 4;
inline constexpr int kCornerCell = 1;

// Cell k (0..27) of an arm in its start state: hidden, black border of width 2.
Shape cellShape(Arm arm, int k);

} // namespace pipstone
