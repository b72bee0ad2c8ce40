#!/usr/bin/env bash
# Installs the browser test's puppeteer-core, at the version of package.json, into
# the folder $1 unless it is there already. It downloads no browser of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd) into=$1
if [ ! "$into/node_modules/.package-lock.json" -nt "$here/package.json" ]; then
  mkdir -p "$into"
  cp "$here/package.json" "$into/"
  npm install --prefix "$into" --no-package-lock --no-audit --no-fund
fi
