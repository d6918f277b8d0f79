#!/usr/bin/env bash
# Checks the include order, builds Vantro and its tests (and the program alone with
# Clang), then runs every test under Wine on a private X display.
# Extra arguments go to the Wine run's ctest (for example -R store).
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/packages.sh"
"$ROOT/scripts/check-includes-test.sh"
"$ROOT/scripts/check-includes.sh"

# The parts that need no Windows, natively under AddressSanitizer and UBSan.
cmake -S "$ROOT/native" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD/native" -j"$(nproc)"
ctest --test-dir "$BUILD/native" --output-on-failure

build_vantro
# The program alone with the second compiler: the code is tied to neither.
build_vantro_with_clang
ensure_prefix
cd "$BUILD"
xvfb-run -a -s "-screen 0 1280x1024x24" "$ROOT/scripts/wine-session.sh" \
  ctest --output-on-failure "$@"
