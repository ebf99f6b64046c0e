// "Cheat Comp." shows the computer's hand face up for a second. The hidden
// check box is the switch: its handler turns exactly the tiles named in the
// computer's hand list, and changes nothing but their pictures.

// own
#include "app/game_window.h"
#include "app/timing.h"
#include "state/text_number.h"
#include "tiles/pictures.h"

namespace pipstone {

void GameWindow::PushButton2_Click()
{
    if (cheatRunning_)
        return; // the view is already up
    cheatRunning_ = true;
    setShowcomppic(1);
    try {
        Delay(timing::kCheatViewWait);
    } catch (const StepAborted &) {
        // New Game or closing ended the view: the old hand is gone, so only
        // the switch goes back.
        s_.Showcomppic = 0;
        cheatRunning_ = false;
        throw;
    }
    setShowcomppic(0);
    cheatRunning_ = false;
}

void GameWindow::setShowcomppic(int value)
{
    if (s_.Showcomppic == value)
        return;
    s_.Showcomppic = value;
    Showcomppic_Click();
}

void GameWindow::Showcomppic_Click()
{
    for (const std::string &item : s_.List1) {
        const int n = readInt(item);
        if (n < 1 || n > kSlots || !s_.lcard[n].exists)
            continue;
        if (s_.Showcomppic == 1) {
            s_.lcard[n].picture = uprightFace(readInt(s_.lcard[n].Tag));
            s_.rcard[n].picture = uprightFace(readInt(s_.rcard[n].Tag));
        } else {
            s_.lcard[n].picture = s_.rcard[n].picture = kBackPicture;
        }
    }
}

} // namespace pipstone
