#!/usr/bin/env bash
# Builds Vantro and its tests, then runs every test under Wine on a private X display.
# Extra arguments go to ctest (for example -R store).
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/packages.sh"
build_vantro
ensure_prefix
cd "$BUILD"
xvfb-run -a -s "-screen 0 1280x1024x24" "$ROOT/scripts/wine-session.sh" \
  ctest --output-on-failure "$@"
