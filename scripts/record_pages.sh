#!/usr/bin/env bash
# Writes the page records (tests/records/PROGRAM.txt: the lines of text every
# page shows at each wait for a key) again from the debug build, after a change
# meant to alter what a page says, and shows the lines that changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build/debug" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
ninja -C "$root/build/debug" lesson_tests
# One program a process, side by side.
pids=()
for program in corbisk pollvane merrowin tessarin; do
  RECORD_PAGES=1 "$root/build/debug/lesson_tests" --gtest_brief=1 \
    --gtest_filter="Programs/PageRecordTest.*/$program" >/dev/null &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done
git -C "$root" --no-pager diff --stat -- tests/records
git -C "$root" --no-pager diff -U1 -- tests/records
