#include "app/one_thing_at_a_time.h"

// std
#include <algorithm>

namespace pipstone {

OneThingAtATime::Scope::Scope(OneThingAtATime &owner, Kind kind, Work work)
    : owner_(owner)
    , previous_(owner.kind_)
    , work_(work)
{
    owner_.kind_ = kind;
    const int w = static_cast<int>(work);
    ++owner_.depth_[w];
    owner_.deepest_[w] = std::max(owner_.deepest_[w], owner_.depth_[w]);
}

OneThingAtATime::Scope::~Scope()
{
    --owner_.depth_[static_cast<int>(work_)];
    owner_.kind_ = previous_;
}

std::vector<std::function<void()>> OneThingAtATime::takeDeferred()
{
    std::vector<std::function<void()>> actions;
    actions.swap(deferred_);
    return actions;
}

} // namespace pipstone
