#!/usr/bin/env bash
# Installs the build folder $1 into a temporary prefix and checks each file
# where the desktop, the icon theme and man look for it.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
cd "$prefix"

fail() { echo "$*" >&2; exit 1; }

for page in share/man/man1/quelvarinox.1.gz share/man/man1/quelvarinox-nombres.1.gz \
            share/man/man5/quelvarinox-gramatica.5.gz; do
  [ -f "$page" ] || fail "no manual page $page"
  # man formats without a pager when its output is not a terminal; --warnings
  # makes groff report what it cannot typeset.
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1)
  grep -q "^NOMBRE" <<<"$text" || fail "$page does not read as a manual page:"$'\n'"$text"
  ! grep -q "warning" <<<"$text" || fail "groff complains about $page:"$'\n'"$text"
done
for program in quelvarinox quelvarinox-nombres; do
  [ -x "bin/$program" ] || fail "no program bin/$program"
done
[ -s share/doc/quelvarinox/ejemplos/mi-lengua.toml ] || fail "no example grammar in share/doc/quelvarinox/ejemplos"

entry=share/applications/quelvarinox.desktop
desktop-file-validate "$entry"
grep -qx "Exec=quelvarinox" "$entry" || fail "$entry does not start bin/quelvarinox"
grep -qx "Icon=quelvarinox" "$entry" || fail "$entry does not name the icon"
[ -s share/icons/hicolor/scalable/apps/quelvarinox.svg ] || fail "no icon in the hicolor theme"
