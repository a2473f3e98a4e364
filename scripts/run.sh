#!/usr/bin/env bash
# Sets everything up, then starts the calculator (arguments are passed on, e.g. --headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/plotmere "$@"
