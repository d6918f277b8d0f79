#!/usr/bin/env bash
# Makes sure the cross compilers (GCC and Clang), Wine and its fonts, Xvfb, GoogleTest's
# source and NSIS (for the installer) are on this machine.
# As root it installs what is missing; otherwise it names the packages.
set -euo pipefail

need=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(mingw-w64)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
command -v xvfb-run >/dev/null || need+=(xvfb)
command -v xauth >/dev/null || need+=(xauth)
command -v cmake >/dev/null || need+=(cmake)
# ip netns: the test of a peer that vanishes without a word.
command -v ip >/dev/null || need+=(iproute2)
command -v g++ >/dev/null || need+=(g++)
# The second compiler the test command builds the program with.
command -v clang++-14 >/dev/null || need+=(clang-14)
command -v ld.lld >/dev/null || need+=(lld)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
command -v makensis >/dev/null || need+=(nsis)
# Wine's own fonts: without them the caption buttons are drawn as letters.
[ -d /usr/share/wine/fonts ] || need+=(fonts-wine)
if [ "${VANTRO_WANT_SCREENSHOT:-0}" = 1 ]; then
  command -v import >/dev/null || need+=(imagemagick)
fi

[ ${#need[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${need[@]}" >/dev/null
else
  echo "Please install these Debian packages first: ${need[*]}" >&2
  exit 1
fi
