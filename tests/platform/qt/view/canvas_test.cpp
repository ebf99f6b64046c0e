// own
#include "platform/qt/view/tile_pictures.h"
#include "platform/qt/qt_test_support.h"

// Qt
#include <QMouseEvent>

namespace pipstone::testing {
namespace {

using Canvas = WindowTest;

TEST_F(Canvas, PaintsTilesAndLabelsWhereTheStateHasThemAndOnlyWhenWhatShowsChanged)
{
    show();
    const QImage before = picture();
    showHalf(state.lcard[1], 3000, 3000).picture = kBackPicture;
    state.lblStatusBar.Caption = "Playing 5 | 6"; // at 3285, 8910: 219, 594 pixels
    state.AvCmove = "4";
    EXPECT_TRUE(canvas().refresh());
    const QImage after = picture();
    EXPECT_EQ(before.pixelColor(205, 205), Qt::white);
    EXPECT_EQ(after.pixelColor(205, 205), tilePictureImage(kBackPicture, 27).pixelColor(5, 5));
    EXPECT_NE(after.pixelColor(205, 205), Qt::white);
    EXPECT_TRUE(before.copy(QRect(219, 594, 150, 25)) != after.copy(QRect(219, 594, 150, 25)));
    EXPECT_TRUE(before.copy(QRect(600, 594, 100, 25)) == after.copy(QRect(600, 594, 100, 25)));
    state.AvCmove = "5";
    EXPECT_FALSE(canvas().refresh());
    state.lStatus.Caption = "Status: Your Turn";
    EXPECT_TRUE(canvas().refresh());
    EXPECT_FALSE(canvas().refresh());
}

TEST_F(Canvas, MouseEventsReachTheGameInTwipsWithButtonAndShiftCodes)
{
    show();
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        int code, shift;
    } clicks[] = {
        {Qt::LeftButton, Qt::NoModifier, 1, 0},
        {Qt::LeftButton, Qt::ShiftModifier, 1, 1},
        {Qt::RightButton, Qt::ControlModifier, 2, 2},
        {Qt::MiddleButton, Qt::AltModifier | Qt::ShiftModifier, 4, 5},
    };
    for (const auto &c : clicks) {
        events.mouse.clear();
        QTest::mousePress(&canvas(), c.button, c.modifiers, QPoint(140, 520));
        QTest::mouseRelease(&canvas(), c.button, c.modifiers, QPoint(141, 522));
        EXPECT_EQ(events.mouse, (std::vector<MouseCall>{{'d', 2100, 7800, c.code, c.shift},
                                                        {'u', 2115, 7830, c.code, c.shift}}))
            << c.code << " " << c.shift;
    }
    // A move carries the sum of the buttons held.
    const std::pair<Qt::MouseButtons, int> moves[] = {
        {Qt::NoButton, 0}, {Qt::LeftButton, 1}, {Qt::RightButton, 2}, {Qt::LeftButton | Qt::MiddleButton, 5}};
    for (const auto &[held, code] : moves) {
        events.mouse.clear();
        const QPointF at(400.5, 300);
        QMouseEvent move(QEvent::MouseMove, at, canvas().mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas(), &move);
        EXPECT_EQ(events.mouse, (std::vector<MouseCall>{{'m', 6007.5f, 4500, code, 0}})) << code;
    }
}

TEST_F(Canvas, TheGrabbingHandShowsOverAFirstHalf)
{
    show();
    showHalf(state.lcard[2], 3000, 7675).handPointer = true;
    platform.stateChanged();
    QTest::mouseMove(&canvas(), QPoint(210, 520));
    EXPECT_EQ(canvas().cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(&canvas(), QPoint(400, 300));
    EXPECT_EQ(canvas().cursor().shape(), Qt::ArrowCursor);
}

// The mark on the opening spot while the opening tile is held across its top
// and bottom edges, and on a right-arm cell with a tile lying partly over it:
// wherever a tile lies, the tile shows exactly as without the mark, and the
// mark still shows in the player's blue around it.
TEST_F(Canvas, TheDropMarkNeverCoversATile)
{
    const struct {
        const char *name;
        DropTarget target;
        float left, top; // of the first half; the second lies below it
    } cases[] = {
        {"held opening tile across the opening spot", {.opening = true}, 6250, 3700},
        {"tile over the right arm's first cell", {.arm = Arm::Right, .cell = 1}, state.Shr[1].Left - 100,
         state.Shr[1].Top - 200},
    };
    show();
    for (const auto &c : cases) {
        showHalf(state.lcard[1], c.left, c.top, 10).picture = 7;
        showHalf(state.rcard[1], c.left, c.top + 400, 11).picture = 6;
        state.aids.dropMark.reset();
        canvas().refresh();
        const QImage without = picture();
        state.aids.dropMark = c.target;
        ASSERT_TRUE(canvas().refresh()) << c.name;
        const QImage with = picture();
        const qreal ratio = with.devicePixelRatio();
        const QRect tile = QRectF(c.left / 15 * ratio, c.top / 15 * ratio, 27 * ratio, 54 * ratio).toAlignedRect();
        EXPECT_TRUE(without.copy(tile) == with.copy(tile)) << c.name << ": the mark shows over the tile";
        int blue = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                blue += !tile.contains(x, y) && with.pixelColor(x, y) == QColor(0, 0, 255) &&
                        without.pixelColor(x, y) != QColor(0, 0, 255);
        EXPECT_GT(blue, 50) << c.name << ": no mark around the tile";
    }
}

} // namespace
} // namespace pipstone::testing
