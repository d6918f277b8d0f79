#!/usr/bin/env bash
# The tests' share of the code, as non-blank lines: tests are the C++ files under
# tests/; code is the C++ and resource files of the program, the launcher, the server
# and the benchmarks, plus the installer script.
set -euo pipefail
cd "$(dirname "$0")/.."

nonblank() { grep -cv '^[[:space:]]*$' "$@" /dev/null | awk -F: '{ n += $NF } END { print n + 0 }'; }

tests=$(nonblank $(find tests -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \)))
code=$(nonblank $(find src launcher server bench -type f \
         \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.rc' \)) installer/Vantro.nsi)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d, code %d, ratio %.2f\n", t, c, t / c }'
