#!/usr/bin/env bash
# Configures and builds into a build folder: build.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
# ccache, where the machine has one, makes a second build tree of the same sources cheap; paths
# are taken relative to the checkout so that clones in other folders share its entries.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
