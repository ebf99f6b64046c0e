#!/usr/bin/env bash
# The package's name, control fields and files, and its menu entry and
# metainfo through their validators.
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
expected="fonts-dejavu-core fonts-liberation fonts-wine libc6 libgcc-s1 libqt6core6 libqt6gui6 libqt6multimedia6
  libqt6svg6 libqt6widgets6 libstdc++6 qt6-qpa-plugins"
[ "$depends" = "$(echo $expected)" ] || fail "Depends: $depends"

# Every file and link, nothing else (directories aside).
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
expected_files="./usr/bin/pipstone -> ../lib/pipstone/pipstone
./usr/lib/pipstone/HAND-M.CUR
./usr/lib/pipstone/doc -> ../../share/doc/pipstone
./usr/lib/pipstone/libpipstone_sound.so
./usr/lib/pipstone/pic/Move.wav
./usr/lib/pipstone/pipstone
./usr/share/applications/pipstone.desktop
./usr/share/doc/pipstone/help.html
./usr/share/doc/pipstone/screenshot.png
./usr/share/icons/hicolor/16x16/apps/pipstone.svg
./usr/share/icons/hicolor/24x24/apps/pipstone.svg
./usr/share/icons/hicolor/scalable/apps/pipstone.svg
./usr/share/metainfo/org.example.pipstone.metainfo.xml"
[ "$files" = "$expected_files" ] || fail "files differ:$(diff <(echo "$expected_files") <(echo "$files"))"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree/usr/share/applications/pipstone.desktop" || fail "desktop-file-validate"
appstreamcli validate-tree --no-net "$tree" || fail "appstreamcli validate-tree"
echo "$deb: fields, files, menu entry and metainfo as expected"
