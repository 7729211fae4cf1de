#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS (60 unless told) on
# a copy of its seed corpus in fuzz/corpus/, so that the tree's corpus never grows. Whatever a
# target finds (a crash, a sanitizer report, a broken property) is kept in build-fuzz/findings/
# and fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
"$root/scripts/setup.sh" --packages-only
cd "$root"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCORVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
work="$root/build-fuzz/runs"
findings="$root/build-fuzz/findings"
mkdir -p "$findings"
failed=()
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  rm -rf "${work:?}/$target"
  mkdir -p "$work/$target"
  cp "$seeds"* "$work/$target/"
  echo "== $target for $seconds s"
  if ! "build-fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" "$work/$target" >"$work/$target.log" 2>&1; then
    tail -n 40 "$work/$target.log"
    failed+=("$target")
  fi
  grep -E 'stat::number_of_executed_units' "$work/$target.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "== Findings in: ${failed[*]} (inputs in $findings)"
  exit 1
fi
echo "== No findings"
