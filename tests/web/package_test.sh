#!/usr/bin/env bash
# The npm package's tarball $1 as a JavaScript developer takes it: installed into
# an empty folder without the network, then imported by its name from Node by
# package_check.mjs, and from TypeScript ($3, the compiler) by a program whose
# names, of a category and of its grammar, must be the tool's ($2), and one that
# learns from a list with no names.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
npm install --offline --no-audit --no-fund --no-package-lock --silent "$1"
cp -r "$here/package_check.mjs" "$here/first_names.mts" "$here/../library/lists" .
node package_check.mjs "$2" "$here/../../ejemplos"
# learn() as a TypeScript program types it: its options, and its error for a list with no names.
cat >learned.mts <<'EOF'
import { LearningError, load, type LearnOptions } from 'quelvarinox';

const options: LearnOptions = { displayText: 'Los míos', key: 'mios', threshold: 1 };
try {
  const text: string = (await load()).learn('', options);
  console.log(text);
} catch (error) {
  if (!(error instanceof LearningError)) throw error;
  console.log(error.message);
}
EOF
"$3" --strict --module node16 --moduleResolution node16 --target es2022 first_names.mts learned.mts
diff -u <(for twice in 1 2; do "$2" -s 7 -c "Ord Mantell" -n 5; done) <(node first_names.mjs)
diff -u <("$2" --aprender - </dev/null 2>&1 | sed 's/^quelvarinox-nombres: (entrada estándar): //') <(node learned.mjs)
