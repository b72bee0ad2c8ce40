#!/usr/bin/env bash
# Installs the browser test's Node module into the folder $1, outside the sources:
# puppeteer-core at the version package.json names, which drives Debian's Chromium
# and downloads no browser of its own. Nothing is done when it is there already.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
into=$1
if [ ! "$into/node_modules/.package-lock.json" -nt "$here/package.json" ]; then
  mkdir -p "$into"
  cp "$here/package.json" "$into/"
  npm install --prefix "$into" --no-package-lock --no-audit --no-fund
fi
