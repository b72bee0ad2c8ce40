#!/usr/bin/env bash
# Installs, builds and runs the program; arguments go to quelvarinox-nombres.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
exec ./build/cli/quelvarinox-nombres "$@"
