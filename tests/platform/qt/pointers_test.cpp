// own
#include "platform/qt/pointers.h"
#include "qt_test_support.h"

// Qt
#include <QPixmap>
#include <QTemporaryDir>

// std
#include <gtest/gtest.h>

#include <functional>

namespace pipstone {
namespace {

TEST(CursorFile, TheBuiltHandPointsWithItsFingertip)
{
    const QString path = testing::builtAsset(QStringLiteral("HAND-M.CUR"));
    ASSERT_FALSE(path.isEmpty());
    const std::optional<QCursor> cursor = loadCursorFile(path);
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor->hotSpot(), QPoint(5, 0));
    EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
}

TEST(CursorFile, FilesThatAreNoCursorAreRefused)
{
    QFile built(testing::builtAsset(QStringLiteral("HAND-M.CUR")));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray cursor = built.readAll();
    QByteArray icon = cursor;
    icon[2] = 1; // an icon file, not a cursor

    const std::vector<std::pair<const char *, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"header cut short", cursor.left(10)},
        {"icon", icon},
        {"picture cut off", cursor.left(40)},
        {"text", QByteArray("not a cursor at all, just some words")},
    };
    QTemporaryDir folder;
    for (const auto &[name, bytes] : cases) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        EXPECT_FALSE(loadCursorFile(path).has_value()) << name;
    }
    EXPECT_FALSE(loadCursorFile(folder.filePath(QStringLiteral("missing.cur"))).has_value());
}

TEST(GrabbingHand, IsThePictureOfTheTileTemplate)
{
    const QCursor hand = grabbingHandCursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    const QRect picture(0, 0, 32, 32);
    EXPECT_TRUE(picture.contains(hand.hotSpot()));
}

void placeHalf(Picture &half, float left, float top, bool handPointer, long z)
{
    half.exists = true;
    half.Visible = true;
    half.Left = left;
    half.Top = top;
    half.handPointer = handPointer;
    half.z = z;
}

struct PointerCase {
    const char *name;
    std::function<void(GameState &)> change;
    float x, y;
    bool hand;
};

TEST(GrabbingHand, ShowsOverTheFirstHalfOfATileThatTakesTheMouse)
{
    // Slot 3 stands upright in the player's row: first half at 2000, 7675.
    const std::vector<PointerCase> cases = {
        {"first half", [](GameState &) {}, 2200, 7800, true},
        {"its left edge", [](GameState &) {}, 2000, 7675, true},
        {"just past its right edge", [](GameState &) {}, 2405, 7800, false},
        {"second half", [](GameState &) {}, 2200, 8200, false},
        {"empty table", [](GameState &) {}, 6000, 3000, false},
        {"disabled half", [](GameState &s) { s.lcard[3].Enabled = false; }, 2200, 7800, false},
        {"hidden half", [](GameState &s) { s.lcard[3].Visible = false; }, 2200, 7800, false},
        {"destroyed slot", [](GameState &s) { s.lcard[3].exists = false; }, 2200, 7800, false},
        {"covered by another tile's second half",
         [](GameState &s) { placeHalf(s.rcard[9], 2100, 7700, false, 5); }, 2200, 7800, false},
        {"another tile lying underneath",
         [](GameState &s) { placeHalf(s.rcard[9], 2100, 7700, false, -5); }, 2200, 7800, true},
        {"a disabled half on top lets it through",
         [](GameState &s) {
             placeHalf(s.rcard[9], 2100, 7700, false, 5);
             s.rcard[9].Enabled = false;
         },
         2200, 7800, true},
    };
    for (const PointerCase &c : cases) {
        GameState s;
        placeHalf(s.lcard[3], 2000, 7675, true, 1);
        placeHalf(s.rcard[3], 2000, 8095, false, 1);
        c.change(s);
        EXPECT_EQ(showsGrabbingHand(s, c.x, c.y), c.hand) << c.name;
    }
}

} // namespace
} // namespace pipstone
