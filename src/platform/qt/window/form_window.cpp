#include "platform/qt/window/form_window.h"

// own
#include "platform/qt/window/window_icon.h"

// Qt
#include <QCloseEvent>

namespace pipstone {

FormWindow::FormWindow(std::function<void()> onClose)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , onClose_(std::move(onClose))
    , canvas_(new GameCanvas(this))
    , buttons_(new GameButtons(this))
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kClientWidth, kClientHeight);
    setWindowIcon(dominoIcon());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    canvas_->setGeometry(0, 0, kClientWidth, kClientHeight);
    canvas_->lower();
    canvas_->setFocus();
}

void FormWindow::changeEvent(QEvent *event)
{
    constexpr Qt::WindowStates kOtherSizes = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && (windowState() & kOtherSizes))
        setWindowState(windowState() & ~kOtherSizes);
    QWidget::changeEvent(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    onClose_();
}

} // namespace pipstone
