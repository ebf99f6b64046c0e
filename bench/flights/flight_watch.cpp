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

// A wait that events cut short is asked for again with the same deadline;
// it is still one wait.
void FlightWatch::waitForEvents(double deadline)
{
    if (flying_ && deadline != lastDeadline_) {
        waits_.push_back(deadline - inner_.tickCount());
        lastDeadline_ = deadline;
    }
    inner_.waitForEvents(deadline);
}

void FlightWatch::look()
{
    if (!state_ || state_->Cover.Visible == flying_)
        return;
    flying_ = state_->Cover.Visible;
    if (flying_) {
        waits_.clear();
        startedAt_ = nowMs_();
        if (askedAt_ >= 0 && lastStartMs_ < 0)
            lastStartMs_ = startedAt_ - askedAt_;
    } else {
        lastFlightMs_ = nowMs_() - startedAt_;
        lastFlightWaits_ = waits_;
    }
}

} // namespace pipstone::bench
