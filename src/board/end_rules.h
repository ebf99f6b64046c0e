#pragma once

// own
#include "board/cells.h"

// std
#include <array>
#include <optional>
#include <string>

// The rules that decide where a tile goes on the line of play, shared by the
// placement and by the mark that shows where a held tile would go.
namespace pipstone {

namespace detail {

inline bool inUpperRegion(float l, float t)
{
    return (1080 < l && l < 6000 && 1000 < t && t <= 4550) || (l >= 6000 && 1000 < t && t < 4000);
}

inline bool inLowerRegion(float l, float t)
{
    return (l > 6900 && 4000 <= t && t < 7485) || (1080 < l && l <= 6900 && 4450 < t && t < 7485);
}

} // namespace detail

// The end a tile lying with its first half's top-left corner at (left, top)
// goes to: the upper part of the board is the left end, the lower part the
// right end, and where both hold the upper wins. None outside both. Inline,
// so that the answer stays in registers: every move of a drag asks it.
inline std::optional<Arm> endForDrop(float left, float top)
{
    if (detail::inUpperRegion(left, top))
        return Arm::Left;
    if (detail::inLowerRegion(left, top))
        return Arm::Right;
    return std::nullopt;
}

// One row of an end's table: on a cell with this tag, when the named half of
// the tile equals the open end, that half goes against the chain and the tile
// is laid with this orientation code.
struct EndRule {
    int cellTag;
    bool firstHalfMatches; // mu = end (else md = end)
    int code;
};

namespace detail {

// The tables of the two ends, each tag's two rows side by side, the first
// half's before the second's (end_rules.cpp).
extern const std::array<EndRule, 6> kRightEnd, kLeftEnd;

// Whether two pip texts read alike; most hold a single digit, compared
// without a library call.
inline bool samePips(const std::string &a, const std::string &b)
{
    if (a.size() == 1 && b.size() == 1)
        return a[0] == b[0];
    return a == b;
}

} // namespace detail

// The first row of the arm's table that lays the tile with halves `first` and
// `second` on a cell with `cellTag` at the open pip `end`; pips compare as
// texts. Null when no row holds. Inline, as the drag asks it at every move.
inline const EndRule *endRuleFor(Arm arm, int cellTag, const std::string &first, const std::string &second,
                                 const std::string &end)
{
    // A tag names its pair of rows and the halves pick the row.
    const EndRule *pair = (arm == Arm::Right ? detail::kRightEnd : detail::kLeftEnd).data();
    switch (cellTag) {
    case kFlatCell:
        break;
    case kCornerCell:
        pair += 2;
        break;
    case kBackCell:
        pair += 4;
        break;
    default:
        return nullptr;
    }
    if (detail::samePips(first, end))
        return pair;
    if (detail::samePips(second, end))
        return pair + 1;
    return nullptr;
}

} // namespace pipstone
