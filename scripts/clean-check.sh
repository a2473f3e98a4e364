#!/usr/bin/env bash
# What a new user meets: in a minimal Debian 12 root, the README's test command
# and package command from a clone of this checkout; then the package installed
# into a second, pristine root and run there without a display. The base root
# is kept in CACHE (default /var/cache/plotmere-ci) between runs, for a month
# at most; roots are unpacked from it afresh each time, so that a run never
# sees another's leftovers.
# Needs root (debootstrap, chroot, bind mounts): runs itself with sudo when
# not root. Usage: scripts/clean-check.sh
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
cd "$(dirname "$0")/.."
project=$PWD
cache=${CACHE:-/var/cache/plotmere-ci}
base=$cache/bookworm-minbase.tar
scripts/install-packages.sh debootstrap git

find "$base" -mtime +30 -delete 2>/dev/null || true
if [ ! -f "$base" ]; then
  mirror=$(apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 'Created-By: Packages' |
    awk '$1 == "bookworm" { print $2; exit }')
  fresh=$(mktemp -d /var/tmp/plotmere-base.XXXXXX)
  debootstrap --variant=minbase bookworm "$fresh" "${mirror:-http://deb.debian.org/debian/}"
  mkdir -p "$cache"
  tar -C "$fresh" -cf "$base.part" . && mv "$base.part" "$base"
  rm -rf "$fresh"
fi

work=$(mktemp -d /var/tmp/plotmere-clean.XXXXXX)
mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done
  # Never into this machine's /proc, /sys or /dev, should an unmount have failed.
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

# A root unpacked from the base, with /proc, /sys and /dev of this machine and
# its name server, so that apt works inside.
new_root() {
  mkdir -p "$1"
  tar -C "$1" -xf "$base"
  chmod 755 "$1"  # as a machine's /, whatever mode the folder it was made in had
  cp /etc/resolv.conf "$1/etc/resolv.conf"
  # The machine's own certificate authorities, which a proxy of its network may
  # need; the root's ca-certificates adds them to its bundle when installed.
  mkdir -p "$1/usr/local/share/ca-certificates"
  cp -r /usr/local/share/ca-certificates/. "$1/usr/local/share/ca-certificates/" 2>/dev/null || true
  for fs in proc sys dev; do
    mount --bind "/$fs" "$1/$fs"
    mounted+=("$1/$fs")
  done
}
# Node takes the root's bundle of authorities too, as the machine's Node does.
in_root() {
  chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt bash -euo pipefail -c "$2"
}

echo "== The README's commands in a minimal root"
new_root "$work/build"
# The checkout may belong to the user who ran sudo.
git -c safe.directory="*" clone --quiet "$project" "$work/build/plotmere"
in_root "$work/build" "cd /plotmere && scripts/test.sh && scripts/package.sh"

echo "== The package in a pristine root"
new_root "$work/run"
deb=$(cd "$work/build/plotmere/build-package" && ls plotmere_*.deb)
cp "$work/build/plotmere/build-package/$deb" "$work/run/tmp/"
in_root "$work/run" "
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$deb >/dev/null
  plotmere --version
  printf 'type FunctionIn 2*3+1\nclick Evaluate\nshow Result\n' | plotmere --headless | grep -qx 'Result: 8'
  printf 'check WhichOp 1\ntype FunctionIn Sx\nclick TrigWin\nclick Evaluate\npicture /tmp/sine.png\n' |
    plotmere --headless >/dev/null
  head -c 8 /tmp/sine.png | od -An -tx1 | grep -q '89 50 4e 47 0d 0a 1a 0a'
  echo 'installed package runs: version, evaluation, picture'"
