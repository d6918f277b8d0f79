# Shared by run.sh and test.sh: configure and build, and a private Wine prefix
# inside the build tree so the user's ~/.wine is never touched.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VANTRO_BUILD:-$ROOT/build}
export PATH=/usr/lib/wine:$PATH
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Builds the given targets, or everything when none is named.
build_vantro() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$BUILD" -j"$(nproc)" "${targets[@]}"
}

# The three programs, without tests, with Clang and lld into build/clang.
build_vantro_with_clang() {
  cmake -S "$ROOT" -B "$BUILD/clang" -DCMAKE_BUILD_TYPE=Release -DVANTRO_TESTS=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/clang-mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$BUILD/clang" -j"$(nproc)" --target Vantro task vantro-server
}

ensure_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    wine64 wineboot -i >/dev/null 2>&1 || true
    # Windows not handed to an X window manager: without one (Xvfb) Wine otherwise
    # waits two seconds on every window that closes.
    wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Wine's own fonts (Debian package fonts-wine) are not found where Debian puts them:
  # without Marlett the caption buttons are drawn as letters. The prefix gets a copy.
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
}
