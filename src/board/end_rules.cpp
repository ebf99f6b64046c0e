#include "board/end_rules.h"

// std
#include <array>

namespace pipstone {

namespace {

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
static_assert(pairedByTag(kRightEnd) && pairedByTag(kLeftEnd));

// Whether two pip texts read alike; most hold a single digit, compared
// without a library call.
bool samePips(const std::string &a, const std::string &b)
{
    if (a.size() == 1 && b.size() == 1)
        return a[0] == b[0];
    return a == b;
}

} // namespace

const EndRule *endRuleFor(Arm arm, int cellTag, const std::string &first, const std::string &second,
                          const std::string &end)
{
    // Each tag has its two rows side by side, the first half's before the
    // second's, so a tag names its pair and the halves pick the row.
    const EndRule *pair = (arm == Arm::Right ? kRightEnd : kLeftEnd).data();
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
    if (samePips(first, end))
        return pair;
    if (samePips(second, end))
        return pair + 1;
    return nullptr;
}

} // namespace pipstone
