# Drives the game's real window on a virtual X server, for tools/screenshot.sh
# and the tests of the installed program. Source it; it needs Xvfb, xdotool
# and ImageMagick's import.

# Starts Xvfb on a free display, writing its log into the folder $1, and
# exports DISPLAY. The caller ends it with stop_virtual_display.
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
  export DISPLAY
}

stop_virtual_display() {
  [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
}

# Prints the id of the game's window once it shows; fails after 30 s.
wait_for_game_window() {
  timeout 30 xdotool search --sync --onlyvisible --name '^Pipstone$' | head -n 1
}

# Saves what the window at $1 shows into the PNG file $2; fails unless it
# shows a painted game (tiles, labels and buttons: many colours, not a blank).
save_window_picture() {
  import -window "$1" -strip "$2"
  local colours
  colours=$(convert "$2" -format %k info:)
  if [ "$colours" -lt 16 ]; then
    echo "the window shows only $colours colours: nothing painted" >&2
    return 1
  fi
}
