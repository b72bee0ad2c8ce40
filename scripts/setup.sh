#!/usr/bin/env bash
# Installs what the builds and the tests need on Debian 12, then builds the
# programs, the web page (build/web/site), the npm package (build/web/quelvarinox-*.tgz)
# and the browser test's Node modules.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make dpkg-dev file qt6-base-dev libjpeg-dev libpcg-cpp-dev libgtest-dev libgmock-dev libbenchmark-dev
          pybind11-dev python3-dev pkg-config lintian desktop-file-utils man-db groff-base nlohmann-json3-dev
          emscripten node-acorn node-typescript nodejs chromium libtomlplusplus-dev clang libclang-rt-14-dev time)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
# Debian's nodejs comes without npm; other builds of nodejs bring their own.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
./web/build.sh build

tests/web/install_modules.sh build/web-tests
