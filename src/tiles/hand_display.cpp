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

[[gnu::hot]] void GameWindow::showTile(int n)
{
    if (n < 1 || n > kSlots || !s_.lcard[n].exists)
        return;
    Picture &first = s_.lcard[n];
    Picture &second = s_.rcard[n];
    // Painting the window moves nothing, so the place read here holds
    // throughout.
    const float top = first.Top;
    const bool showsFace = top >= kComputerRowBottom && first.Left > kStockColumnRight;
    // Only a tile past the stock and between the rows lies on the board.
    const bool onBoard = showsFace && top > kComputerRowBottom && top < kPlayerRowLine;

    // The flying tile shows the faces only to the player, or once revealed.
    const auto showMovingTile = [this](int upper, int lower) {
        const bool faces = isYourTurn(s_.lStatus.Caption) || s_.creveal == 1;
        s_.Cover.CoverU = faces ? upper : kBackPicture;
        s_.Cover.CoverD = faces ? lower : kBackPicture;
    };

    if (!showsFace) {
        first.picture = second.picture = kBackPicture;
        first.Enabled = second.Enabled = false;
        showMovingTile(kBackPicture, kBackPicture);
        return;
    }
    const int firstFace = uprightFace(readInt(first.Tag));
    const int secondFace = uprightFace(readInt(second.Tag));
    // The step to the quarter-turned faces (taken where facemul asks for
    // it): none in the player's row or while a corner cell shows, one above
    // that row, and a tile low in the window but off the row keeps the step
    // it had.
    int faceset = top < kPlayerRowLine ? 9 : top == kPlayerRowTop ? 0 : s_.faceset;
    if (s_.Shl[5].Visible || s_.Shl[17].Visible || s_.Shr[5].Visible || s_.Shr[17].Visible)
        faceset = 0;
    s_.faceset = faceset;
    const int step = s_.facemul * faceset;
    first.picture = step + firstFace;
    second.picture = step + secondFace;
    platform_.repaintNow();
    showMovingTile(step + firstFace, step + secondFace);

    // On the board the faces turn with the tile's layout, after the moving
    // tile took the faces shown above.
    if (onBoard) {
        const int turned = second.Top == top ? kTurnedOffset : 0;
        s_.faceset = turned;
        first.picture = turned + firstFace;
        second.picture = turned + secondFace;
        auto showing = activity_.mark(OneThingAtATime::Work::Showcards);
        pump();
    }
}

} // namespace pipstone
