#!/bin/sh
# Takes the README's pictures of the drop mark: the game runs under Xvfb with
# a small window manager, the opening tile is dragged to the middle with
# xdotool, and after the computer's answer each tile of the row is dragged
# over the lower and over the upper part of the board until one shows the
# mark on that end's next cell. The deal is random: run it again when a hand
# has no tile for one of the ends.
#
#   tools/drop_screenshots.sh [build folder]   writes docs/drop-right.png and docs/drop-left.png
set -eu
build=${1:-build}
display=:57
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
"$build/pipstone" &
game=$!
trap 'kill $game $wm $xvfb 2>/dev/null || true' EXIT
sleep 2
win=$(xdotool search --sync --onlyvisible --name '^Pipstone$' | head -1)

# Window pixels: 15 twips each. The k-th tile of the row (k from 1) has its
# first half at Left 1350 + 480 k, Top 7675; the key point is its middle.
tile_x() { echo $(( (1350 + 480 * $1 + 200) / 15 )); }
tile_y=$(( (7675 + 200) / 15 ))

drag_to() { # from x, from y, to x, to y
    xdotool mousemove --window "$win" "$1" "$2"
    sleep 0.2
    xdotool mousedown 1
    for step in 1 2 3 4 5 6; do
        xdotool mousemove --window "$win" $(( $1 + ($3 - $1) * step / 6 )) $(( $2 + ($4 - $2) * step / 6 ))
        sleep 0.05
    done
    sleep 0.3
}

# Share of the board's pixels in the player's blue: the mark, if any.
blue_on_board() {
    convert "$1" -crop 713x440+72+67 +repage -fuzz 12% -fill black +opaque '#0000ff' -fill white -opaque '#0000ff' \
        -format '%[fx:mean>0.0005]' info:
}

drag_to "$(tile_x 1)" "$tile_y" 400 280
xdotool mouseup 1
sleep 4 # the computer answers

found_left= found_right=
for k in 1 2 3 4 5 6; do
    for end in right left; do
        eval "done_already=\${found_$end}"
        [ -n "$done_already" ] && continue
        if [ "$end" = right ]; then to_y=360; else to_y=150; fi
        drag_to "$(tile_x "$k")" "$tile_y" 200 "$to_y"
        import -window "$win" /tmp/pipstone-drop.png
        if [ "$(blue_on_board /tmp/pipstone-drop.png)" = 1 ]; then
            cp /tmp/pipstone-drop.png "docs/drop-$end.png"
            eval "found_$end=yes"
        fi
        # Back into the row: the tile goes back to its place.
        xdotool mousemove --window "$win" "$(tile_x "$k")" "$tile_y"
        sleep 0.1
        xdotool mouseup 1
        sleep 0.3
    done
done
echo "left: ${found_left:-not found}, right: ${found_right:-not found}"
