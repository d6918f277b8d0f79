#!/usr/bin/env bash
# Builds Vantro and its Windows installer, dist/Vantro-<version>-setup.exe, with NSIS.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/packages.sh"
build_vantro installer
version=$(sed -n 's/^project(Vantro VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
setup="dist/Vantro-$version-setup.exe"
echo "Built $setup ($(du -k "$ROOT/$setup" | cut -f1) KB)"
