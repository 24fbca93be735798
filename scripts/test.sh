#!/usr/bin/env bash
# Builds everything and runs all tests twice: once in a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
jobs=$(nproc)
for variant in debug asan; do
  dir="$root/build/$variant"
  flags=(-DCMAKE_BUILD_TYPE=Debug)
  # The benchmarks are built (not timed) in the plain build so they keep compiling.
  [ "$variant" = debug ] && flags+=(-DLESSONS_BENCHMARKS=ON)
  [ "$variant" = asan ] && flags+=(-DLESSONS_SANITIZE=ON)
  echo "== $variant build"
  cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
  ninja -C "$dir" -j "$jobs"
  echo "== $variant tests"
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
done
