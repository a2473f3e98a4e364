#!/usr/bin/env bash
# Installs what the build needs (Debian packages only), configures and builds into build/.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh g++ cmake ninja-build ccache glibc-source qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev libfmt-dev libfast-float-dev pkg-config fonts-liberation \
  libxkbcommon-dev poppler-utils python3-markdown desktop-file-utils appstream groff-base dpkg-dev file \
  xvfb openbox x11-utils xdotool

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" -j 2
