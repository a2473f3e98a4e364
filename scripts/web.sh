#!/usr/bin/env bash
# Builds the web edition (scripts/build-web.sh) and serves its page,
# build-web/site/, at http://127.0.0.1:8080/ until Ctrl+C.
# Usage: scripts/web.sh [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh "$@"
exec node scripts/serve-site.mjs build-web/site 8080
