#!/usr/bin/env bash
# RonriLab: installs what is missing, builds, then starts the program
# (./ronrilab.sh) or runs every test (./ronrilab.sh test). ./ronrilab.sh package
# also makes the Debian package build/ronrilab_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")"

# Everything the build, the tests and the program need on a minimal Debian 12
# (debootstrap --variant=minbase; .ci/fresh-debian proves it). The solver's
# link line also asks for zlib.
PACKAGES=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  coinor-libcbc-dev zlib1g-dev libgraphviz-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core)
# Only for the package: dpkg-shlibdeps finds the run-time libraries it depends
# on; CPack runs file(1) on what it packs.
PACKAGE_TOOLS=(dpkg-dev file)

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
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)"
    ;;
  package)
    install_missing "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
    build build
    rm -f build/ronrilab_*.deb
    (cd build && cpack -G DEB >/dev/null)
    deb=$(ls build/ronrilab_*.deb)
    echo "$deb"
    if command -v lintian >/dev/null; then lintian "$deb"; fi
    ;;
  *)
    echo "usage: $0 [test|package]" >&2
    exit 2
    ;;
esac
