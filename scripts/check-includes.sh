#!/usr/bin/env bash
# Fails when an include under src/ points the wrong way: from a folder to one above it,
# from the store to the window layer, or round a cycle of folders. Each folder may use
# the folders below it (and, without a cycle, those of its own rank). Checks the given
# source tree, or the project's src/.
set -euo pipefail
SRC=$(cd "${1:-$(dirname "$0")/../src}" && pwd)

declare -A rank=(
  [platform]=0 [ui]=1 [store]=2 [scheduler]=3 [remote]=3
  [editor]=4 [about]=4 [tray]=4 [integration]=4 [mainwindow]=5 [app]=6)

faults=0
edges=()
for dir in "$SRC"/*/; do
  folder=$(basename "$dir")
  if [ -z "${rank[$folder]+set}" ]; then
    echo "src/$folder: a folder with no place in the include order (add it to $0)"
    faults=$((faults + 1))
    continue
  fi
  while IFS=: read -r file line used; do
    [ "$used" = "$folder" ] && continue
    where="src/$folder/$(basename "$file"):$line"
    if [ -z "${rank[$used]+set}" ]; then
      continue  # not one of ours (a system or library header in quotes)
    elif [ "${rank[$used]}" -gt "${rank[$folder]}" ]; then
      echo "$where: $folder includes $used, which sits above it"
      faults=$((faults + 1))
    elif [ "$folder" = store ] && [ "$used" = ui ]; then
      echo "$where: the store includes the window layer"
      faults=$((faults + 1))
    fi
    edges+=("$folder $used")
  done < <(grep -HnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/' "$dir"*.h "$dir"*.cpp 2>/dev/null |
           sed -E 's/^([^:]+):([0-9]+):.*"([a-z]+)\/$/\1:\2:\3/')
done

# tsort names the folders of any loop among the edges.
if [ ${#edges[@]} -gt 0 ] && ! loop=$(printf '%s\n' "${edges[@]}" | sort -u | tsort 2>&1 >/dev/null); then
  echo "A cycle of folders:"
  grep -v 'input contains a loop' <<<"$loop" | sed 's/^tsort: /  /'
  faults=$((faults + 1))
fi

if [ "$faults" -gt 0 ]; then
  echo "Include order: $faults fault(s)" >&2
  exit 1
fi
