// The pictures of a tile follow from where it lies: backs in the stock and in
// the computer's row, faces in the player's row, faces turned to match its
// layout on the board.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/text_number.h"
#include "tiles/pictures.h"

namespace pipstone {

[[gnu::hot]] void GameWindow::showcards()
{
    const int n = readInt(s_.Text1);
    if (n < 1 || n > kSlots || !s_.lcard[n].exists)
        return;
    Picture &first = s_.lcard[n];
    Picture &second = s_.rcard[n];
    const int firstPips = readInt(first.Tag);
    const int secondPips = readInt(second.Tag);

    if (first.Top >= kComputerRowBottom && first.Left > kStockColumnRight) {
        if (first.Top == kPlayerRowTop)
            s_.faceset = 0;
        if (first.Top < kPlayerRowLine)
            s_.faceset = 9;
        if (s_.Shl[5].Visible || s_.Shl[17].Visible || s_.Shr[5].Visible || s_.Shr[17].Visible)
            s_.faceset = 0;
        first.picture = s_.facemul * s_.faceset + firstPips + 1;
        second.picture = s_.facemul * s_.faceset + secondPips + 1;
        platform_.repaintNow();
    } else {
        first.picture = second.picture = kBackPicture;
        first.Enabled = second.Enabled = false;
    }

    if (isYourTurn(s_.lStatus.Caption) || s_.creveal == 1) {
        s_.Cover.CoverU = first.picture;
        s_.Cover.CoverD = second.picture;
    } else {
        s_.Cover.CoverU = s_.Cover.CoverD = kBackPicture;
    }

    if (first.Top < kPlayerRowLine && first.Top > kComputerRowBottom && first.Left > kStockColumnRight) {
        s_.faceset = second.Top == first.Top ? kTurnedOffset : 0;
        first.picture = s_.faceset + firstPips + 1;
        second.picture = s_.faceset + secondPips + 1;
        auto showing = activity_.mark(OneThingAtATime::Work::Showcards);
        pump();
    }
}

} // namespace pipstone
