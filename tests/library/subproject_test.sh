#!/usr/bin/env bash
# The source tree $1 in another project's build, added with add_subdirectory as a
# game would take it in: its switches left as a subproject finds them, so only the
# library and the tool are built, Qt and pybind11 are never looked for, and the
# program gives the names of the tool ($2).
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

cmake -S "$(dirname "$0")/subproject" -B "$work" -DCMAKE_BUILD_TYPE=Release -DQUELVARINOX_TREE="$1" >/dev/null
for switch in WINDOW PYTHON TESTS BENCHMARKS; do
  grep -qx "QUELVARINOX_$switch:BOOL=OFF" "$work/CMakeCache.txt" || fail "QUELVARINOX_$switch is not off in a subproject"
done
# A package looked for in config mode leaves its <name>_DIR in the cache, found or not.
if looked_for=$(grep -E '^(Qt6|pybind11)_DIR' "$work/CMakeCache.txt"); then
  fail "the subproject looked for: $looked_for"
fi
cmake --build "$work" -j2 >/dev/null
diff -u <("$2" -s 7 -c "Ord Mantell" -n 5) <("$work/first_names")
diff -u <("$2" --version) <("$work/quelvarinox/cli/quelvarinox-nombres" --version)
