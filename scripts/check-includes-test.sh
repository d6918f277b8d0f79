#!/usr/bin/env bash
# Feeds the include check small source trees: one in order must pass, each wrong
# arrow must fail.
set -euo pipefail
CHECK="$(dirname "$0")/check-includes.sh"
TREE=$(mktemp -d)
trap 'rm -rf "$TREE"' EXIT

# Each case: lines of "folder/file: included folder" ("-" for none), then pass or fail.
expect() {
  local want=$1 name=$2; shift 2
  rm -rf "${TREE:?}"/*
  for line in "$@"; do
    local file=${line%%:*} used=${line#*: }
    mkdir -p "$TREE/$(dirname "$file")"
    [ "$used" = - ] && touch "$TREE/$file" || echo "#include \"$used/X.h\"" >>"$TREE/$file"
  done
  if "$CHECK" "$TREE" >/dev/null 2>&1; then got=pass; else got=fail; fi
  [ "$got" = "$want" ] || { echo "include check, $name: expected $want, got $got" >&2; exit 1; }
}

expect pass "downward and sideways" "app/A.cpp: mainwindow" "mainwindow/A.cpp: tray" "tray/A.cpp: about" \
  "about/A.h: platform" "store/A.cpp: platform" "scheduler/A.cpp: store" "remote/A.h: ui" "ui/A.h: -"
expect fail "upward" "scheduler/A.cpp: editor" "editor/A.h: -"
expect fail "store to ui" "store/A.cpp: ui" "ui/A.h: -"
expect fail "a cycle of one rank" "tray/A.cpp: integration" "integration/A.cpp: about" "about/A.h: tray"
expect fail "an unranked folder" "extra/A.cpp: platform" "platform/A.h: -"
