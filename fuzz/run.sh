#!/bin/sh
# Builds fuzz_data_file with clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz
# and runs it on the seed corpus.
#
#   fuzz/run.sh [RUNS] [more libFuzzer options]     RUNS defaults to 1000000
#
# New inputs go to build-fuzz/corpus (fuzz/corpus stays as committed); an input that crashes or
# breaks a check is written to build-fuzz/artifacts/. Regenerate the seed corpus with
# build-fuzz/fuzz/fuzz_make_corpus fuzz/corpus.
set -eu

runs=${1:-1000000}
[ $# -gt 0 ] && shift

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

bash "$root/scripts/setup.sh" fuzz

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRUNE_FUZZ=ON -DMIRUNE_TESTS=OFF -DMIRUNE_BENCH=OFF
ninja -C "$build" -j2 fuzz_data_file fuzz_make_corpus

mkdir -p "$build/corpus" "$build/artifacts"
exec "$build/fuzz/fuzz_data_file" \
    -runs="$runs" \
    -dict="$root/fuzz/data_file.dict" \
    -artifact_prefix="$build/artifacts/" \
    -print_final_stats=1 \
    "$@" \
    "$build/corpus" "$root/fuzz/corpus"
