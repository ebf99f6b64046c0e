// Where a held tile would go if the player let go of it now. The answer
// follows the release and the placement test for test, and changes nothing,
// so the window can mark the cell while the tile moves.

// own
#include "app/game_window.h"
#include "board/end_rules.h"
#include "state/places.h"
#include "state/text_number.h"

namespace pipstone {

std::optional<DropTarget> GameWindow::dropTargetAt(int slot, float left, float top) const
{
    const auto yoursToLay = [this] { return isYourTurn(s_.lStatus.Caption) && !handIsOver(); };
    if (slot < 1 || slot > kSlots || top > kHandLine)
        return std::nullopt;
    // Where the tile is and whether it fits there are asked first: a tile
    // that fits no end goes nowhere, whoever's turn it is.
    if (readInt(s_.first[0]) == 0)
        return yoursToLay() ? std::optional(DropTarget{.opening = true}) : std::nullopt;
    const auto arm = endForDrop(left, top);
    if (!arm)
        return std::nullopt;
    const bool right = *arm == Arm::Right;
    const NumberText &firstHalf = s_.lcard[slot].Tag, &secondHalf = s_.rcard[slot].Tag;
    const NumberText &end = right ? s_.cd : s_.cu;
    // Pips that read as another number than the end's are other pips: a tile
    // with neither half reading as the end fits no cell of it, which most
    // moves find without reading the cell.
    if (firstHalf.whole() != end.whole() && secondHalf.whole() != end.whole())
        return std::nullopt;
    const int k = readInt(right ? s_.first[1] : s_.first[2]);
    if (k < 0 || k >= kCells)
        return std::nullopt;
    const Shape &cell = right ? s_.Shr[k] : s_.Shl[k];
    if (!endRuleFor(*arm, readInt(cell.Tag), firstHalf, secondHalf, end) || !yoursToLay())
        return std::nullopt;
    return DropTarget{.opening = false, .arm = *arm, .cell = k};
}

} // namespace pipstone
