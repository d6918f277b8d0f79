#!/usr/bin/env bash
# Builds Vantro and starts it under Wine: on $DISPLAY when there is one, otherwise on
# a private X display of its own, with screenshots of that display written to a file
# (VANTRO_SCREENSHOT, build/vantro-screen.png by default): the first a few seconds
# after the start, another whenever Enter is pressed or the script gets SIGUSR1.
# A Wine desktop window gives Vantro a taskbar with a tray.
set -euo pipefail
source "$(dirname "$0")/common.sh"
[ -n "${DISPLAY:-}" ] || export VANTRO_WANT_SCREENSHOT=1
"$ROOT/scripts/packages.sh"
build_vantro Vantro task
ensure_prefix
cd "$BUILD/bin"
start=(wine64 explorer /desktop=Vantro,1024x768 Vantro.exe)
if [ -n "${DISPLAY:-}" ]; then
  exec "${start[@]}"
fi

shot=${VANTRO_SCREENSHOT:-$BUILD/vantro-screen.png}
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
sleep 1
end() {
  # The orderly exit first (taskkill without /f asks the window to close), then by force.
  wine64 taskkill /im Vantro.exe >/dev/null 2>&1 || true
  timeout 10 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap end EXIT
trap 'exit 130' INT TERM
screenshot() {
  if import -display "$DISPLAY" -window root "$shot" 2>/dev/null; then
    echo "Screenshot of the display written to $shot"
  else
    echo "No screenshot could be taken of $DISPLAY"
  fi
}
trap screenshot USR1

echo "No display here: Vantro runs on a private X display ($DISPLAY, 1024x768)."
echo "A screenshot of it goes to $shot in a few seconds."
"${start[@]}" &
vantro=$!
sleep 5
screenshot
echo "Press Enter for a new screenshot (or send SIGUSR1 to process $$); Ctrl+C ends Vantro."
while kill -0 "$vantro" 2>/dev/null; do
  if [ -t 0 ]; then
    if read -r -t 1 _; then screenshot; fi
  else
    sleep 1
  fi
done
