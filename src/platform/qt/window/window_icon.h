#pragma once

// Qt
#include <QIcon>

namespace pipstone {

// The window's icon: the installed icon, an upright domino, six over five,
// with drawings of its own at 16 and 24 pixels. Its shapes are painted here
// rather than read from the icon files, so the game loads no SVG library.
QIcon dominoIcon();

} // namespace pipstone
