#!/usr/bin/env bash
# The sanitizers over the C++ code: the C++ tests built with AddressSanitizer
# and UndefinedBehaviorSanitizer (build-asan), and the tool's threaded runs
# built with ThreadSanitizer (build-tsan). A report ends the program that
# meets it and is written to a folder that has to stay empty, also when the
# program is the tool that a test started: any report fails this script.
# Run from scripts/test.sh, after setup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

reports=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$reports" "$work"' EXIT
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="log_path=$reports/tsan:halt_on_error=1:second_deadlock_stack=1"
export QT_QPA_PLATFORM=offscreen

# build FOLDER SANITIZERS TARGET...: the targets only, quietly unless it fails.
# With -O1 and line tables the build takes half the time of an optimised one,
# the assertions are on, and each frame of a report has its file and line.
build() {
  local folder=$1 sanitizers=$2
  shift 2
  if ! { cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
           -DQUELVARINOX_SANITIZE="$sanitizers" \
           -DQUELVARINOX_BENCHMARKS=OFF -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST &&
         cmake --build "$folder" -j"$(nproc)" --target "$@"; } > "$work/build.log" 2>&1; then
    cat "$work/build.log"
    exit 1
  fi
}

failed=0
tests=(core_tests text_tests engine_tests category_tests cli_tests library/library_tests picture_tests app/window_tests)
build build-asan address,undefined "${tests[@]##*/}"
test_count=0
for program in "${tests[@]}"; do
  if ! "build-asan/tests/$program" --gtest_brief=1 > "$work/out" 2>&1; then
    cat "$work/out"
    failed=1
  fi
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\.$/\1/p' "$work/out")
  test_count=$((test_count + ${passed:-0}))
done

# Runs that hand batches between threads in each way a run can end: all
# made, the last index passed (which says so with 1), the reader gone after
# 100000 lines, the list read and noted. Each one: its exit status, its options.
build build-tsan thread quelvarinox-nombres
list=$work/lista
runs=(
  "0 -c jedi -n 300000 -s 1 --hilos 2"
  "0 -c tatooine,kuat -n 60000 -s 2 --hilos 3 -a -f json --traza"
  "0 -c hapes,jedi,planetas -n 20000 -s 3 --hilos 4 -u --min-letras 6 --sin-malsonantes"
  "1 -c kuat -n 100 -s 4 --hilos 3 --min-letras 20 --desde 18446744073709541616"
  "0 -c adumar -n 5000000 -s 5 --hilos 2"
  "0 -c kuat -n 50000 -s 6 --hilos 3 --excluir $list --anotar $list"
  "0 -c kuat -n 50000 -s 6 --hilos 3 --excluir $list --anotar $list"
)
for run in "${runs[@]}"; do
  read -r -a words <<< "$run"
  options=("${words[@]:1}")
  set +e
  build-tsan/cli/quelvarinox-nombres "${options[@]}" 2> "$work/err" | head -n 100000 > /dev/null
  status=${PIPESTATUS[0]}
  set -e
  if [ "$status" != "${words[0]}" ]; then
    echo "quelvarinox-nombres ${options[*]}: salió con $status, no con ${words[0]}"
    cat "$work/err"
    failed=1
  fi
done

report_count=$(find "$reports" -type f | wc -l)
if [ "$report_count" -gt 0 ]; then
  cat "$reports"/*
  failed=1
fi
echo "Sanitizers: AddressSanitizer y UndefinedBehaviorSanitizer en $test_count pruebas de C++," \
     "ThreadSanitizer en ${#runs[@]} ejecuciones con hilos de quelvarinox-nombres;" \
     "informes: $report_count ($((SECONDS - start)) s)."
exit "$failed"
