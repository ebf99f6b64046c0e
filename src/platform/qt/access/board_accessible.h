#pragma once

// Room: access. What a screen reader finds and hears: the board's
// accessible objects, the narrator that puts the game's happenings into
// words, and the announcer that hands them to the screen reader.

// Qt
#include <QString>

class QObject;
class QAccessibleInterface;

namespace pipstone {

class GameCanvas;
class Narrator;

// The board as a screen reader sees it: the canvas is one accessible object
// whose children are the status line, the turn, the open ends, the stock, the
// computer's tiles, both scores and the list "Your tiles" with each tile of
// the player's row. They read the game state and never change it. The three
// push buttons are accessible as Qt makes every button; the window is a
// frame.

// The accessible objects of the canvas and the window; Qt asks for them
// through the factory.
QAccessibleInterface *boardAccessibleFactory(const QString &className, QObject *object);

// Installs the factory, and has a focus that Qt gives the canvas passed on to
// the chosen tile. Once per program.
void installBoardAccessibility();

// Tells a listening screen reader of a new tile under the chosen-tile frame,
// by giving it the focus, also when its place in the row stays the same.
void followChosenTile(GameCanvas &canvas, Narrator &narrator);

// Tells a listening screen reader the narrator's news, as one line announced
// on the object that has the focus (after a new tile under the frame has
// taken it), and, after a message box, on the window as well.
void tellNews(GameCanvas &canvas, Narrator &narrator, bool afterBox);

// Has the narrator's news told in the message box about to open, once
// something in it has the focus. A reader drops a focus change when a box
// takes the focus at once, and one that has just left a box has not followed
// the board yet when the next box opens; either would hear nothing said on
// the board, but every reader follows the box. The box closing first leaves
// the news with the board: forgetNewsForBox.
void tellNewsInNextBox(GameCanvas &canvas, Narrator &narrator);
void forgetNewsForBox();

} // namespace pipstone
