#pragma once

// own
#include "state/game_state.h"

// Qt
#include <QCursor>
#include <QString>

// std
#include <optional>

// The window's mouse pointers: the custom pointer read from a cursor file,
// and the grabbing hand that the first half of every tile shows.
namespace pipstone {

// A Windows cursor file (an icon file of type 2 whose entry carries the
// hotspot); nothing when the file is missing or is not a cursor.
std::optional<QCursor> loadCursorFile(const QString &path);

// The grabbing-hand picture of the tile template as a pointer.
QCursor grabbingHandCursor();

// Whether the pointer at window position (x, y) in twips rests on the first
// half of a tile that shows the grabbing hand: the topmost half there that
// takes the mouse decides.
bool showsGrabbingHand(const GameState &state, float x, float y);

} // namespace pipstone
