#!/usr/bin/env bash
# Runs a command inside one persistent Wine session on the current X display.
# Wine's own services start here with their output sent nowhere: started by a test
# instead, they would inherit CTest's pipes and keep it waiting after the test ends.
set -euo pipefail
wineserver -k 2>/dev/null || true
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wine64 wineboot >/dev/null 2>&1 </dev/null || true
"$@"
