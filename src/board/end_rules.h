#pragma once

// own
#include "board/cells.h"

// std
#include <optional>
#include <string>

// The rules that decide where a tile goes on the line of play, shared by the
// placement and by the mark that shows where a held tile would go.
namespace pipstone {

// The end a tile lying with its first half's top-left corner at (left, top)
// goes to: the upper part of the board is the left end, the lower part the
// right end, and where both hold the upper wins. None outside both.
std::optional<Arm> endForDrop(float left, float top);

// One row of an end's table: on a cell with this tag, when the named half of
// the tile equals the open end, that half goes against the chain and the tile
// is laid with this orientation code.
struct EndRule {
    int cellTag;
    bool firstHalfMatches; // mu = end (else md = end)
    int code;
};

// The first row of the arm's table that lays the tile with halves `first` and
// `second` on a cell with `cellTag` at the open pip `end`; pips compare as
// texts. Null when no row holds.
const EndRule *endRuleFor(Arm arm, int cellTag, const std::string &first, const std::string &second,
                          const std::string &end);

} // namespace pipstone
