#include "platform/qt/window/game_buttons.h"

// own
#include "platform/qt/view/qt_conversions.h"
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

[[gnu::hot]] void GameButtons::sync(const GameState &s)
{
    sync(ButtonId::NewGame, s.PushButton1);
    sync(ButtonId::CheatComp, s.PushButton2);
    sync(ButtonId::GetCard, s.PushButton3);
}

[[gnu::hot]] void GameButtons::sync(ButtonId id, const PushButton &record)
{
    std::optional<PushButton> &shown = shown_[static_cast<int>(id)];
    if (shown == record)
        return;
    QPushButton *b = button(id);
    if (!shown || shown->Caption != record.Caption)
        b->setText(QString::fromStdString(record.Caption));
    if (!shown || shown->Enabled != record.Enabled)
        b->setEnabled(record.Enabled);
    const auto place = [](const PushButton &r) { return pixelRect(r.Left, r.Top, r.Width, r.Height).toRect(); };
    if (!shown || place(*shown) != place(record))
        b->setGeometry(place(record));
    if (!shown || shown->font != record.font)
        b->setFont(toQFont(record.font));
    shown = record;
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
