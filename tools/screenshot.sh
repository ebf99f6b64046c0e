#!/usr/bin/env bash
# Makes docs/screenshot.png: starts the built game on a virtual X server,
# waits for its first frame, plays an opening tile with the mouse, lets the
# computer answer and takes a picture of the window.
# Usage: tools/screenshot.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
source "$root/tools/desktop_session.sh"

"$root/tools/install-deps.sh" # Xvfb, xdotool and ImageMagick among them

work=$(mktemp -d)
game=""
finish() {
  if [ -n "$game" ]; then
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
  fi
  stop_virtual_display
  rm -rf "$work"
}
trap finish EXIT

start_virtual_display "$work"
# No browser: the rare start that opens the help page opens nothing here.
mkdir "$work/bin"
printf '#!/bin/sh\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb "$build/pipstone" &
game=$!
window=$(wait_for_game_window)
sleep 1

# The first tile of the player's row: its upper half, the one that picks a
# tile up, is 27 pixels square at (122, 512) of the window. The opening tile
# may be dropped anywhere above the row.
xdotool mousemove --window "$window" 135 525 mousedown 1
for step in $(seq 1 20); do
  xdotool mousemove --window "$window" $((135 + step * 13)) $((525 - step * 14))
  sleep 0.02
done
xdotool mouseup 1

# The computer answers; when it has to draw it says so in a message box,
# which is closed until the window alone shows for two seconds.
quiet=0
for _ in $(seq 1 40); do
  if [ "$(xdotool search --onlyvisible --name . | wc -l)" -gt 1 ]; then
    xdotool key Return
    quiet=0
  else
    quiet=$((quiet + 1))
    [ $quiet -lt 4 ] || break
  fi
  sleep 0.5
done

mkdir -p "$root/docs"
save_window_picture "$window" "$root/docs/screenshot.png"
echo "Saved $root/docs/screenshot.png"
