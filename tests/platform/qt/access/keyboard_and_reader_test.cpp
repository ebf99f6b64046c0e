// The game without a mouse: whole hands played with key events sent through
// the window system, message boxes answered with Enter, the invariants
// checked after every key and every wait. And the board as a screen reader
// finds it: the accessible tree, its focus and the tiles in their list.

// own
#include "platform/qt/live_game.h"
#include "support/invariants.h"
#include "tiles/player_row.h"

// Qt
#include <QAccessible>
#include <QWindow>

// std
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pipstone::testing {
namespace {

class KeysOnly : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(live.start());
        boxes.note = [this](const std::string &what) {
            if (what.find("Win That Game") != std::string::npos || what.find("Game Is Draw") != std::string::npos)
                ++handsScored;
        };
        // The user answers every box with Enter.
        enter.setInterval(5);
        QObject::connect(&enter, &QTimer::timeout, [] {
            if (auto *box = openBox())
                QTest::keyClick(box, Qt::Key_Return);
        });
        enter.start();
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(live.window().windowHandle(), k, modifiers);
        checkInvariants();
    }

    void checkInvariants()
    {
        const auto problems = invariants.check(live.game, boxes.mostOpen());
        EXPECT_EQ(problems, std::vector<std::string>{});
        sound = sound && problems.empty();
    }

    GameState &s() { return live.s(); }
    bool myMove() { return s().lStatus.Caption == kYourTurn && !live.game.activity().busy() && !live.game.closed(); }

    // Tries every tile of the row at both ends; with none that fits, draws.
    void playOneTurn()
    {
        const std::string before = s().pno + s().lStatus.Caption;
        const auto moved = [&] { return s().pno + s().lStatus.Caption != before || !myMove(); };
        key(Qt::Key_Home);
        const std::size_t tiles = playerRow(s()).size();
        for (std::size_t i = 0; i < tiles && !moved(); ++i) {
            key(Qt::Key_Up);
            if (!moved())
                key(Qt::Key_Down);
            if (!moved())
                key(Qt::Key_Right);
        }
        if (moved())
            return;
        // Get Card follows the turn at the next tick of the turn timer.
        QTest::qWait(150);
        if (myMove() && s().PushButton3.Enabled)
            key(Qt::Key_G);
    }

    LiveGame live{20250101};
    BoxWatch boxes{[] { return 1 << 30; }}; // counts the boxes; Enter answers them
    QTimer enter;
    test::InvariantChecker invariants;
    int handsScored = 0;
    bool sound = true;
};

TEST_F(KeysOnly, PlaysAWholeHandToItsScore)
{
    QElapsedTimer clock;
    clock.start();
    while (handsScored < 1 && sound && clock.elapsed() < 120000 && !live.game.closed()) {
        if (myMove())
            playOneTurn();
        else
            QTest::qWait(20);
        checkInvariants();
    }
    EXPECT_EQ(handsScored, 1);
    EXPECT_LE(boxes.mostOpen(), 1);
}

// The board as a screen reader finds it: a frame holding the buttons and the
// board, whose items each have a place on the screen, and the player's tiles
// in a list of their own.
TEST_F(KeysOnly, AScreenReaderFindsTheBoard)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&live.window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    std::vector<QString> names;
    QAccessibleInterface *tiles = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        names.push_back(child->text(QAccessible::Name));
        for (int j = 0; j < child->childCount(); ++j) {
            QAccessibleInterface *item = child->child(j);
            names.push_back(item->text(QAccessible::Name));
            if (item->role() == QAccessible::List)
                tiles = item;
            else
                EXPECT_FALSE(item->rect().isEmpty()) << item->text(QAccessible::Name).toStdString();
        }
    }
    const std::vector<QString> expected{"New Game",       "Cheat Comp.",           "Get Card",
                                        "Status: Your Turn", "no tile yet",        "stock 14 tiles",
                                        "computer holds 7 tiles", "computer score 000", "player score 000",
                                        "Your tiles"};
    for (const QString &name : expected)
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name.toStdString();

    ASSERT_NE(tiles, nullptr);
    const std::vector<int> row = playerRow(s());
    ASSERT_EQ(tiles->childCount(), 7);
    for (int i = 0; i < 7; ++i) {
        QAccessibleInterface *tile = tiles->child(i);
        EXPECT_EQ(tile->role(), QAccessible::ListItem);
        EXPECT_EQ(tile->text(QAccessible::Name),
                  QString::fromStdString(s().lcard[row[i]].Tag + " and " + s().rcard[row[i]].Tag));
        EXPECT_EQ(tiles->indexOfChild(tile), i);
        EXPECT_EQ(tile->parent(), tiles);
    }

    // The chosen tile is the board's focus; once played, the tile that
    // closes up under the frame is another object.
    QAccessibleInterface *board = tiles->parent();
    EXPECT_EQ(board->focusChild(), nullptr);
    key(Qt::Key_Right);
    QAccessibleInterface *first = board->focusChild();
    ASSERT_EQ(first, tiles->child(0));
    key(Qt::Key_Up); // opens
    ASSERT_EQ(tiles->childCount(), 6);
    EXPECT_EQ(board->focusChild(), tiles->child(0));
    EXPECT_NE(QAccessible::uniqueId(board->focusChild()), QAccessible::uniqueId(first));
}

} // namespace
} // namespace pipstone::testing
