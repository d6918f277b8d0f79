# Shared by run.sh and test.sh: configure and build, and a private Wine prefix
# inside the build tree so the user's ~/.wine is never touched.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VANTRO_BUILD:-$ROOT/build}
export PATH=/usr/lib/wine:$PATH
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

build_vantro() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$BUILD" -j"$(nproc)"
}

ensure_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    wine64 wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
}
