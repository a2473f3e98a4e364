#!/usr/bin/env bash
# Builds the Debian package twice from scratch, in two folders, and checks it:
# the same bytes both times, no lintian error or warning, the dependencies no
# library names (the fonts, Qt's SVG plugin), and the files an install is
# expected to give.
# Usage: scripts/check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh lintian

rm -rf build-package build-package-again
scripts/package.sh build-package
scripts/package.sh build-package-again
deb=$(ls build-package/plotmere_*.deb)
cmp "$deb" "build-package-again/$(basename "$deb")"
rm -rf build-package-again

lintian --fail-on error,warning "$deb"
for needed in fonts-liberation libqt6svg6; do
  dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -qx " *$needed"
done
diff <(sed 's|^|usr/|' tests/install/expected_files.txt | sort) \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
echo "package $deb: reproducible, lintian clean, files as expected"
