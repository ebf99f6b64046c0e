#!/usr/bin/env bash
# Builds the Debian package, as `make deb` does, into a folder of its own.
# Usage: package_build.sh BUILD_FOLDER PACKAGE_FOLDER
set -euo pipefail
rm -rf "$2"
mkdir -p "$2"
cpack --config "$1/CPackConfig.cmake" -B "$2" >"$2/cpack.log" 2>&1 || {
  cat "$2/cpack.log" >&2
  exit 1
}
