#!/usr/bin/env bash
# Regenerates examples/grade3-2026.zr2 with the example generator.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build"
"$root/build/examples/mirune-make-example" "$root/examples/grade3-2026.zr2"
