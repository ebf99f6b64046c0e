#!/usr/bin/env bash
# Runs the screen reader Orca itself, with its debug log, while a key-only game
# of HANDS hands (3 unless given) is played on a virtual X server with its own
# session and accessibility bus, and prints what Orca spoke: the SPEECH OUTPUT
# lines of its log, then checks them against every line the game told
# (tools/orca_speech_check.py): exits 1 when Orca left out a move, a draw, a
# turn, a pass or a hand's result. Speech goes through speech-dispatcher and
# espeak-ng into ALSA's null device: nobody hears it, but Orca logs every
# line it sends.
# Takes a few minutes; not part of `make test`.
# Usage: tools/orca_speech.sh [HANDS] [PROGRAM]   (PROGRAM: build/pipstone)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
hands=${1:-3}
program=${2:-$root/build/pipstone}

for tool in orca speech-dispatcher Xvfb xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || {
    echo "$tool is missing: apt-get install orca speech-dispatcher-espeak-ng xvfb xdotool dbus-daemon at-spi2-core" >&2
    exit 1
  }
done

if [ -z "${IN_READER_SESSION:-}" ]; then
  exec env IN_READER_SESSION=1 dbus-run-session -- "$0" "$hands" "$program"
fi

work=$(mktemp -d)
access="$root/tests/platform/qt/access"
source "$access/reader_session.sh" "$work" "$root"
orca_pid=""
speech_pid=""
finish() {
  [ -z "$orca_pid" ] || kill "$orca_pid" 2>/dev/null || true
  # The speech server ignores TERM: its output modules are ended first, then
  # the server itself for good.
  if [ -n "$speech_pid" ]; then
    pkill -P "$speech_pid" 2>/dev/null || true
    kill -9 "$speech_pid" 2>/dev/null || true
  fi
  stop_reader_session
  wait 2>/dev/null || true
  # ORCA_LOG names a file to keep Orca's whole debug log in; the lines the
  # game told go beside it, in ORCA_LOG.told.
  [ -z "${ORCA_LOG:-}" ] || cp "$work/orca.log" "$ORCA_LOG"
  [ -z "${ORCA_LOG:-}" ] || cp "$work/told.log" "$ORCA_LOG.told" 2>/dev/null || true
  rm -rf "$work" 2>/dev/null || true
}
trap finish EXIT

start_reader_session "$work"
# A speech server of this session's own, which Orca finds in XDG_RUNTIME_DIR.
# It speaks into ALSA's null device: a server without a sound card to speak
# to would keep Orca waiting after its first lines.
printf 'pcm.!default {\n  type null\n}\n' >"$HOME/.asoundrc"
cp -r /etc/speech-dispatcher "$work/speechd"
echo 'AudioOutputMethod "alsa"' >>"$work/speechd/speechd.conf"
speech-dispatcher --run-single --timeout 0 --log-dir "$work" --config-dir "$work/speechd" &
speech_pid=$!
orca --replace --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
orca_pid=$!
until grep -q "SPEECH OUTPUT" "$work/orca.log" 2>/dev/null; do
  kill -0 "$orca_pid" || { cat "$work/orca.out" >&2; exit 1; }
  sleep 0.5
done
start_game "$program"
# A key every 400 ms at most, about as a player presses them, and only once
# Orca has worked through what came before (its log stopped growing): a
# blind player answers a box after hearing it. A listener writes down every
# line the game tells, as it comes.
PYTHONPATH="$access" /usr/bin/python3 "$access/key_game.py" "$hands" 400 "$work/told.log" "$work/orca.log" >&2
sleep 2
grep "SPEECH OUTPUT" "$work/orca.log"
PYTHONPATH="$access" /usr/bin/python3 "$root/tools/orca_speech_check.py" "$work/told.log" "$work/orca.log"
