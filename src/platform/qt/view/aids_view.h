#pragma once

// own
#include "state/game_state.h"

// Qt
#include <QRegion>
#include <QTimer>

// std
#include <functional>
#include <vector>

class QPainter;

namespace pipstone {

// The player's aids as the canvas paints them, above everything else: the
// frame of the tile chosen with the keyboard, the mark on the cell a held tile
// would fill (in the player's colour), and one short flash of the frame of a
// tile whose drop was refused. The mark lies under every tile, the held one
// above all: where a tile covers it, the tile shows whole. Without a key pressed or a tile held nothing
// shows, so the board looks exactly as it does without them.
class AidsView {
public:
    // `changed` runs when the flash ends, so the canvas can repaint.
    explicit AidsView(std::function<void()> changed);

    // Takes in the state; returns the area to paint again (empty when the
    // marks are those painted last).
    QRegion refresh(const GameState &state);
    void paint(QPainter &painter) const;

    struct Mark {
        float Left, Top, Width, Height;
        Rgb color;
        bool underTiles = false;
        bool operator==(const Mark &) const = default;
    };

private:
    std::vector<Mark> marksOf(const GameState &state) const;

    std::vector<Mark> shown_;
    QRegion tiles_; // what the tiles cover of a mark that lies under them
    QTimer flash_;
    int refusalsSeen_ = 0;
    int flashSlot_ = 0;
};

} // namespace pipstone
