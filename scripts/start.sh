#!/usr/bin/env bash
# Sets up, builds and starts ミルネ2002 on the example class's file. Without a display it says so
# and shows how to look at the same file with the command-line tool instead. Only what it starts
# is built (the tests and benchmarks are left to test.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build=$root/build
example="$root/examples/grade3-2026.zr2"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  cmake --build "$build" --target mirune-cli -j "$(nproc)"
  echo "No display to show the window on; without one, use the command-line tool:" \
    "$build/src/cli/mirune-cli summary $example --term 1   (--help lists every command)"
  exit 0
fi
cmake --build "$build" --target mirune -j "$(nproc)"
exec "$build/src/app/mirune" "$example" "$@"
