#!/usr/bin/env bash
# The package's name, control fields and files, the package through lintian
# as a distribution checks it, and its menu entry and metainfo through their
# validators; nothing is installed.
# Usage: package_contents.sh PACKAGE_FOLDER VERSION
set -euo pipefail
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
deb=$1/pipstone_$2_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb; the folder holds: $(ls "$1")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pipstone ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$2" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
# The libraries found by dpkg-shlibdeps, the window-system plugins and the
# fonts; versions aside.
depends=$(field Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g' | sort | xargs)
# The screen reader's announcements go through Qt's private accessibility
# bridge on D-Bus, which ties the game to its Qt release (qt6-base-abi).
expected="fonts-dejavu-core fonts-liberation fonts-wine libc6 libgcc-s1 libqt6core6 libqt6dbus6 libqt6gui6
  libqt6multimedia6 libqt6widgets6 libstdc++6 qt6-base-abi qt6-qpa-plugins"
[ "$depends" = "$(echo $expected)" ] || fail "Depends: $depends"
[ "$(field Recommends)" = xdg-utils ] || fail "Recommends: $(field Recommends)"

# Every file and link, nothing else (directories aside).
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
expected_files="./usr/games/pipstone -> ../libexec/pipstone/pipstone
./usr/libexec/pipstone/HAND-M.CUR
./usr/libexec/pipstone/doc -> ../../share/games/pipstone
./usr/libexec/pipstone/libpipstone_sound.so
./usr/libexec/pipstone/pic/Move.wav
./usr/libexec/pipstone/pipstone
./usr/share/applications/pipstone.desktop
./usr/share/doc/pipstone/changelog.gz
./usr/share/doc/pipstone/copyright
./usr/share/games/pipstone/drop-left.png
./usr/share/games/pipstone/drop-right.png
./usr/share/games/pipstone/help.html
./usr/share/games/pipstone/screenshot.png
./usr/share/icons/hicolor/16x16/apps/pipstone.svg
./usr/share/icons/hicolor/24x24/apps/pipstone.svg
./usr/share/icons/hicolor/scalable/apps/pipstone.svg
./usr/share/lintian/overrides/pipstone
./usr/share/man/man6/pipstone.6.gz
./usr/share/metainfo/arpa.home.pipstone.metainfo.xml"
[ "$files" = "$expected_files" ] || fail "files differ:$(diff <(echo "$expected_files") <(echo "$files"))"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree/usr/share/applications/pipstone.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$tree/usr/share/metainfo/arpa.home.pipstone.metainfo.xml" ||
  fail "appstreamcli validate --pedantic"
appstreamcli validate-tree --no-net "$tree" || fail "appstreamcli validate-tree"
zcat "$tree/usr/share/man/man6/pipstone.6.gz" | MANWIDTH=80 man --warnings -l - 2>"$tree/man-warnings" >/dev/null
[ ! -s "$tree/man-warnings" ] || fail "the manual page: $(cat "$tree/man-warnings")"

# Every tag at every level, experimental and pedantic ones too, is either
# fixed or overridden in the package with its reason. Lintian's own scratch
# files go into the folder this test removes.
tags=$(TMPDIR="$tree" lintian -I -E --pedantic --fail-on error,warning,info,pedantic "$deb" 2>"$tree/lintian-errors") ||
  fail "lintian: $tags $(grep -v 'running with root privileges' "$tree/lintian-errors")"
[ -z "$tags" ] || fail "lintian: $tags"
echo "$deb: fields, files, menu entry and metainfo as expected"
