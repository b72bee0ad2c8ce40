#!/usr/bin/env bash
# Installs, builds and runs every test, then the C++ ones under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
./scripts/sanitizers.sh
