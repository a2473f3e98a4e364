#!/usr/bin/env bash
# Fails when any C++ file of the project is not formatted as .clang-format says.
# Usage: scripts/format-check.sh   (scripts/format-check.sh --fix formats them)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh clang-format-14
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  echo "$files" | xargs clang-format-14 -i
else
  echo "$files" | xargs clang-format-14 --dry-run --Werror
fi
