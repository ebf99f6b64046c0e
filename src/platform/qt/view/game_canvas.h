#pragma once

// Room: view. What the player sees: the canvas, the display list it paints
// from, the tile pictures and their cache, the drag aids, twips to pixels.

// own
#include "platform/qt/view/aids_view.h"
#include "platform/qt/view/display_list.h"
#include "platform/qt/access/narrator.h"
#include "platform/qt/view/picture_cache.h"

// Qt
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QRegion>
#include <QStaticText>
#include <QTimer>
#include <QWidget>

// std
#include <vector>

namespace pipstone {

class PlatformEvents;

// The painted part of the window: board marks, tile halves and labels, all
// drawn from the game state. Mouse events go to the game in twips; which
// tile they concern is the game's decision, not the canvas's. The canvas has
// the keyboard, and tells screen readers what happens on the board.
class GameCanvas : public QWidget {
    Q_OBJECT

public:
    explicit GameCanvas(QWidget *parent);

    void attach(PlatformEvents *events, const GameState *state);
    // Compares what the state shows with what was painted last and schedules
    // a paint when they differ; true when they did.
    bool refresh();
    // The same, left for the next refresh() or paint, whichever comes first.
    void refreshSoon();
    void setBackground(const QColor &color);

    const GameState *state() const { return state_; }
    const Narrator &narrator() const { return narrator_; }
    // Something happened in the game: a listening screen reader hears of it
    // once the game has gone on for a moment without news, all in one line,
    // or before a message box opens, whichever comes first.
    void hear(const Happening &happening);
    void tellNews();
    // A message box opens, or has closed.
    void boxOpening();
    void boxClosed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A label laid out once for as long as it shows unchanged.
    struct LaidOutText {
        QStaticText layout;
        QFont font;
        QColor color;
        QPointF at;   // top left of the text, in pixels
        QRect bounds; // where its pixels may fall
    };
    static LaidOutText layOut(const DrawnText &text);
    QRegion changedItemsArea(const DisplayList &before, const DisplayList &after) const;
    void layOutChangedTexts(const std::vector<DrawnText> &now, QRegion &area);
    void updatePointer(QPointF position);
    void newsPaused();
    void playerActs();

    PlatformEvents *events_ = nullptr;
    const GameState *state_ = nullptr;
    DisplayListBuilder builder_;
    DisplayList shown_;
    DisplayList next_; // the storage the next look builds into
    std::vector<LaidOutText> laidOut_; // one for each text of shown_
    PictureCache pictures_;
    QColor background_{Qt::white};
    QCursor grabbingHand_;
    bool showingHand_ = false;
    AidsView aids_;
    Narrator narrator_;
    QTimer newsPause_;
    bool afterBox_ = false; // a box closed since the player's last key or click
    bool refreshDue_ = false; // refreshSoon() was asked since the last refresh
};

} // namespace pipstone
