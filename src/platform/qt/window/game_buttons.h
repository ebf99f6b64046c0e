#pragma once

// own
#include "platform/platform.h"
#include "state/controls.h"

// Qt
#include <QObject>

// std
#include <array>
#include <optional>

class QPushButton;
class QWidget;

namespace pipstone {

struct GameState;

// The three push buttons "New Game", "Cheat Comp." and "Get Card": placed,
// labelled and enabled as the state says, and reporting clicks and the mouse
// passing over them to the game. A button is touched only when its record
// changed: under a skin every touch restyles it, and the state is synced ten
// times a second.
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
    void sync(ButtonId id, const PushButton &record);

    PlatformEvents *events_ = nullptr;
    std::array<QPushButton *, 3> buttons_{}; // by ButtonId, owned by the window
    std::array<std::optional<PushButton>, 3> shown_; // by ButtonId, as last synced
};

} // namespace pipstone
