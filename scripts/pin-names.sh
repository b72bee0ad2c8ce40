#!/usr/bin/env bash
# The digest of the category list, then of the first 2000 names that seed 1
# gives for every category in both modes: one line each, category key, mode,
# the first 16 hex digits of its SHA-256. The tests compare it
# with tests/cli/pinned_names.tsv; after a deliberate change of a grammar:
#   scripts/pin-names.sh build/cli/quelvarinox-nombres > tests/cli/pinned_names.tsv
set -euo pipefail
tool=${1:?uso: pin-names.sh RUTA/A/quelvarinox-nombres}
digest() { sha256sum | cut -c1-16; }
printf 'lista\t-\t%s\n' "$("$tool" --lista | digest)"
"$tool" --lista | cut -f3 | while read -r key; do
  for mode in normal alternativo; do
    option=""; [ "$mode" = alternativo ] && option=-a
    printf '%s\t%s\t%s\n' "$key" "$mode" "$("$tool" -s 1 -n 2000 -c "$key" $option | digest)"
  done
done
