// own
#include "platform/qt/tile_pictures.h"
#include "window_fixture.h"

// Qt
#include <QMouseEvent>

namespace pipstone::testing {
namespace {

class Canvas : public WindowTest {
protected:
    QImage picture() { return platform.window().grab().toImage(); }
};

struct PixelCase {
    const char *name;
    QPoint at;
    QColor colour;
};

TEST_F(Canvas, PaintsTheBoardMarksOnWhite)
{
    show();
    const QImage image = picture();
    ASSERT_EQ(image.size() / image.devicePixelRatio(), QSize(799, 625));
    // Shape1 is the board frame at 1080, 1005 (72, 67 pixels); the computer's
    // frame Shape2(0) starts at 30, 45 (2, 3 pixels).
    const std::vector<PixelCase> cases = {
        {"background above the board", {400, 30}, Qt::white},
        {"background inside the board", {300, 200}, Qt::white},
        {"left line of the board frame", {73, 300}, Qt::black},
        {"top line of the board frame", {400, 68}, Qt::black},
        {"red frame of the computer", {3, 40}, QColor(255, 0, 0)},
        {"blue frame of the player", {3, 540}, QColor(0, 0, 255)},
        {"grey spot of the first tile", {430, 280}, QColor(224, 224, 224)},
    };
    const qreal ratio = image.devicePixelRatio();
    for (const PixelCase &c : cases)
        EXPECT_EQ(image.pixelColor(c.at * ratio), c.colour) << c.name;
}

TEST_F(Canvas, PaintsATileWhereTheStateHasIt)
{
    show();
    Picture &half = state.lcard[1];
    half.exists = true;
    half.Visible = true;
    half.Left = 3000;
    half.Top = 3000;
    half.picture = kBackPicture;
    EXPECT_EQ(picture().pixelColor(203, 210), Qt::white);
    platform.stateChanged();
    const QColor inside = picture().pixelColor(200 + 5, 200 + 5);
    EXPECT_NE(inside, Qt::white);
    EXPECT_EQ(inside, tilePictureImage(kBackPicture, 27).pixelColor(5, 5));
}

TEST_F(Canvas, RepaintsOnlyWhenWhatShowsChanged)
{
    show();
    platform.repaintNow();
    state.AvCmove = "4";
    EXPECT_FALSE(canvas().refresh());
    state.lStatus.Caption = "Status: Your Turn";
    EXPECT_TRUE(canvas().refresh());
    EXPECT_FALSE(canvas().refresh());
}

TEST_F(Canvas, LabelsAreWritten)
{
    show();
    const QImage before = picture();
    state.lblStatusBar.Caption = "Playing 5 | 6";
    platform.repaintNow();
    const QImage after = picture();
    // lblStatusBar stands at 3285, 8910: 219, 594 pixels.
    const QRect line(219, 594, 150, 25);
    EXPECT_TRUE(before.copy(line) != after.copy(line));
    EXPECT_TRUE(before.copy(QRect(600, 594, 100, 25)) == after.copy(QRect(600, 594, 100, 25)));
}

struct ClickCase {
    const char *name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    int code;
    int shift;
};

TEST_F(Canvas, PressAndReleaseReachTheGameInTwips)
{
    show();
    const std::vector<ClickCase> cases = {
        {"left", Qt::LeftButton, Qt::NoModifier, 1, 0},
        {"right", Qt::RightButton, Qt::NoModifier, 2, 0},
        {"middle", Qt::MiddleButton, Qt::NoModifier, 4, 0},
        {"left with shift", Qt::LeftButton, Qt::ShiftModifier, 1, 1},
        {"left with control", Qt::LeftButton, Qt::ControlModifier, 1, 2},
        {"left with alt", Qt::LeftButton, Qt::AltModifier, 1, 4},
        {"right with shift and control", Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, 2, 3},
    };
    for (const ClickCase &c : cases) {
        events.mouse.clear();
        QTest::mousePress(&canvas(), c.button, c.modifiers, QPoint(140, 520));
        QTest::mouseRelease(&canvas(), c.button, c.modifiers, QPoint(141, 522));
        const std::vector<MouseCall> expected = {{'d', 2100, 7800, c.code, c.shift},
                                                 {'u', 2115, 7830, c.code, c.shift}};
        EXPECT_EQ(events.mouse, expected) << c.name;
    }
}

struct MoveCase {
    const char *name;
    Qt::MouseButtons held;
    int buttons;
};

TEST_F(Canvas, MovesCarryTheSumOfTheHeldButtons)
{
    show();
    const std::vector<MoveCase> cases = {
        {"no button", Qt::NoButton, 0},
        {"left", Qt::LeftButton, 1},
        {"right", Qt::RightButton, 2},
        {"left and right", Qt::LeftButton | Qt::RightButton, 3},
        {"all three", Qt::LeftButton | Qt::RightButton | Qt::MiddleButton, 7},
    };
    for (const MoveCase &c : cases) {
        events.mouse.clear();
        const QPointF at(400.5, 300);
        QMouseEvent move(QEvent::MouseMove, at, canvas().mapToGlobal(at), Qt::NoButton, c.held, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas(), &move);
        const std::vector<MouseCall> expected = {{'m', 6007.5f, 4500, c.buttons, 0}};
        EXPECT_EQ(events.mouse, expected) << c.name;
    }
}

TEST_F(Canvas, TheGrabbingHandShowsOverAFirstHalf)
{
    show();
    Picture &half = state.lcard[2];
    half.exists = true;
    half.Visible = true;
    half.handPointer = true;
    half.Left = 3000;
    half.Top = 7675;
    platform.stateChanged();
    QTest::mouseMove(&canvas(), QPoint(210, 520));
    EXPECT_EQ(canvas().cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(&canvas(), QPoint(400, 300));
    EXPECT_EQ(canvas().cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace pipstone::testing
