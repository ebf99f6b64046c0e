#pragma once

// Qt
#include <QObject>

class QWidget;

namespace pipstone {

// While it lives, a window takes no mouse or keyboard input, as under a modal
// message box, yet still hears its close request. Qt drops the close request
// of a window that a modal box blocks, and the game window's close is never
// refused, so the game's boxes are shown without Qt's modality and hold the
// window's input with this instead. Only the release of a mouse button
// pressed on `releasesReach` before the hold began still reaches it: a
// release starts nothing, and the game must know the button is up.
class InputHold : public QObject {
public:
    InputHold(QWidget &window, const QWidget &releasesReach);
    ~InputHold() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window_;
    const QWidget &releasesReach_;
    int buttonsDownBefore_; // Qt::MouseButtons still to be released
};

} // namespace pipstone
