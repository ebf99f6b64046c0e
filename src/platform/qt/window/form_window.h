#pragma once

// Room: window. The top-level window, its three buttons, the hold on input
// while a box is open, the prompt wakeups of waits and the window icon.

// own
#include "platform/qt/window/game_buttons.h"
#include "platform/qt/view/game_canvas.h"

// Qt
#include <QWidget>

// std
#include <functional>

namespace pipstone {

// The game window "Form1": a fixed client area of 799 by 625 pixels (11985 by
// 9375 twips) without a maximise button, painted by the canvas, with the
// three push buttons above it.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 799;
    static constexpr int kClientHeight = 625;

    explicit FormWindow(std::function<void()> onClose);

    GameCanvas &canvas() { return *canvas_; }
    GameButtons &buttons() { return *buttons_; }

protected:
    // However the user closes the window, the game hears of it, and the close
    // is never refused.
    void closeEvent(QCloseEvent *event) override;
    // The board has one size: a window manager that maximises the window or
    // makes it full screen anyway gets it back at its size.
    void changeEvent(QEvent *event) override;

private:
    std::function<void()> onClose_;
    GameCanvas *canvas_;
    GameButtons *buttons_;
};

} // namespace pipstone
