#include "board/end_rules.h"

// std
#include <array>

namespace pipstone {

namespace detail {

// The right end runs rightwards on its first cells, the left end leftwards,
// so the same cell tag asks for opposite codes on the two arms.
constexpr std::array<EndRule, 6> kRightEnd{{
    {kFlatCell, true, 4},
    {kFlatCell, false, 2},
    {kCornerCell, true, 1},
    {kCornerCell, false, 3},
    {kBackCell, true, 2},
    {kBackCell, false, 4},
}};

constexpr std::array<EndRule, 6> kLeftEnd{{
    {kFlatCell, true, 2},
    {kFlatCell, false, 4},
    {kCornerCell, true, 3},
    {kCornerCell, false, 1},
    {kBackCell, true, 4},
    {kBackCell, false, 2},
}};

} // namespace detail

namespace {

// The rows of a table, two by two: one cell tag, the first half's row first.
constexpr bool pairedByTag(const std::array<EndRule, 6> &table)
{
    constexpr int kTags[] = {kFlatCell, kCornerCell, kBackCell};
    for (int k = 0; k < 3; ++k) {
        const EndRule &a = table[2 * k], &b = table[2 * k + 1];
        if (a.cellTag != kTags[k] || b.cellTag != kTags[k] || !a.firstHalfMatches || b.firstHalfMatches)
            return false;
    }
    return true;
}
static_assert(pairedByTag(detail::kRightEnd) && pairedByTag(detail::kLeftEnd));

} // namespace

} // namespace pipstone
