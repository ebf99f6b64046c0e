#pragma once

// Qt
#include <QIcon>

namespace pipstone {

// The window's icon: an upright tile, six over five, painted at the sizes
// window managers ask for.
QIcon dominoIcon();

} // namespace pipstone
