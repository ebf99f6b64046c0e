#pragma once

// own
#include "platform/qt/view/game_canvas.h"
#include "platform/qt/qt_platform.h"
#include "state/game_state.h"

// Qt
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// std
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace pipstone::testing {

// The game's message box on the screen, if one is open. The boxes hold the
// window's input themselves instead of being modal to Qt, so that a close
// request still reaches the window.
inline QMessageBox *openBox()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            return box;
    return nullptr;
}

struct MouseCall {
    char kind; // 'd' down, 'm' move, 'u' up
    float x, y;
    int button, shift;
    bool operator==(const MouseCall &) const = default;
};

// Records what the toolkit tells the game.
struct FakeEvents : PlatformEvents {
    std::vector<TimerId> ticks;
    std::vector<ButtonId> clicks, hovers;
    std::vector<MouseCall> mouse;
    std::vector<Key> keys;
    int closes = 0;
    void onTimer(TimerId timer) override { ticks.push_back(timer); }
    void onButtonClick(ButtonId button) override { clicks.push_back(button); }
    void onButtonMouseMove(ButtonId button) override { hovers.push_back(button); }
    void onMouseDown(float x, float y, int button, int shift) override { mouse.push_back({'d', x, y, button, shift}); }
    void onMouseMove(float x, float y, int buttons, int shift) override { mouse.push_back({'m', x, y, buttons, shift}); }
    void onMouseUp(float x, float y, int button, int shift) override { mouse.push_back({'u', x, y, button, shift}); }
    void onKey(Key key) override { keys.push_back(key); }
    void onClose() override { ++closes; }
};

// The build writes the pointer and the sound next to the program; the tests
// live one folder below it.
inline QString builtAsset(const QString &name)
{
    const QDir here(QCoreApplication::applicationDirPath());
    return QFile::exists(here.filePath(name)) ? here.filePath(name) : here.filePath(QStringLiteral("../") + name);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A created, visible half at the given place and stacking.
inline Picture &showHalf(Picture &half, float left, float top, long z = 0)
{
    half.exists = half.Visible = true;
    std::tie(half.Left, half.Top, half.z) = std::tuple(left, top, z);
    return half;
}

// The real window on the offscreen screen, showing a fresh state, with a
// program folder of its own.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
        : platform(folder.path())
    {
        state.caption = "Pipstone";
        platform.attach(&events, &state);
    }
    void show()
    {
        platform.window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&platform.window()));
    }
    GameCanvas &canvas() { return *platform.window().findChild<GameCanvas *>(); }
    QImage picture() { return platform.window().grab().toImage(); }
    QPushButton *button(const QString &caption)
    {
        for (QPushButton *b : platform.window().findChildren<QPushButton *>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }
    void copyAsset(const QString &name)
    {
        QDir(folder.path()).mkpath(QFileInfo(name).path());
        ASSERT_TRUE(QFile::copy(builtAsset(name), folder.filePath(name))) << name.toStdString();
    }

    QTemporaryDir folder;
    GameState state;
    FakeEvents events;
    QtPlatform platform;
};

} // namespace pipstone::testing
