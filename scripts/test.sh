#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
#   test.sh              the normal build (build-test/)
#   test.sh --sanitize   the same suite built with AddressSanitizer and UBSan (build-asan/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build=$root/build-test
options=(-DMIRUNE_WERROR=ON)
if [[ ${1:-} == --sanitize ]]; then
  build=$root/build-asan
  options+=(-DMIRUNE_SANITIZE=ON -DMIRUNE_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$root/scripts/build.sh" "$build" "${options[@]}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
