#include "app/one_thing_at_a_time.h"

// std
#include <bit>

namespace pipstone {

std::vector<std::function<void()>> OneThingAtATime::takeDeferred()
{
    std::vector<std::function<void()>> actions;
    actions.swap(deferred_);
    return actions;
}

namespace {

// The mouse buttons are the bits 1, 2 and 4.
std::size_t buttonIndex(int button)
{
    return std::min<std::size_t>(static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(button))), 2);
}

} // namespace

void OneThingAtATime::keepPress(int button, std::function<void()> press)
{
    const std::size_t b = buttonIndex(button);
    defer([this, b, before = releasesRun_[b], press = std::move(press)] {
        if (releasesRun_[b] == before)
            press();
    });
}

void OneThingAtATime::released(int button)
{
    if (!busy() || inStep())
        ++releasesRun_[buttonIndex(button)];
}

} // namespace pipstone
