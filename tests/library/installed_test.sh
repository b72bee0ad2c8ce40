#!/usr/bin/env bash
# The installed library as its users take it, against the tool ($2): the symbols it
# exports, a C++ program found with find_package, a C one with pkg-config, the Python
# module ($1 says which). The environment points all of them at the installed tree.
set -euo pipefail
here=$(dirname "$0")/consumers work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case $1 in
  exported_symbols)  # the 94 of the interfaces: C functions, C++ classes' members, categories(), version(), learn()
    nm -D --defined-only -j "${LD_LIBRARY_PATH:?}/libquelvarinox.so" | c++filt >"$work/symbols"
    test "$(wc -l <"$work/symbols")" -eq 94
    ! grep -Ev '^(quelvarinox_(version|status_message|category_(count|at)|generator_(new|new_seeded|free|seed)|name|name_at|last_trace|last_refusal|grammar_(new|from_file|parse|parse_file|free|info|name|name_at|error_count|error_at|errors_free)|builtin_grammar_text|learn|learn_file)|quelvarinox::(Generator|UnknownCategory|Grammar|GrammarError|UnreadableGrammar|LearningError|NameRefused)::[^{]+|quelvarinox::(categories|version)\(\)|quelvarinox::learn(\[abi:cxx11\]|_file)\([^{]+\)|(vtable|typeinfo|typeinfo name) for quelvarinox::(UnknownCategory|GrammarError|UnreadableGrammar|LearningError|NameRefused))$' "$work/symbols"
    exit ;;
  python_consumer) "${PYTHON:?}" "$here/check_module.py" "$2"; exit ;;
  cpp_consumer) cmake -S "$here" -B "$work" >/dev/null; cmake --build "$work" >/dev/null ;;
  c_consumer) cc -std=c99 -Wall -Wextra -Wpedantic -Werror "$here/first_names.c" -o "$work/first_names" $(pkg-config --cflags --libs quelvarinox) ;;
esac
diff -u <("$2" -s 7 -c "Ord Mantell" -n 5) <("$work/first_names")
# A grammar of one's own: Lianna's, written out by the tool, as --gramatica reads it.
"$2" --exportar lianna >"$work/lianna.toml"
diff -u <("$2" -s 7 --gramatica "$work/lianna.toml" -n 5) <("$work/first_names" "$work/lianna.toml")
