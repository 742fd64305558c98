#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing for what is already there.
# Usage: scripts/bootstrap.sh [--no-windows | --demo]
#   --no-windows  leave out the cross compiler and Wine
#   --demo        only what building pelmora-convert needs: compiler, CMake, Ninja
set -euo pipefail

native=(cmake g++ make ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
        qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth xdotool valgrind clang libclang-rt-14-dev
        dpkg-dev lintian help2man file unzip desktop-file-utils geany geany-common libgtk-3-dev)
windows=(g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev wine wine32 wine64 wixl msitools)

want_windows=1
case "${1:-}" in
  --no-windows) want_windows=0 ;;
  --demo) want_windows=0; native=(cmake g++ ninja-build) ;;
esac

missing=()
is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for p in "${native[@]}"; do is_installed "$p" || missing+=("$p"); done
if [ "$want_windows" = 1 ]; then
  for p in "${windows[@]}"; do
    is_installed "$p" || is_installed "$p:i386" || missing+=("$p")
  done
fi
[ ${#missing[@]} -eq 0 ] && { echo "bootstrap: all packages present"; exit 0; }

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ "$want_windows" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
pkgs=()
for p in "${missing[@]}"; do
  case "$p" in wine32) pkgs+=("wine32:i386") ;; *) pkgs+=("$p") ;; esac
done
$sudo apt-get install -y -q --no-install-recommends "${pkgs[@]}"
