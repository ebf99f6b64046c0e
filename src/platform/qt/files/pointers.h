#pragma once

// own
#include "platform/qt/files/cursor_file.h"
#include "state/game_state.h"

// Qt
#include <QCursor>

// The window's mouse pointers: the custom pointer read from a cursor file
// (cursor_file.h), and the grabbing hand that the first half of every tile
// shows.
namespace pipstone {

// The grabbing-hand picture of the tile template as a pointer.
QCursor grabbingHandCursor();

// Whether the pointer at window position (x, y) in twips rests on the first
// half of a tile that shows the grabbing hand: the topmost half there that
// takes the mouse decides.
bool showsGrabbingHand(const GameState &state, float x, float y);

} // namespace pipstone
