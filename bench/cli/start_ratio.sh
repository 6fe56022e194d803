#!/usr/bin/env bash
# Runs the start-to-exit benchmark of mirune-cli's data commands and prints each command's time
# as a multiple of the bare Qt Core program's: start_ratio.sh [BUILD_DIR] [benchmark options...]
# (BUILD_DIR defaults to build-rel, built with BUILD_TYPE=Release bash scripts/build.sh build-rel).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-rel}
shift || true
"$build/bench/cli/bench_cli_start" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv "$@" 2>/dev/null |
  awk -F, '
    $1 ~ /_median"?$/ {
      name = $1; gsub(/"/, "", name); sub(/_median$/, "", name); sub(/\/real_time$/, "", name)
      time[name] = $3; order[++n] = name
    }
    END {
      base = time["BM_BareQtCoreRead"]
      if (base == "") { print "no result of BM_BareQtCoreRead" > "/dev/stderr"; exit 1 }
      for (i = 1; i <= n; ++i)
        printf "%-20s %8.2f ms  %5.2fx\n", order[i], time[order[i]], time[order[i]] / base
    }'
