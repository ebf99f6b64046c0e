#pragma once

// own
#include "platform/qt/game_canvas.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"
#include "state/game_state.h"

// Qt
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// std
#include <gtest/gtest.h>

namespace pipstone::testing {

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
