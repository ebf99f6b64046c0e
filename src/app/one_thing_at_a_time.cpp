#include "app/one_thing_at_a_time.h"

namespace pipstone {

std::vector<std::function<void()>> OneThingAtATime::takeDeferred()
{
    std::vector<std::function<void()>> actions;
    actions.swap(deferred_);
    return actions;
}

} // namespace pipstone
