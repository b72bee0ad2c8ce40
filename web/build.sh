#!/usr/bin/env bash
# Builds the page and its WebAssembly module with Debian's Emscripten into
# BUILD/web, where BUILD is the native build folder ("build" if not given).
# The page is then the folder BUILD/web/site, for any static file server.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build}/web"
# Emscripten's JavaScript tools find Debian's Node modules (acorn) only here.
export NODE_PATH=/usr/share/nodejs
if [ ! -f "$out/CMakeCache.txt" ]; then
  # Built for size: the page makes a name at a time, and it loads faster.
  emcmake cmake -S web -B "$out" -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
fi
cmake --build "$out" -j"$(nproc)"
