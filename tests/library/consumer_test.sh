#!/usr/bin/env bash
# Uses the installed library as its users would, from language $1: cpp builds a
# program with CMake's find_package, c one with pkg-config, python imports the
# module. Their seeded names must be the tool's ($2). The environment points
# CMake, pkg-config, Python and the loader at the installed tree.
set -euo pipefail
language=$1 tool=$2
here=$(cd "$(dirname "$0")/consumers" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check_first_names() {
  diff -u <("$tool" -s 7 -c "Ord Mantell" -n 5) <("$1" 7 "Ord Mantell" 5)
}

case $language in
  cpp)
    cmake -S "$here" -B "$work" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$work" >/dev/null
    check_first_names "$work/first_names" ;;
  c)
    # shellcheck disable=SC2046  # the flags are words
    cc -std=c99 -Wall -Wextra -Wpedantic -Werror "$here/first_names.c" -o "$work/first_names" \
       $(pkg-config --cflags --libs quelvarinox)
    check_first_names "$work/first_names" ;;
  python)
    "${PYTHON:?}" "$here/check_module.py" "$tool" ;;
esac
