// The pictures of a tile follow from where it lies: backs in the stock and in
// the computer's row, faces in the player's row, faces turned to match its
// layout on the board.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/text_number.h"
#include "tiles/pictures.h"

namespace pipstone {

void GameWindow::showcards()
{
    showTile(readInt(s_.Text1));
}

void GameWindow::showTile(int n)
{
    if (n >= 1 && n <= kSlots && s_.lcard[n].exists)
        showHalves(s_.lcard[n], s_.rcard[n]);
}

// The display itself works on the two halves, found once from the slot.
[[gnu::hot]] void GameWindow::showHalves(Picture &first, Picture &second)
{
    const float top = first.Top;
    if (!(top >= kComputerRowBottom && first.Left > kStockColumnRight)) {
        // In the stock or the computer's row: backs, and so is the flying
        // tile's.
        first.picture = second.picture = kBackPicture;
        first.Enabled = second.Enabled = false;
        s_.Cover.CoverU = kBackPicture;
        s_.Cover.CoverD = kBackPicture;
        return;
    }
    // The step to the quarter-turned faces (taken where facemul asks for
    // it): none in the player's row or while a corner cell shows, one above
    // that row, and a tile low in the window but off the row keeps the step
    // it had.
    int faceset = top < kPlayerRowLine ? 9 : top == kPlayerRowTop ? 0 : s_.faceset;
    if (s_.Shl[5].Visible || s_.Shl[17].Visible || s_.Shr[5].Visible || s_.Shr[17].Visible)
        faceset = 0;
    s_.faceset = faceset;
    const int step = s_.facemul * faceset;
    first.picture = step + uprightFace(readInt(first.Tag));
    second.picture = step + uprightFace(readInt(second.Tag));
    platform_.repaintNow();

    // Painting the window changes nothing, so what follows reads the tile's
    // place and pictures again rather than keep them across the paint. The
    // flying tile shows the faces only to the player, or once revealed.
    const bool faces = isYourTurn(s_.lStatus.Caption) || s_.creveal == 1;
    s_.Cover.CoverU = faces ? int{first.picture} : kBackPicture;
    s_.Cover.CoverD = faces ? int{second.picture} : kBackPicture;

    // On the board (between the rows) the faces turn with the tile's layout,
    // after the moving tile took the faces shown above.
    const float onTop = first.Top;
    if (onTop > kComputerRowBottom && onTop < kPlayerRowLine) {
        const int turned = second.Top == onTop ? kTurnedOffset : 0;
        s_.faceset = turned;
        first.picture = turned + uprightFace(readInt(first.Tag));
        second.picture = turned + uprightFace(readInt(second.Tag));
        auto showing = activity_.mark(OneThingAtATime::Work::Showcards);
        pump();
    }
}

} // namespace pipstone
