#pragma once

// own
#include "state/game_state.h"

// Qt
#include <QWidget>

namespace pipstone::bench {

// The game's window without the game: the same size and white background,
// the seven labels of a fresh deal painted with the game's fonts, and the
// three push buttons with their captions and fonts. The fair baseline for
// start-up and memory, since every window that shows text pays for its fonts.
class TextWindow : public QWidget {
public:
    TextWindow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GameState fields_; // only its labels and buttons are used
};

} // namespace pipstone::bench
