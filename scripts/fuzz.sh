#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang-14 into build-fuzz/ and runs
# each for SECONDS (default 60) from a copy of its corpus, so that the inputs it
# finds stay out of the repository. Fails when any target finds something; the
# input that shows it is kept in fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

scripts/install-packages.sh clang-14 libclang-rt-14-dev cmake ninja-build ccache glibc-source libfmt-dev libfast-float-dev \
  qt6-base-dev qt6-svg-dev

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLOTMERE_FUZZ=ON "$@"
cmake --build build-fuzz --target fuzzers -j 2

root=$PWD
findings=$root/fuzz/findings
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=()
for target in fuzz_eval fuzz_script_file fuzz_data_file fuzz_console; do
  mkdir -p "$work/$target/corpus" "$work/$target/tmp"
  cp "fuzz/corpus/$target"/* "$work/$target/corpus/"
  echo "== $target for ${seconds}s"
  # The targets make their scratch folders under TMPDIR; paths are absolute
  # because fuzz_console changes the current folder.
  if ! TMPDIR="$work/$target/tmp" \
      ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$root/build-fuzz/$target" -dict="$root/build-fuzz/$target.dict" \
        -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -artifact_prefix="$findings/$target-" "$work/$target/corpus" </dev/null; then
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in fuzz/findings/)" >&2
  exit 1
fi
echo "No findings."
