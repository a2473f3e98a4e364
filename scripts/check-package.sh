#!/usr/bin/env bash
# Builds the Debian package from two fresh clones of the last commit and checks
# it: the same bytes both times, no lintian error or warning, the dependencies
# no library names (the fonts, Qt's SVG plugin), and the files an install is
# expected to give. The clones lie in folders of different names and their
# files have different times, as two machines would have them.
# Usage: scripts/check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh lintian git

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
one=$work/plotmere
two=$work/elsewhere/plotmere-again
git clone -q "$PWD" "$one"
git clone -q "$PWD" "$two"
find "$two" -path "$two/.git" -prune -o -exec touch -h -d 2001-02-03T04:05:06Z {} +
"$one/scripts/package.sh"
"$two/scripts/package.sh"
deb=$(ls "$one"/build-package/plotmere_*.deb)
cmp "$deb" "$two/build-package/$(basename "$deb")"

lintian --fail-on error,warning "$deb"
for needed in fonts-liberation libqt6svg6; do
  dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -qx " *$needed"
done
diff <(sed 's|^|usr/|' "$one/tests/install/expected_files.txt" | sort) \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
echo "package $(basename "$deb"): reproducible from two clones, lintian clean, files as expected"
