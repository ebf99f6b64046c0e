#include "platform/qt/window/prompt_wakeups.h"

#ifdef __linux__
// std
#include <cstdint>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace pipstone {

#ifdef __linux__

namespace {

// The kernel's scheduling attributes (sched_setattr(2)); for an ordinary
// thread, sched_runtime is the length of its time slice.
struct SchedulingAttributes {
    std::uint32_t size;
    std::uint32_t sched_policy;
    std::uint64_t sched_flags;
    std::int32_t sched_nice;
    std::uint32_t sched_priority;
    std::uint64_t sched_runtime;
    std::uint64_t sched_deadline;
    std::uint64_t sched_period;
    std::uint32_t sched_util_min;
    std::uint32_t sched_util_max;
};

constexpr std::uint64_t kShortestSliceNs = 100'000;

} // namespace

void askForPromptWakeups()
{
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    SchedulingAttributes attributes{};
    attributes.size = sizeof attributes;
    attributes.sched_policy = SCHED_OTHER;
    attributes.sched_nice = getpriority(PRIO_PROCESS, 0);
    attributes.sched_runtime = kShortestSliceNs;
    syscall(SYS_sched_setattr, 0, &attributes, 0U);
}

#else

void askForPromptWakeups() {}

#endif

} // namespace pipstone
