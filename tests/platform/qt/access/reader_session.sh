# A desktop of its own for a screen reader and the game: a virtual X server,
# and (run under dbus-run-session) a private session bus on which the
# accessibility bus starts when first asked for. Source it; it needs the
# folder $1 for its files and tools/desktop_session.sh beside $2, the
# project's folder. Nothing is read from or written to the user's own
# settings: HOME and the XDG folders point into $1.
source "$2/tools/desktop_session.sh"

start_reader_session() {
  local folder=$1
  export HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/.config" XDG_DATA_HOME="$folder/home/.local/share"
  export XDG_CACHE_HOME="$folder/home/.cache" XDG_RUNTIME_DIR="$folder/runtime"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  start_virtual_display "$folder" || return 1
  # The game talks to the accessibility bus as soon as it starts, as it does
  # when the desktop's screen reader is on.
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
  export GTK_MODULES=gail:atk-bridge NO_AT_BRIDGE=0
}

# Starts the game PROGRAM and gives its window the keyboard; the window's id
# is in GAME_WINDOW, the process in GAME_PID.
start_game() {
  "$1" &
  GAME_PID=$!
  GAME_WINDOW=$(wait_for_game_window) || return 1
  xdotool windowfocus --sync "$GAME_WINDOW"
}

stop_reader_session() {
  [ -z "${GAME_PID:-}" ] || kill "$GAME_PID" 2>/dev/null || true
  stop_virtual_display
}
