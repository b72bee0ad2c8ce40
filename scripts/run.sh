#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window from the repository's
# folder, so that it reads its pictures from ./dibujos.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
exec ./build/app/quelvarinox "$@"
