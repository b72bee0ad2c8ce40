#!/usr/bin/env bash
# The npm package's tarball $1 as a JavaScript developer takes it: installed into
# an empty folder without the network, then imported by its name from Node by
# package_check.mjs, and from TypeScript ($3, the compiler) by a program whose
# names, of a category and of its grammar, and whose message for a list with no
# names must be the tool's ($2).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
npm install --offline --no-audit --no-fund --no-package-lock --silent "$1"
cp "$here/package_check.mjs" "$here/typed_use.mts" .
node package_check.mjs "$2" "$here/../../ejemplos"
"$3" --strict --module node16 --moduleResolution node16 --target es2022 typed_use.mts
diff -u <(for twice in 1 2; do "$2" -s 7 -c "Ord Mantell" -n 5; done
          "$2" --aprender - </dev/null 2>&1 | sed 's/^quelvarinox-nombres: (entrada estándar): //') <(node typed_use.mjs)
