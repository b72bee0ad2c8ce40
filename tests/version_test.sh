#!/usr/bin/env bash
# The version $2 is written in two files of the source tree $1: project() of the
# top CMakeLists.txt, and the head of the Debian changelog, which the packages
# must agree with. Every other file takes it from the build; tests and Markdown
# files aside, none may hold a copy.
#
# A copy is the version, with or without a patch number, where it stands as a
# version: after a word and a space ("Quelvarinox 2.1"), after "=" or "v", or
# between quotes or parentheses. A number in code or a style that happens to
# equal it ("QSizeF(2.1, 1.2)", "2.1rem") is none.
set -euo pipefail
cd "$1"
version="${2//./\\.}(\.[0-9]+)?"
pattern="([A-Za-z] |[=v])$version([^.0-9]|\.([^0-9]|\$)|\$)|[\"'(]$version[\"')]"
holders=$(find . -name .git -prune -o -type d -exec test -e '{}/CMakeCache.txt' \; -prune -o \
               -type f ! -path './tests/*' ! -name '*.md' -print0 | xargs -0 grep -IlE "$pattern" | sort) || true
if [ "$holders" != $'./CMakeLists.txt\n./packaging/changelog' ]; then
  echo "the version $2 is written in:"$'\n'"$holders" >&2
  exit 1
fi
