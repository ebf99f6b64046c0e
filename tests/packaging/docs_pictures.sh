#!/usr/bin/env bash
# The pictures of the game in docs/ show what the game draws today: they are
# taken again from the built game, as tools/screenshot.sh and
# tools/drop_screenshots.sh take them (on a virtual X server, the same deal
# every time), and compared with those in docs/. A few pixels may differ;
# other fonts, colours, tiles or places do not pass.
# Usage: docs_pictures.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$source/tools/screenshot.sh" "$build" "$work" >"$work/log" 2>&1 || fail "tools/screenshot.sh: $(cat "$work/log")"
"$source/tools/drop_screenshots.sh" "$build" "$work" >"$work/log" 2>&1 ||
  fail "tools/drop_screenshots.sh: $(cat "$work/log")"
for picture in screenshot.png drop-left.png drop-right.png; do
  differing=$(compare -metric AE -fuzz 5% "$source/docs/$picture" "$work/$picture" null: 2>&1 || true)
  [[ "$differing" =~ ^[0-9]+$ ]] || fail "$picture: $differing"
  [ "$differing" -le 100 ] ||
    fail "docs/$picture is out of date: $differing pixels differ from what the game draws; remake it with the tools"
done
echo "docs/ shows what the game draws"
