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

work=$(mktemp -d)
GAME_PID=""
finish() {
  if [ -n "$GAME_PID" ]; then
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
  stop_virtual_display
  rm -rf "$work"
}
trap finish EXIT

start_virtual_display "$work"
start_game_for_pictures "$build/pipstone" "$work"
play_opening_tile
mkdir -p "$out"
save_window_picture "$GAME_WINDOW" "$out/screenshot.png"
echo "Saved $out/screenshot.png"
