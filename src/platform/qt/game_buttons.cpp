#include "platform/qt/game_buttons.h"

// own
#include "platform/qt/qt_conversions.h"
#include "state/game_state.h"

// Qt
#include <QEvent>
#include <QPushButton>

namespace pipstone {

namespace {

constexpr std::array kButtonIds = {ButtonId::NewGame, ButtonId::CheatComp, ButtonId::GetCard};

} // namespace

GameButtons::GameButtons(QWidget *window)
    : QObject(window)
{
    for (ButtonId id : kButtonIds) {
        auto *button = new QPushButton(window);
        // Mouse moves without a button held reach the filter only with tracking on.
        button->setMouseTracking(true);
        // The keyboard belongs to the board: a button with focus would take
        // the arrows and deal a new hand on a stray Space.
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, id] {
            if (events_)
                events_->onButtonClick(id);
        });
        buttons_[static_cast<int>(id)] = button;
    }
}

void GameButtons::sync(const GameState &s)
{
    sync(button(ButtonId::NewGame), s.PushButton1);
    sync(button(ButtonId::CheatComp), s.PushButton2);
    sync(button(ButtonId::GetCard), s.PushButton3);
}

void GameButtons::sync(QPushButton *button, const PushButton &record)
{
    const QString caption = QString::fromStdString(record.Caption);
    if (button->text() != caption)
        button->setText(caption);
    button->setEnabled(record.Enabled);
    const QRect place = pixelRect(record.Left, record.Top, record.Width, record.Height).toRect();
    if (button->geometry() != place)
        button->setGeometry(place);
    const QFont font = toQFont(record.font);
    if (button->font() != font)
        button->setFont(font);
}

bool GameButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && events_) {
        for (ButtonId id : kButtonIds)
            if (watched == button(id))
                events_->onButtonMouseMove(id);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pipstone
