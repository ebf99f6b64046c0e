#!/usr/bin/env bash
# Installs the game into a prefix without root, moves the prefix elsewhere and
# starts the program from its new games/: it still finds its files, and its
# manual page is there.
# Usage: prefix_install.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$work/first" >/dev/null
mv "$work/first" "$work/moved"
prefix=$work/moved
[ "$(readlink -f "$prefix/libexec/pipstone/doc/help.html")" = "$prefix/share/games/pipstone/help.html" ] ||
  fail "the program's folder does not lead to the installed help page"
MANPATH="$prefix/share/man" man -w 6 pipstone >/dev/null || fail "no manual page in section 6"
"$source/tests/packaging/program_starts.sh" "$prefix/games/pipstone" "$prefix/libexec/pipstone" \
  "$prefix/share/games/pipstone/help.html" "$source"
