#!/usr/bin/env bash
# A whole job in the web edition's Node program beside the desktop program in
# the same run: a 64 KB text through Integrate, Node's start included. Prints
# each program's median time and the web edition's over the desktop's.
# Usage: bench/web_vs_desktop.sh [DESKTOP_PROGRAM [NODE_PROGRAM [RUNS]]]
set -euo pipefail
cd "$(dirname "$0")/.."
desktop=${1:-build/plotmere} web=${2:-build-web/plotmere-headless.js} runs=${3:-9}

job=$(mktemp)
trap 'rm -f "$job"' EXIT
python3 -c 'import random; random.seed(7)
print("type FunctionIn " + "".join(random.choice("Sx+-*2") for _ in range(64 << 10)))
print("click Integrate")' >"$job"

# Seconds of one run, read from the clock around it.
seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" --headless "$job" >/dev/null
  end=$(date +%s.%N)
  awk "BEGIN { print $end - $start }"
}
median() { sort -g | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }

: >"$job.desktop"; : >"$job.web"
for _ in $(seq "$runs"); do  # alternately, so that both meet the same machine
  seconds "$desktop" >>"$job.desktop"
  seconds node "$web" >>"$job.web"
done
d=$(median <"$job.desktop") w=$(median <"$job.web")
rm -f "$job.desktop" "$job.web"
awk "BEGIN { printf \"desktop %.3f s, web %.3f s, web / desktop %.2f\\n\", $d, $w, $w / $d }"
