#!/usr/bin/env bash
# Times quelvarinox-nombres as a whole: COUNT names of every category written to
# /dev/null, one category at a time, and prints names per second for each.
set -euo pipefail
tool=${1:?usage: cli_throughput.sh PATH_TO_quelvarinox-nombres [COUNT]}
count=${2:-10000000}

"$tool" --lista | while IFS=$'\t' read -r _ category key alternative; do
  for mode in "" "-a"; do
    [ -n "$mode" ] && [ "$alternative" != "sí" ] && continue
    start=$(date +%s.%N)
    "$tool" -c "$key" -n "$count" $mode > /dev/null
    end=$(date +%s.%N)
    awk -v c="$category${mode:+ $mode}" -v n="$count" -v s="$start" -v e="$end" \
      'BEGIN { t = e - s; printf "%-22s %10.3f s  %12.0f nombres/s\n", c, t, n / t }'
  done
done
