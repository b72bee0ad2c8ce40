#!/usr/bin/env bash
# Compares two builds of quelvarinox-nombres category by category: each round
# runs the same COUNT names on one thread with one build and then the other,
# so both see the same machine, and the median of the rounds' ratios is printed
# (new build's speed over the old one's; above 1 the new build is faster).
# Time is the processor time of the run, which other work on the machine
# disturbs less than the clock does.
set -euo pipefail
old=${1:?usage: paired_speed.sh OLD_TOOL NEW_TOOL [COUNT] [ROUNDS]}
new=${2:?usage: paired_speed.sh OLD_TOOL NEW_TOOL [COUNT] [ROUNDS]}
count=${3:-2000000}
rounds=${4:-5}

seconds() {
  local TIMEFORMAT="%3U + %3S"
  echo "$( { time "$@" > /dev/null; } 2>&1 )" | bc -l
}

printf "%-22s %12s %12s %8s\n" categoría "antes/s" "ahora/s" razón
"$new" --lista | while IFS=$'\t' read -r _ category key alternative; do
  for mode in "" -a; do
    if [ -n "$mode" ] && [ "$alternative" != "sí" ]; then continue; fi
    ratios=() olds=() news=()
    for _ in $(seq "$rounds"); do
      o=$(seconds "$old" -n "$count" -c "$key" --hilos 1 $mode)
      n=$(seconds "$new" -n "$count" -c "$key" --hilos 1 $mode)
      olds+=("$o") news+=("$n") ratios+=("$(echo "$o / $n" | bc -l)")
    done
    median() { printf "%s\n" "$@" | sort -g | sed -n "$(( (rounds + 1) / 2 ))p"; }
    printf "%-22s %12.0f %12.0f %8.2f\n" "$category${mode:+ $mode}" \
      "$(echo "$count / $(median "${olds[@]}")" | bc -l)" \
      "$(echo "$count / $(median "${news[@]}")" | bc -l)" "$(median "${ratios[@]}")"
  done
done
