#!/usr/bin/env bash
# Sets everything up, then runs the whole test suite.
# Usage: scripts/test.sh [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build "$@"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
