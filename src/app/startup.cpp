// Start-up: the first hand is dealt before the window shows.

// own
#include "app/game_window.h"

// std
#include <cmath>

namespace pipstone {

namespace {

const std::string kPointerFile = "HAND-M.CUR";
const std::string kSkinFile = "x/o.cjs";

} // namespace

void GameWindow::Form_Load()
{
    dispatch([this] {
        loadskin();
        dealcards();
        centerform();
        if (fileexists(kPointerFile))
            s_.pointerLoaded = platform_.loadPointer(kPointerFile);
        initrandom();
        s_.caption = "Pipstone";
    });
}

void GameWindow::loadskin()
{
    if (fileexists(kSkinFile))
        platform_.applySkin(kSkinFile);
}

void GameWindow::centerform()
{
    platform_.centerWindow();
}

bool GameWindow::fileexists(const std::string &relativePath)
{
    return platform_.fileExists(relativePath);
}

// Once in a hundred starts, on average, the game's help page opens.
void GameWindow::initrandom()
{
    random_->reseed();
    const int n = static_cast<int>(std::floor(random_->next() * 100)) + 1;
    if (n == 7)
        platform_.openHelpPage();
}

} // namespace pipstone
