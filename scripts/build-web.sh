#!/usr/bin/env bash
# Installs what the web edition needs (Debian packages, and the browser tests'
# driver from the npm registry), configures and builds it into build-web/: the
# Node headless console plotmere-headless.js, the page's folder site/ and the
# tests, from the same CMake lists as the desktop.
# Usage: scripts/build-web.sh [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh emscripten cmake ninja-build ccache libgtest-dev libfmt-dev libfast-float-dev \
  glibc-source python3-markdown librsvg2-bin chromium
# Debian's npm, where the machine's Node did not come with its own.
command -v npm >/dev/null || scripts/install-packages.sh npm

# puppeteer-core at its locked version drives Debian's Chromium and downloads
# no browser; installed again only when the lockfile changes.
driver=build-web/browser-driver
if ! cmp -s scripts/browser-driver/package-lock.json "$driver/installed-lock.json"; then
  mkdir -p "$driver"
  cp scripts/browser-driver/package.json scripts/browser-driver/package-lock.json "$driver"
  (cd "$driver" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
  cp scripts/browser-driver/package-lock.json "$driver/installed-lock.json"
fi

cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake "$@"
cmake --build build-web -j 2
