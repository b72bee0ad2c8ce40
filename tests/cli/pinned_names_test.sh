#!/usr/bin/env bash
# The same seed, options and version give the same names: any change of a table
# or of a draw shows here, as the categories and modes whose digest moved.
set -euo pipefail
source_dir=$1 tool=$2
diff -u "$source_dir/tests/cli/pinned_names.tsv" <("$source_dir/scripts/pin-names.sh" "$tool")
