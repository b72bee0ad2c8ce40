#!/usr/bin/env bash
# Builds the grammar fuzzer with clang into BUILD/fuzz and runs it for SECONDS
# on the built-in grammars, the examples and the files of tests/fuzz/seeds (which
# use what no built-in grammar does) as its seed corpus, under AddressSanitizer and
# UndefinedBehaviorSanitizer. An input that breaks something is written to
# BUILD/fuzz/found, and the run fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
out="${1:?uso: run.sh CARPETA_DE_COMPILACIÓN SEGUNDOS}/fuzz"
seconds=${2:?uso: run.sh CARPETA_DE_COMPILACIÓN SEGUNDOS}
if [ ! -f "$out/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S tests/fuzz -B "$out" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$out" -j"$(nproc)" --target grammar_fuzzer >/dev/null
rm -rf "$out/corpus"
mkdir -p "$out/corpus" "$out/found"
cp grammars/*.toml ejemplos/*.toml tests/fuzz/seeds/*.toml "$out/corpus/"
cp tests/engine/found/* "$out/corpus/" 2>/dev/null || true
"$out/grammar_fuzzer" -dict=tests/fuzz/grammar.dict -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/found/" -print_final_stats=1 "$out/corpus" 2>&1 | grep -E "^(stat::number_of_executed_units|==|SUMMARY|[a-z].* is not|an error)" || true
test -z "$(ls -A "$out/found")"
