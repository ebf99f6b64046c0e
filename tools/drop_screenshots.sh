#!/usr/bin/env bash
# Makes drop-right.png and drop-left.png, the pictures of the blue drop mark
# for the README and the help page: starts the built game on a virtual X
# server with the fixed deal, plays the opening tile, and after the
# computer's answer drags each tile of the row over the lower and over the
# upper part of the board until one shows the mark on that end's next cell.
# Usage: tools/drop_screenshots.sh [build folder, default build] [output folder, default docs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs}
source "$root/tools/desktop_session.sh"

start_pictures_session "$build/pipstone"
play_opening_tile

# Window pixels: 15 twips each. The k-th tile of the row (k from 1) has its
# first half at Left 1350 + 480 k, Top 7675; the key point is its middle.
tile_x() { echo $(((1350 + 480 * $1 + 200) / 15)); }
tile_y=$(((7675 + 200) / 15))

# Whether the board shows the player's blue: the mark.
blue_on_board() {
  convert "$1" -crop 713x440+72+67 +repage -fuzz 12% -fill black +opaque '#0000ff' -fill white -opaque '#0000ff' \
    -format '%[fx:mean>0.0005]' info:
}

mkdir -p "$out"
found_left="" found_right=""
for k in 1 2 3 4 5 6 7 8; do
  for end in right left; do
    if [ "$end" = right ]; then
      [ -z "$found_right" ] || continue
      to_y=360
    else
      [ -z "$found_left" ] || continue
      to_y=150
    fi
    drag_in_game "$(tile_x "$k")" "$tile_y" 200 "$to_y" 6
    import -window "$GAME_WINDOW" -strip "$work/drop.png"
    if [ "$(blue_on_board "$work/drop.png")" = 1 ]; then
      cp "$work/drop.png" "$out/drop-$end.png"
      eval "found_$end=yes"
    fi
    # Back into the row: the tile goes back to its place.
    xdotool mousemove --window "$GAME_WINDOW" "$(tile_x "$k")" "$tile_y"
    sleep 0.1
    xdotool mouseup 1
    sleep 0.5
  done
done
echo "left: ${found_left:-not found}, right: ${found_right:-not found}"
[ -n "$found_left" ] && [ -n "$found_right" ]
