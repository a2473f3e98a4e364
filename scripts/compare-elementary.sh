#!/usr/bin/env bash
# The core's elementary functions on COUNT seeded arguments each, compared bit
# for bit between the desktop build and the WebAssembly build; and, on the
# desktop, how often they read the same as the system's C library.
# Usage: scripts/compare-elementary.sh [COUNT] [BUILD_DIR] [WEB_BUILD_DIR]
#   (defaults: 1000, build, build-web)
# Exit status: 0 when the two builds give the same bits for every argument,
# 1 when any differ, 2 when a build's elementary_values is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

count=${1:-1000}
native=${2:-build}/elementary_values
web=${3:-build-web}/elementary_values.js
for program in "$native" "$web"; do
  [[ -f $program ]] || { echo "$program not found: build the target elementary_values" >&2; exit 2; }
done

echo "The desktop build against the system's C library:"
"$native" "$count" --against-library

echo
echo "The desktop build against the WebAssembly build:"
# Every line of the one beside the same line of the other; a build that stops
# early leaves lines short, and those count as differences too.
paste -d ' ' <("$native" "$count") <(node "$web" "$count") | awk -v count="$count" '
  !($1 in lines) { order[++functions] = $1 }
  { lines[$1]++ }
  NF != 8 || $1 != $5 || $2 != $6 || $3 != $7 || $4 != $8 {
    differ[$1]++
    if (++shown <= 10) print "  differs: " $0
  }
  END {
    for (i = 1; i <= functions; i++) {
      f = order[i]
      printf "  %-6s %10d arguments, %d differ\n", f, lines[f], differ[f]
      total += differ[f]
      if (lines[f] != count) total++
    }
    if (functions == 0) total++
    print total ? "  DIFFERENT" : "  the same, bit for bit"
    exit total != 0
  }'
