# Drives the game's real window on a virtual X server, for tools/screenshot.sh
# and the tests of the installed program. Source it; it needs Xvfb, xdotool
# and ImageMagick's import.

# Starts Xvfb on a free display, writing its log into the folder $1, and
# exports DISPLAY. The caller ends it with stop_virtual_display. Without a
# session bus of the caller's, it also points the session bus at a socket that
# is not there: the game's libraries would otherwise launch a bus of their own
# that outlives the game.
start_virtual_display() {
  local folder=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
  XVFB_PID=$!
  local tries=0
  until [ -s "$folder/display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start:" >&2
      cat "$folder/xvfb.log" >&2
      return 1
    fi
    sleep 0.1
  done
  DISPLAY=":$(head -n 1 "$folder/display")"
  DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-unix:path=$folder/no-session-bus}
  export DISPLAY DBUS_SESSION_BUS_ADDRESS
}

stop_virtual_display() {
  [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
}

# Prints the id of the game's window once it shows; fails after 30 s.
wait_for_game_window() {
  timeout 30 xdotool search --sync --onlyvisible --name '^Pipstone$' | head -n 1
}

# Saves what the window at $1 shows into the PNG file $2 once it shows a
# painted game (tiles, labels and buttons: many colours, not a blank). A
# window is mapped before it has painted, the more so on a busy machine, so
# the picture is taken again until it has; fails after 30 s.
save_window_picture() {
  local colours=0 tries=0
  while [ $tries -lt 300 ]; do
    if import -window "$1" -strip "$2" 2>/dev/null; then
      colours=$(convert "$2" -format %k info:)
      [ "$colours" -lt 16 ] || return 0
    fi
    tries=$((tries + 1))
    sleep 0.1
  done
  echo "the window shows only $colours colours after 30 s: nothing painted" >&2
  return 1
}

# Starts the built game $1 on the virtual display in the background, with an
# opener that opens nothing (the rare start that opens the help page shows
# nothing then) and with the clock of day held at one moment while the other
# clocks run on (libfaketime): the game seeds its shuffle from the clock of
# day, so every start deals the same hand and the pictures of the game come
# out the same every time. GAME_PID is the game's process and GAME_WINDOW its
# window, once that has painted. The folder $2 holds the opener.
start_game_for_pictures() {
  mkdir -p "$2/bin"
  printf '#!/bin/sh\n' >"$2/bin/xdg-open"
  chmod +x "$2/bin/xdg-open"
  local library
  library="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/faketime/libfaketimeMT.so.1"
  mkdir -p -m 700 "$2/runtime"
  PATH="$2/bin:$PATH" XDG_RUNTIME_DIR="$2/runtime" QT_QPA_PLATFORM=xcb LD_PRELOAD=$library FAKETIME="2026-12-08 12:00:00" DONT_FAKE_MONOTONIC=1 \
    "$1" &
  GAME_PID=$!
  GAME_WINDOW=$(wait_for_game_window) || return 1
  save_window_picture "$GAME_WINDOW" "$2/first-frame.png"
}

# Holds the mouse down at ($1, $2) of the game's window and moves it to
# ($3, $4) in $5 steps; the button stays down.
drag_in_game() {
  xdotool mousemove --window "$GAME_WINDOW" "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  local step
  for step in $(seq 1 "$5"); do
    xdotool mousemove --window "$GAME_WINDOW" $(($1 + ($3 - $1) * step / $5)) $(($2 + ($4 - $2) * step / $5))
    sleep 0.03
  done
  sleep 0.3
}

# Plays the first tile of the player's row as the opening tile and waits
# until the computer has answered, answering its message boxes.
play_opening_tile() {
  # The first tile of the row: its upper half, the one that picks a tile up,
  # is 27 pixels square at (122, 512) of the window. The opening tile may be
  # dropped anywhere above the row.
  drag_in_game 135 525 400 280 20
  xdotool mouseup 1
  local quiet=0
  for _ in $(seq 1 60); do
    if [ "$(xdotool search --onlyvisible --name . | wc -l)" -gt 1 ]; then
      xdotool key Return
      quiet=0
    else
      quiet=$((quiet + 1))
      [ $quiet -lt 4 ] || break
    fi
    sleep 0.5
  done
}

# For the picture scripts: a scratch folder in `work`, a virtual display and
# the game with the fixed deal on it, all taken down when the script ends.
start_pictures_session() {
  work=$(mktemp -d)
  GAME_PID=""
  trap end_pictures_session EXIT
  start_virtual_display "$work"
  start_game_for_pictures "$1" "$work"
}

end_pictures_session() {
  if [ -n "$GAME_PID" ]; then
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
    # libfaketime removes its shared clock at a normal exit only.
    rm -f "/dev/shm/faketime_shm_$GAME_PID" "/dev/shm/sem.faketime_sem_$GAME_PID"
  fi
  stop_virtual_display
  rm -rf "$work"
}
