#!/usr/bin/env bash
# Starts the game as a player would, on a virtual X server, and checks that
# its window shows the dealt game, that it read its pointer file from its own
# folder, that its window icon carries the small drawings, that F1 hands the
# help page HELP_PAGE to the desktop's opener and, when that fails, shows the
# page in a window of the game's own, and that Ctrl+Q ends the game, that
# window with it, as the close box does.
# Usage: program_starts.sh PROGRAM FILES_FOLDER HELP_PAGE SOURCE_FOLDER
set -euo pipefail
program=$1
folder=$2
help_page=$3
source "$4/tools/desktop_session.sh"

work=$(mktemp -d)
tracer=""
finish() {
  # Ending the game ends strace, which watches it.
  if [ -n "$tracer" ]; then
    kill "$(ps -o pid= --ppid "$tracer")" 2>/dev/null || true
    wait "$tracer" 2>/dev/null || true
  fi
  stop_virtual_display
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

start_virtual_display "$work"
# An opener of its own: it notes the pages the game asks for, and fails as
# xdg-open does on a desktop without a viewer.
mkdir "$work/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\nexit 3\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
mkdir -m 700 "$work/runtime"
# The tests run on the offscreen platform; the game here shows a real window.
PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb strace -f -qq -e trace=openat -o "$work/files" "$program" &
tracer=$!

window=$(wait_for_game_window) || fail "no window showed"
save_window_picture "$window" "$work/first-frame.png" || fail "the game was never painted"

grep -Eq "openat\(AT_FDCWD, \"$folder/HAND-M.CUR\", [^)]*\) = [0-9]+$" "$work/files" ||
  fail "the pointer file was not read from $folder"
[ -f "$folder/pic/Move.wav" ] || fail "no move sound in $folder"

# Qt hands the window manager every size of the icon: width and height, then
# the pixels.
icon_sizes=$(xprop -id "$window" -notype 32c _NET_WM_ICON | tr -d ' ' | cut -d= -f2 | tr ',' '\n' |
  awk 'BEGIN { at = 1 } NR == at { w = $1 } NR == at + 1 { print w "x" $1; at = NR + 1 + w * $1 }' | xargs)
[ "$icon_sizes" = "16x16 24x24 32x32 48x48 64x64 128x128 256x256" ] || fail "window icon sizes: $icon_sizes"

kill -0 "$tracer" || fail "the game ended by itself"

# One start in a hundred has asked for the page already.
asked() { if [ -f "$work/opened" ]; then wc -l <"$work/opened"; else echo 0; fi; }
before=$(asked)
xdotool windowfocus --sync "$window" key F1
for _ in $(seq 1 100); do
  [ "$(asked)" -eq "$before" ] || break
  sleep 0.1
done
[ "$(asked)" -gt "$before" ] || fail "F1 asked the opener for nothing"
[ "$(sort -u "$work/opened")" = "file://$help_page" ] || fail "F1 opened: $(cat "$work/opened")"
help=$(timeout 10 xdotool search --sync --onlyvisible --name '^Pipstone Help$' | head -n 1) ||
  fail "the opener failed and the game showed no help window"
save_window_picture "$help" "$work/help.png" || fail "the help window shows no page"

xdotool windowfocus --sync "$window" key ctrl+q
for _ in $(seq 1 50); do
  kill -0 "$tracer" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$tracer" 2>/dev/null && fail "Ctrl+Q left the game running"
status=0
wait "$tracer" || status=$?
tracer=""
[ $status -eq 0 ] || fail "the game ended with status $status"
echo "started: $program, files in $folder"
