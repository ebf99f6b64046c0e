#pragma once

// own
#include "platform/headless/headless_platform.h"

// std
#include <sstream>
#include <string>
#include <vector>

namespace pipstone::test {

// Writes down every event the toolkit hands to the game, with its time when
// asked, in place of the game.
class EventLog : public PlatformEvents {
public:
    explicit EventLog(HeadlessPlatform &platform)
        : platform_(platform)
    {
    }
    void onTimer(TimerId timer) override { note(timer == TimerId::Timer1 ? "tick1" : "tick2"); }
    void onButtonClick(ButtonId button) override { note(std::string("click ") + buttonName(button)); }
    void onButtonMouseMove(ButtonId button) override { note(std::string("hover ") + buttonName(button)); }
    void onMouseDown(float x, float y, int button, int) override { note(mouse("down", x, y, button)); }
    void onMouseMove(float x, float y, int buttons, int) override { note(mouse("move", x, y, buttons)); }
    void onMouseUp(float x, float y, int button, int) override { note(mouse("up", x, y, button)); }
    void onKey(Key) override { note("key"); }
    void onClose() override { note("close"); }

    std::vector<std::string> events;
    bool withTimes = false;

private:
    static const char *buttonName(ButtonId id)
    {
        return id == ButtonId::NewGame ? "NewGame" : id == ButtonId::CheatComp ? "CheatComp" : "GetCard";
    }
    static std::string mouse(const char *what, float x, float y, int buttons)
    {
        std::ostringstream out;
        out << what << ' ' << x << ',' << y << ' ' << buttons;
        return out.str();
    }
    void note(const std::string &event)
    {
        events.push_back(withTimes ? std::to_string(static_cast<long>(platform_.tickCount())) + ' ' + event : event);
    }
    HeadlessPlatform &platform_;
};

} // namespace pipstone::test
