#pragma once

// own
#include "state/game_state.h"

// Qt
#include <QByteArray>
#include <QCursor>
#include <QPoint>
#include <QString>

// std
#include <optional>

// The window's mouse pointers: the custom pointer read from a cursor file,
// and the grabbing hand that the first half of every tile shows.
namespace pipstone {

// A Windows cursor file (an icon file of type 2 whose entry carries the
// hotspot), read and checked but not yet decoded.
struct CursorFile {
    QByteArray bytes;
    QPoint hotspot;
};

// Nothing when the file is missing, oversized, or not a cursor whose
// pictures lie inside it.
std::optional<CursorFile> readCursorFile(const QString &path);

// The pointer the file draws; nothing when its picture cannot be decoded.
// Decoding loads the image plugin, so the window does it only when it first
// shows the pointer.
std::optional<QCursor> toCursor(const CursorFile &file);

// The grabbing-hand picture of the tile template as a pointer.
QCursor grabbingHandCursor();

// Whether the pointer at window position (x, y) in twips rests on the first
// half of a tile that shows the grabbing hand: the topmost half there that
// takes the mouse decides.
bool showsGrabbingHand(const GameState &state, float x, float y);

} // namespace pipstone
