#!/usr/bin/env bash
# The out-of-process screen reader test: the game on a virtual X server with
# its own accessibility bus, played with keys by reader_client_test.py, which
# listens on the bus as a screen reader does. Skips (77) without the tools.
# Usage: reader_client_test.sh PROGRAM SOURCE_FOLDER HANDS
set -euo pipefail
program=$1
source_folder=$2
hands=${3:-2}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

if [ -z "${IN_READER_SESSION:-}" ]; then
  exec env IN_READER_SESSION=1 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
source "$here/reader_session.sh" "$work" "$source_folder"
finish() {
  [ -z "${client:-}" ] || kill "$client" 2>/dev/null || true
  stop_reader_session
  rm -rf "$work"
}
trap finish EXIT

start_reader_session "$work"
# What the client heard stays in the working folder (the build tree under
# ctest) for a look afterwards. The game starts once the client listens.
rm -f reader_client_heard.log
PYTHONPATH="$here" /usr/bin/python3 "$here/reader_client_test.py" "$hands" reader_client_heard.log &
client=$!
until [ -s reader_client_heard.log ]; do
  kill -0 "$client" 2>/dev/null || break
  sleep 0.1
done
start_game "$program"
status=0
wait "$client" || status=$?
exit $status
