#!/usr/bin/env bash
# RonriLab: installs what is missing, builds, then starts the program
# (./ronrilab.sh) or runs every test (./ronrilab.sh test).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  coinor-libcbc-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

case "${1:-run}" in
  run)
    install_missing "${PACKAGES[@]}"
    build build
    # help.hlp is looked up in the current directory.
    exec ./build/ronrilab
    ;;
  test)
    install_missing "${PACKAGES[@]}"
    build build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 600
    ;;
  *)
    echo "usage: $0 [test]" >&2
    exit 2
    ;;
esac
