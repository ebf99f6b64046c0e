#pragma once

// Room: access. What a screen reader finds and hears: the board's
// accessible objects and the narrator that announces the game's happenings.

// Qt
#include <QString>

class QObject;
class QAccessibleEvent;
class QAccessibleInterface;

namespace pipstone {

class GameCanvas;

// The board as a screen reader sees it: the canvas is one accessible object
// whose children are the status line, the turn, the open ends, the stock, the
// computer's tiles, both scores and each tile of the player's row. They read
// the game state and never change it. The three push buttons are accessible
// as Qt makes every button.

// The accessible object of the canvas; Qt asks for it through the factory.
QAccessibleInterface *boardAccessibleFactory(const QString &className, QObject *object);

// Tells screen readers a line of what happened, on the status line.
void announceOnStatusLine(GameCanvas &canvas);

// Tells screen readers that the chosen tile of the player's row changed.
void announceChosenTile(GameCanvas &canvas);

// Qt drops accessibility events while no screen reader listens (and on the
// offscreen screen, always); a listener set here hears every event the board
// sends all the same.
using BoardEventListener = void (*)(QAccessibleEvent *);
void listenToBoardEvents(BoardEventListener listener);

} // namespace pipstone
