#!/usr/bin/env bash
# Builds the programs and starts one of them in its window:
#   scripts/run.sh corbisk|pollvane|merrowin|tessarin
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-corbisk}
case "$program" in
  corbisk | pollvane | merrowin | tessarin) ;;
  *) echo "usage: scripts/run.sh corbisk|pollvane|merrowin|tessarin" >&2; exit 2 ;;
esac
# Nothing to show the lessons on: say so at once instead of after the build.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "$program: no display available: this program needs a graphical desktop (DISPLAY is not set)" >&2
  exit 1
fi
. "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C "$root/build/release" "$program" >/dev/null
exec "$root/build/release/$program"
