#!/usr/bin/env bash
# Makes the Debian packages of the build folder $1 in a temporary folder and
# runs lintian on them: any error or warning fails, and every tag is shown.
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
log=$(cpack -G DEB --config "$1/CPackConfig.cmake" -B "$out" 2>&1) || { echo "$log" >&2; exit 1; }
packages=("$out"/*.deb)
[ -f "${packages[0]}" ] || { echo "cpack made no package" >&2; exit 1; }
basename -a "${packages[@]}"
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "${packages[@]}"
