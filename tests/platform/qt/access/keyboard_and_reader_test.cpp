// The game without a mouse: whole hands played with key events sent through
// the window system, message boxes answered with Enter, the invariants
// checked after every key and every wait. And the board as a screen reader
// finds it: the accessible tree and what it announces.

// own
#include "platform/qt/live_game.h"
#include "platform/qt/access/board_accessible.h"
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

// Events the board sends, as a screen reader would hear them.
std::vector<std::pair<QAccessible::Event, QString>> heard;
void listen(QAccessibleEvent *event)
{
    if (QAccessibleInterface *iface = event->accessibleInterface())
        if (iface->role() == QAccessible::StatusBar || event->type() == QAccessible::Focus)
            heard.emplace_back(event->type(), iface->text(QAccessible::Name));
}

bool heardName(QAccessible::Event type, const QString &part)
{
    return std::any_of(heard.begin(), heard.end(),
                       [&](const auto &e) { return e.first == type && e.second.contains(part); });
}

TEST_F(KeysOnly, AScreenReaderFindsTheBoardAndHearsTheMoves)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&live.window());
    ASSERT_NE(window, nullptr);
    std::vector<QString> names, rowDescriptions;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        names.push_back(child->text(QAccessible::Name));
        for (int j = 0; j < child->childCount(); ++j) {
            names.push_back(child->child(j)->text(QAccessible::Name));
            if (child->child(j)->role() == QAccessible::ListItem)
                rowDescriptions.push_back(child->child(j)->text(QAccessible::Description));
        }
    }
    std::vector<QString> expected{"New Game", "Cheat Comp.", "Get Card", "Status: Your Turn", "no tile yet",
                                  "stock 14 tiles", "computer holds 7 tiles", "computer score 000",
                                  "player score 000"};
    const std::vector<int> row = playerRow(s());
    ASSERT_EQ(row.size(), 7u);
    for (int slot : row)
        expected.push_back(QString::fromStdString(s().lcard[slot].Tag + " and " + s().rcard[slot].Tag));
    for (const QString &name : expected)
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name.toStdString();
    EXPECT_EQ(rowDescriptions.front(), "tile 1 of 7");
    EXPECT_EQ(rowDescriptions.back(), "tile 7 of 7");

    heard.clear();
    listenToBoardEvents(listen);
    key(Qt::Key_Right); // the first key names the first tile
    EXPECT_TRUE(heardName(QAccessible::Focus, QString::fromStdString(s().lcard[row[0]].Tag + " and ")));
    key(Qt::Key_Up); // opens
    EXPECT_TRUE(heardName(QAccessible::NameChanged, "Computer's turn"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return myMove(); }, 15000));
    listenToBoardEvents(nullptr);
    EXPECT_TRUE(heardName(QAccessible::NameChanged, "Computer plays"));
    EXPECT_TRUE(heardName(QAccessible::NameChanged, "Your turn, left end " + QString::fromStdString(s().cu)));
    EXPECT_TRUE(heardName(QAccessible::Alert, "Your turn"));
}

} // namespace
} // namespace pipstone::testing
