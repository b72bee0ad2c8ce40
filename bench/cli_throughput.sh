#!/usr/bin/env bash
# Times quelvarinox-nombres as a whole: COUNT names of every category, in both
# modes where the category has two, written to /dev/null on one thread, and
# prints names per second for each; then Adumar on two threads, and a grammar
# whose twenty patterns reject about one attempt in ten.
set -euo pipefail
tool=${1:?usage: cli_throughput.sh PATH_TO_quelvarinox-nombres [COUNT]}
count=${2:-10000000}

time_run() {
  local label=$1 start end
  shift
  start=$(date +%s.%N)
  "$tool" -n "$count" "$@" > /dev/null
  end=$(date +%s.%N)
  awk -v c="$label" -v n="$count" -v s="$start" -v e="$end" \
    'BEGIN { t = e - s; printf "%-22s %10.3f s  %12.0f nombres/s\n", c, t, n / t }'
}

"$tool" --lista | while IFS=$'\t' read -r _ category key alternative; do
  time_run "$category" -c "$key" --hilos 1
  if [ "$alternative" = "sí" ]; then time_run "$category -a" -c "$key" --hilos 1 -a; fi
done
time_run "Adumar --hilos 2" -c adumar --hilos 2
time_run "20 patrones" --gramatica "$(dirname "$0")/veinte-patrones.toml" --hilos 1
