#pragma once

// own
#include "platform/platform.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

// std
#include <functional>
#include <vector>

namespace pipstone::testing {

struct MouseCall {
    char kind; // 'd' down, 'm' move, 'u' up
    float x, y;
    int button, shift;
    bool operator==(const MouseCall &) const = default;
};

// Records what the toolkit tells the game.
class FakeEvents : public PlatformEvents {
public:
    std::vector<TimerId> ticks;
    std::vector<ButtonId> clicks;
    std::vector<ButtonId> hovers;
    std::vector<MouseCall> mouse;
    int closes = 0;
    std::function<void()> onTick;

    void onTimer(TimerId timer) override
    {
        ticks.push_back(timer);
        if (onTick)
            onTick();
    }
    void onButtonClick(ButtonId button) override { clicks.push_back(button); }
    void onButtonMouseMove(ButtonId button) override { hovers.push_back(button); }
    void onMouseDown(float x, float y, int button, int shift) override { mouse.push_back({'d', x, y, button, shift}); }
    void onMouseMove(float x, float y, int buttons, int shift) override { mouse.push_back({'m', x, y, buttons, shift}); }
    void onMouseUp(float x, float y, int button, int shift) override { mouse.push_back({'u', x, y, button, shift}); }
    void onClose() override { ++closes; }
};

// The build writes the pointer and the sound next to the program; the tests
// live one folder below it.
inline QString builtAsset(const QString &name)
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {here.filePath(name), here.filePath(QStringLiteral("../") + name)})
        if (QFile::exists(candidate))
            return candidate;
    return {};
}

} // namespace pipstone::testing
