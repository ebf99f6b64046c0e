#!/usr/bin/env bash
# Makes screenshot.png, the picture of a hand in play for the README, the
# help page and the metainfo: starts the built game on a virtual X server with
# the fixed deal, plays the opening tile with the mouse, lets the computer
# answer and takes a picture of the window.
# Usage: tools/screenshot.sh [build folder, default build] [output folder, default docs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs}
source "$root/tools/desktop_session.sh"

start_pictures_session "$build/pipstone"
play_opening_tile
mkdir -p "$out"
save_window_picture "$GAME_WINDOW" "$out/screenshot.png"
echo "Saved $out/screenshot.png"
