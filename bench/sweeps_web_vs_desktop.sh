#!/usr/bin/env bash
# The everyday sweeps (bench/sweep_times.cpp) in the desktop build and under
# Node in the web build, in the same run, alternately: per formula the best
# time of each in nanoseconds per value and the web build's over the
# desktop's, then the geometric mean of those ratios. The two must sum each
# sweep's values alike.
# Usage: bench/sweeps_web_vs_desktop.sh [BUILD_DIR [WEB_BUILD_DIR [RUNS]]]
#   (defaults: build, build-web, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
desktop=${1:-build}/sweep_times web=${2:-build-web}/sweep_times.js runs=${3:-5}

times=$(mktemp)
trap 'rm -f "$times"' EXIT
for _ in $(seq "$runs"); do
  "$desktop" | sed 's/^/desktop /' >>"$times"
  node "$web" | sed 's/^/web /' >>"$times"
done
awk '
  !(($1, $2) in best) || $3 < best[$1, $2] { best[$1, $2] = $3 }
  $1 == "desktop" && !seen[$2]++ { order[++formulas] = $2 }
  { if (($1, $2) in sum && sum[$1, $2] != $4) unstable = 1; sum[$1, $2] = $4 }
  END {
    printf "%-18s %10s %10s %8s\n", "formula", "desktop ns", "web ns", "web/desk"
    for (i = 1; i <= formulas; i++) {
      f = order[i]
      ratio = best["web", f] / best["desktop", f]
      printf "%-18s %10.3f %10.3f %8.2f\n", f, best["desktop", f], best["web", f], ratio
      logs += log(ratio)
      if (sum["web", f] != sum["desktop", f]) { print "  the sums differ: " sum["desktop", f] " " sum["web", f]; differ = 1 }
    }
    printf "geometric mean of web / desktop: %.2f\n", exp(logs / formulas)
    exit differ || unstable
  }' "$times"
