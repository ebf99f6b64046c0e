#!/usr/bin/env bash
# As root: `apt-get install ./pipstone_*.deb` puts pipstone on the PATH with
# its menu entry and icon, the installed game starts and finds its files, and
# `apt-get remove pipstone` takes every file away again. Skipped (77) without
# root, and when pipstone is already installed: that copy is the user's.
# Usage: package_apt_round_trip.sh PACKAGE_FOLDER VERSION SOURCE_FOLDER
set -euo pipefail
deb=$1/pipstone_$2_$(dpkg --print-architecture).deb
source=$3
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package needs root"
  exit 77
fi
if dpkg-query -W -f='${Status}' pipstone 2>/dev/null | grep -q "ok installed"; then
  echo "SKIP: pipstone is installed already"
  exit 77
fi
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@" >/dev/null; }

apt install "$deb"
trap 'apt remove pipstone' EXIT
[ "$(command -v pipstone)" = /usr/bin/pipstone ] || fail "pipstone on the PATH: $(command -v pipstone)"
for f in /usr/share/applications/pipstone.desktop /usr/share/icons/hicolor/scalable/apps/pipstone.svg; do
  [ -f "$f" ] || fail "missing $f"
done
"$source/tests/packaging/program_starts.sh" pipstone /usr/lib/pipstone /usr/share/doc/pipstone/help.html "$source"

files=$(dpkg -L pipstone | while read -r f; do [ -d "$f" ] || echo "$f"; done)
apt remove pipstone
trap - EXIT
left=$(for f in $files; do [ ! -e "$f" ] && [ ! -L "$f" ] || echo "$f"; done)
[ -z "$left" ] || fail "left behind after removal: $left"
[ ! -e /usr/lib/pipstone ] || fail "/usr/lib/pipstone is left behind"
echo "installed, started and removed $deb"
