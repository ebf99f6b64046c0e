#!/usr/bin/env bash
# `make test-install`, as root: `apt-get install ./pipstone_*.deb` puts
# pipstone on the PATH with its menu entry, icon and manual page, the
# installed game starts and finds its files, and `apt-get purge pipstone`
# takes every file and dpkg's record of it away again, with any package the
# install brought along. It changes the system
# while it runs, so `make test` leaves it out. Refuses without root, and when
# pipstone is installed already: that copy is the user's.
# Usage: package_apt_round_trip.sh PACKAGE SOURCE_FOLDER
set -euo pipefail
deb=$(realpath "$1")
source=$2
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
if dpkg-query -W -f='${Status}' pipstone 2>/dev/null | grep -q "installed"; then
  fail "pipstone is installed already; that copy is left alone"
fi
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@" >/dev/null; }

installed() { dpkg-query -W -f='${db:Status-Status} ${Package}\n' | awk '$1 == "installed" { print $2 }' | sort; }
before=$(installed)
# Without recommends: what the game needs and nothing more.
apt install --no-install-recommends "$deb"
brought() { comm -13 <(echo "$before") <(installed); }
trap 'apt purge $(brought)' EXIT
[ "$(PATH=/usr/local/bin:/usr/bin:/bin:/usr/games command -v pipstone)" = /usr/games/pipstone ] ||
  fail "pipstone is not on the PATH in /usr/games"
for f in /usr/share/applications/pipstone.desktop /usr/share/icons/hicolor/scalable/apps/pipstone.svg; do
  [ -f "$f" ] || fail "missing $f"
done
man -w 6 pipstone >/dev/null || fail "no manual page pipstone(6)"
"$source/tests/packaging/program_starts.sh" /usr/games/pipstone /usr/libexec/pipstone \
  /usr/share/games/pipstone/help.html "$source"

files=$(dpkg -L pipstone | while read -r f; do [ -d "$f" ] || echo "$f"; done)
apt purge $(brought)
trap - EXIT
[ -z "$(brought)" ] || fail "still installed: $(brought)"
left=$(for f in $files; do [ ! -e "$f" ] && [ ! -L "$f" ] || echo "$f"; done)
[ -z "$left" ] || fail "left behind after removal: $left"
for folder in /usr/libexec/pipstone /usr/share/games/pipstone /usr/share/doc/pipstone; do
  [ ! -e "$folder" ] || fail "$folder is left behind"
done
[ -z "$(dpkg -l pipstone 2>/dev/null | grep '^[a-z][a-z] ')" ] || fail "dpkg still knows pipstone: $(dpkg -l pipstone)"
echo "installed, started and purged $deb"
