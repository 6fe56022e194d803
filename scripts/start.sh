#!/usr/bin/env bash
# Sets up, builds and starts ミルネ2002 on the example class's file. Without a display it says so
# and shows how to look at the same file with the command-line tool instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
example="$root/examples/grade3-2026.zr2"
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  echo "No display to show the window on; without one, use the command-line tool:" \
    "$root/build/src/cli/mirune-cli summary $example --term 1   (--help lists every command)"
  exit 0
fi
exec "$root/build/src/app/mirune" "$example" "$@"
