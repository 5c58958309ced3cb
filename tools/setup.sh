#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those that
# are missing) and builds the program into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev
          libbenchmark-dev locales poppler-utils xvfb xauth fonts-dejavu-core fonts-urw-base35 fonts-liberation2 fontconfig)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The tests check that numbers and dates stay fixed under a decimal-comma
# locale, so one must exist.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
