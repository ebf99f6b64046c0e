#include "flight_watch.h"

// own
#include "state/game_state.h"

// std
#include <utility>

namespace pipstone::bench {

FlightWatch::FlightWatch(Platform &inner, std::function<double()> nowMs)
    : inner_(inner)
    , nowMs_(std::move(nowMs))
{
}

void FlightWatch::attach(PlatformEvents *events, const GameState *state)
{
    state_ = state;
    flying_ = false;
    inner_.attach(events, state);
}

void FlightWatch::stateChanged()
{
    look();
    inner_.stateChanged();
}

void FlightWatch::repaintNow()
{
    look();
    inner_.repaintNow();
}

void FlightWatch::look()
{
    if (!state_ || state_->Cover.Visible == flying_)
        return;
    flying_ = state_->Cover.Visible;
    if (flying_) {
        startedAt_ = nowMs_();
        if (askedAt_ >= 0 && lastStartMs_ < 0)
            lastStartMs_ = startedAt_ - askedAt_;
    } else
        lastFlightMs_ = nowMs_() - startedAt_;
}

} // namespace pipstone::bench
