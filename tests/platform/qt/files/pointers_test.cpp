// own
#include "platform/qt/files/pointers.h"
#include "platform/qt/qt_test_support.h"

// Qt
#include <QPixmap>
#include <QTemporaryDir>

// std
#include <gtest/gtest.h>

#include <functional>

namespace pipstone::testing {
namespace {

TEST(CursorFile, FilesThatAreNoCursorAreRefused)
{
    const QByteArray cursor = readFile(builtAsset(QStringLiteral("HAND-M.CUR")));
    QByteArray icon = cursor;
    icon[2] = 1; // an icon file, not a cursor
    // The picture's own header (at 22) gives its size; a bitmap's height counts its mask too.
    const auto withPicture = [&](std::int32_t width, std::int32_t height) {
        QByteArray bytes = cursor;
        for (int i = 0; i < 4; ++i) {
            bytes[22 + 4 + i] = static_cast<char>(width >> 8 * i & 0xff);
            bytes[22 + 8 + i] = static_cast<char>(height >> 8 * i & 0xff);
        }
        return bytes;
    };
    QByteArray farHotspot = cursor;
    farHotspot[10] = 0;
    farHotspot[11] = 1; // 256
    const std::pair<const char *, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"header cut short", cursor.left(10)},
        {"icon", icon},
        {"picture cut off", cursor.left(40)},
        {"text", QByteArray("not a cursor at all, just some words")},
        {"a picture of 5,600 x 5,600", withPicture(5600, 11200)},
        {"a picture one wider than a pointer", withPicture(257, 64)},
        {"a picture one taller than a pointer", withPicture(32, 514)},
        {"a picture of no width", withPicture(0, 64)},
        {"a picture upside down", withPicture(32, -64)},
        {"a hotspot outside any pointer", farHotspot},
    };
    // The largest pointer passes, though it no longer decodes from a picture of 32 x 32.
    EXPECT_TRUE(parseCursorFile(withPicture(256, 512)).has_value());
    QTemporaryDir folder;
    for (const auto &[name, bytes] : cases) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(writeFile(path, bytes));
        EXPECT_FALSE(readCursorFile(path).has_value()) << name;
    }
    EXPECT_FALSE(readCursorFile(folder.filePath(QStringLiteral("missing.cur"))).has_value());
}

TEST(GrabbingHand, ShowsOverTheFirstHalfOfATileThatTakesTheMouse)
{
    const auto coverSlot3 = [](long z, bool enabled) {
        return [=](GameState &s) { showHalf(s.rcard[9], 2100, 7700, z).Enabled = enabled; };
    };
    // Slot 3 stands upright in the player's row: first half at 2000, 7675.
    const struct {
        const char *name;
        std::function<void(GameState &)> change;
        float x, y;
        bool hand;
    } cases[] = {
        {"first half", nullptr, 2200, 7800, true},
        {"its left edge", nullptr, 2000, 7675, true},
        {"just past its right edge", nullptr, 2405, 7800, false},
        {"second half", nullptr, 2200, 8200, false},
        {"empty table", nullptr, 6000, 3000, false},
        {"disabled half", [](GameState &s) { s.lcard[3].Enabled = false; }, 2200, 7800, false},
        {"hidden half", [](GameState &s) { s.lcard[3].Visible = false; }, 2200, 7800, false},
        {"destroyed slot", [](GameState &s) { s.lcard[3].exists = false; }, 2200, 7800, false},
        {"covered by another tile's second half", coverSlot3(5, true), 2200, 7800, false},
        {"another tile lying underneath", coverSlot3(-5, true), 2200, 7800, true},
        {"a disabled half on top lets it through", coverSlot3(5, false), 2200, 7800, true},
    };
    for (const auto &c : cases) {
        GameState s;
        showHalf(s.lcard[3], 2000, 7675, 1).handPointer = true;
        showHalf(s.rcard[3], 2000, 8095, 1);
        if (c.change)
            c.change(s);
        EXPECT_EQ(showsGrabbingHand(s, c.x, c.y), c.hand) << c.name;
    }
    const QCursor hand = grabbingHandCursor();
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    EXPECT_TRUE(QRect(0, 0, 32, 32).contains(hand.hotSpot()));
}

} // namespace
} // namespace pipstone::testing
