#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only those that are missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6opengl6-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-wine
  qt6-base-private-dev
  # packaging and its tests: validators, the Debian package tools, and the
  # installed game started on a virtual X server (faketime holds the clock of
  # day still, for the same deal in the pictures of docs/)
  desktop-file-utils appstream dpkg-dev file lintian man-db
  xvfb xdotool imagemagick strace x11-utils faketime
  # the fuzz targets of the file readers (make fuzz): libFuzzer through clang
  clang libclang-rt-14-dev
  # the screen reader test: a private session and accessibility bus, and a
  # client that listens on it as a screen reader does
  dbus-daemon at-spi2-core python3-pyatspi python3-gi
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
