#!/usr/bin/env bash
# Builds the Debian package in one command: installs what is missing, builds
# with Debian's hardening flags into BUILD_DIR (build-package/ by default;
# no tests, no benchmarks) and writes BUILD_DIR/plotmere_VERSION_ARCH.deb.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-package}
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)

scripts/install-packages.sh dpkg-dev
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The build folder's name, like the source folder's, stays out of the binary.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) -ffile-prefix-map=$build_dir=."
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS) -ffile-prefix-map=$build_dir=."
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS CFLAGS LDFLAGS
scripts/setup.sh "$build_dir" -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
cd "$build_dir"
cpack -G DEB
