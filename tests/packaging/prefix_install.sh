#!/usr/bin/env bash
# Installs the game into a prefix without root, moves the prefix elsewhere and
# starts the program from its new bin/: it still finds its files.
# Usage: prefix_install.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/first" >/dev/null
mv "$work/first" "$work/moved"
prefix=$work/moved
[ "$(readlink -f "$prefix/lib/pipstone/doc/help.html")" = "$prefix/share/doc/pipstone/help.html" ] || {
  echo "FAIL: the program's folder does not lead to the installed help page" >&2
  exit 1
}
"$source/tests/packaging/program_starts.sh" "$prefix/bin/pipstone" "$prefix/lib/pipstone" \
  "$prefix/share/doc/pipstone/help.html" "$source"
