#!/usr/bin/env bash
# Sets everything up, then runs the whole test suite: the desktop build's, and
# the web edition's under Node, which is also compared with the desktop program.
# Usage: scripts/test.sh [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build "$@"
scripts/build-web.sh -DPLOTMERE_DESKTOP_PROGRAM="$PWD/build/plotmere" "$@"
for build in build build-web; do
  (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2)
done
