#!/usr/bin/env bash
# Installs what the web edition needs (Debian packages only), configures and
# builds it into build-web/: the Node headless console plotmere-headless.js
# and the tests, from the same CMake lists as the desktop.
# Usage: scripts/build-web.sh [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh emscripten cmake ninja-build ccache libgtest-dev libfmt-dev libfast-float-dev \
  glibc-source python3-markdown

cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake "$@"
cmake --build build-web -j 2
