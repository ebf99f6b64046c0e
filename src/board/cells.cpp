#include "board/cells.h"

// own
#include "state/text_number.h"

namespace pipstone {

namespace {

struct CellPlace {
    float left;
    float top;
    int tag;
};

// The left arm runs left from the opening tile, turns up at the left edge,
// right across the board, up at the right edge and left along the top.
// Cells 4 and 27 break the 900 step.
CellPlace leftArm(int k)
{
    if (k <= 3)
        return {4875.0f - 900 * k, 4020, kFlatCell};
    if (k == 4)
        return {1245, 4020, kFlatCell};
    if (k == 5)
        return {1200, 3135, kCornerCell};
    if (k <= 16)
        return {1695.0f + 900 * (k - 6), 3135, kBackCell};
    if (k == 17)
        return {11145, 2235, kCornerCell};
    if (k <= 26)
        return {10245.0f - 900 * (k - 18), 2235, kFlatCell};
    return {2160, 2235, kFlatCell};
}

// The right arm runs right, turns down at the right edge, left across the
// board, down at the left edge and right along the bottom.
CellPlace rightArm(int k)
{
    if (k <= 4)
        return {7095.0f + 900 * k, 4020, kFlatCell};
    if (k == 5)
        return {11145, 4515, kCornerCell};
    if (k <= 16)
        return {10245.0f - 900 * (k - 6), 4950, kBackCell};
    if (k == 17)
        return {1200, 5445, kCornerCell};
    return {1695.0f + 900 * (k - 18), 5850, kFlatCell};
}

} // namespace

Shape cellShape(Arm arm, int k)
{
    const CellPlace place = arm == Arm::Left ? leftArm(k) : rightArm(k);
    Shape cell;
    cell.Left = place.left;
    cell.Top = place.top;
    const bool upright = place.tag == kCornerCell;
    cell.Width = upright ? 495 : 900;
    cell.Height = upright ? 900 : 495;
    cell.Tag = toText(place.tag);
    cell.Visible = false;
    cell.BorderColor = Rgb{0, 0, 0};
    cell.BorderWidth = 2;
    cell.filled = false;
    return cell;
}

} // namespace pipstone
