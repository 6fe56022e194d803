#!/usr/bin/env bash
# Builds ミルネ2002 and starts it. Until the windows exist, this shows the hours summary of the
# example class with the command-line tool.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
"$root/build/src/cli/mirune-cli" info "$root/examples/grade3-2026.zr2"
echo
"$root/build/src/cli/mirune-cli" summary "$root/examples/grade3-2026.zr2" --term 1
