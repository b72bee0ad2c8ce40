#!/usr/bin/env bash
# Installs what the build needs on Debian 12 and configures the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make dpkg-dev file qt6-base-dev libpcg-cpp-dev libgtest-dev libgmock-dev libbenchmark-dev
          pybind11-dev python3-dev pkg-config lintian desktop-file-utils man-db groff-base nlohmann-json3-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
