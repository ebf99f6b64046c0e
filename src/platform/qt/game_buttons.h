#pragma once

// own
#include "platform/platform.h"
#include "state/controls.h"

// Qt
#include <QObject>

// std
#include <array>

class QPushButton;
class QWidget;

namespace pipstone {

struct GameState;

// The three push buttons "New Game", "Cheat Comp." and "Get Card": placed,
// labelled and enabled as the state says, and reporting clicks and the mouse
// passing over them to the game.
class GameButtons : public QObject {
    Q_OBJECT

public:
    explicit GameButtons(QWidget *window);

    void attach(PlatformEvents *events) { events_ = events; }
    void sync(const GameState &state);
    QPushButton *button(ButtonId id) const { return buttons_[static_cast<int>(id)]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sync(QPushButton *button, const PushButton &record);

    PlatformEvents *events_ = nullptr;
    std::array<QPushButton *, 3> buttons_{}; // by ButtonId, owned by the window
};

} // namespace pipstone
