#!/usr/bin/env bash
# The web edition's headless console against the desktop program's: every
# example and every misused command line gives the same output and errors,
# byte for byte, and the same exit status.
# Usage: same_as_desktop.sh DESKTOP_PROGRAM NODE_PROGRAM
set -uo pipefail
desktop=$1 web=$2
cd "$(dirname "$0")/../.."  # the examples name their files from here
runs=$(mktemp -d)
trap 'rm -rf "$runs"' EXIT

failed=0
compare() {
  "$desktop" "$@" >"$runs/out.desktop" 2>"$runs/err.desktop" </dev/null
  echo "exit $?" >>"$runs/out.desktop"
  node "$web" "$@" >"$runs/out.web" 2>"$runs/err.web" </dev/null
  echo "exit $?" >>"$runs/out.web"
  for stream in out err; do
    diff -u "$runs/$stream.desktop" "$runs/$stream.web" || { echo "differs: $*"; failed=1; }
  done
}

for actions in examples/*.actions; do
  compare --headless --scripts examples "$actions"
done
for misuse in --bogus -ab --scripts "--scale 2" --help=1 "--headless a b" "--headless --scale 17" \
  "--headless /no/such/actions"; do
  # shellcheck disable=SC2086 # each line is its arguments
  compare $misuse
done
exit $failed
