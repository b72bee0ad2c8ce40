#!/usr/bin/env bash
# consumer.cpp against the headers of this build, as C++17 ($1, the compiler;
# the rest, its -I options): by today's names without a warning, even with
# -Werror; by those of version 2.1 it compiles too, with a deprecation warning
# for each old name that gives the new one.
set -euo pipefail
compiler=$1
shift
flags=(-std=c++17 -Wall -Wextra -Wpedantic -fsyntax-only "$@" "$(dirname "$0")/consumer.cpp")
export LC_ALL=C
"$compiler" -Werror "${flags[@]}"
warnings=$("$compiler" -DOLD_NAMES "${flags[@]}" 2>&1)
for renamed in CategoryInfo:Category InvalidGrammar:GrammarError UserGrammar:Grammar; do
  old=${renamed%%:*} new=${renamed#*:}
  if ! grep -q "using $old = .* is deprecated: ahora se llama quelvarinox::$new " <<<"$warnings"; then
    echo "no deprecation of $old in:"$'\n'"$warnings" >&2
    exit 1
  fi
done
