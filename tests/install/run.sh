#!/usr/bin/env bash
# Installs Vantro silently into a fresh Wine prefix, checks what the setup left,
# uninstalls it silently and checks again. The checks are test_install.exe's.
#   run.sh <test_install.exe> <setup.exe> <prefix folder>
set -euo pipefail
checks=$1 setup=$2 prefix=$3
[ -f "$setup" ] || { echo "no installer at $setup (is makensis installed?)"; exit 1; }
export PATH=/usr/lib/wine:$PATH WINEPREFIX=$prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
log=$prefix.log

# The script grants nothing to anyone: no access list is written in it. (Wine keeps no
# access list of a folder, so the installed folder cannot show it.)
if grep -nE '"D:[A-Z]*\(A;|SetNamedSecurityInfo|SetEntriesInAcl|AccessControl::' "$(dirname "$0")/../../installer/Vantro.nsi"; then
  echo "the installer script grants access"; exit 1
fi

rm -rf "$prefix"
wine64 wineboot -i >"$log" 2>&1 </dev/null
timeout 120 wineserver -w
# One Wine session from the install to the last check: Wine keeps a key's access list
# only while its registry server runs.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine's services must not hold CTest's pipes: their output goes to the log.
wine64 wineboot >>"$log" 2>&1 </dev/null
failed=0
# The store as an install of 1.5.0 left it, for the install over it.
wine64 "$checks" --gtest_filter='Before.*' </dev/null || failed=1
wine64 "$setup" /S /StartWithWindows >>"$log" 2>&1 </dev/null

# Leaves Vantro running and a task in the store: the uninstaller must end the one
# and keep the other. The uninstall runs whatever the first checks found.
wine64 "$checks" --gtest_filter='Installed.*' </dev/null || failed=1
# The uninstaller goes on from a copy of itself; its entry is the last thing it removes.
wine64 'C:\Program Files\Vantro\Uninstall.exe' /S >>"$log" 2>&1 </dev/null
for _ in $(seq 90); do
  wine64 reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Vantro' >/dev/null 2>&1 || break
  sleep 1
done
sleep 2
wine64 "$checks" --gtest_filter='Uninstalled.*' </dev/null || failed=1
exit $failed
