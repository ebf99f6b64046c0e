#pragma once

namespace pipstone {

// The flights wait 1 to 5 ms per step. Asks the system to wake the calling
// thread as close to the end of each sleep as it can: no timer slack, and
// short time slices, so that when other programs keep every processor busy
// the woken game gets its turn at once instead of after their slices. Both
// are ordinary requests any program may make; where the system does not
// know them, nothing changes.
void askForPromptWakeups();

} // namespace pipstone
