#!/usr/bin/env bash
# Builds Vantro and starts it under Wine: on $DISPLAY when there is one, otherwise on
# a private Xvfb display. A Wine desktop window gives it a taskbar with a tray.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/packages.sh"
build_vantro Vantro task
ensure_prefix
cd "$BUILD/bin"
start=(wine64 explorer /desktop=Vantro,1024x768 Vantro.exe)
if [ -n "${DISPLAY:-}" ]; then
  exec "${start[@]}"
else
  exec xvfb-run -a -s "-screen 0 1024x768x24" "${start[@]}"
fi
