#!/usr/bin/env bash
# Start-up to the first painted main window, against an empty Qt Widgets window started the same
# way in the same run: measure_start.sh BUILD_DIR [RUNS]. Both programs end at their first
# paint; each is started RUNS times (default 15), alternating, and the medians are compared.
# Fails when the main window takes more than 1.5 times the empty window's time.
set -euo pipefail
build=${1:?usage: measure_start.sh BUILD_DIR [RUNS]}
runs=${2:-15}
main="$build/bench/app/start_main_window"
empty="$build/bench/app/start_empty_window"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$(mktemp -d)}

elapsed_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One run of each to warm the file cache.
elapsed_ms "$empty" >/dev/null
elapsed_ms "$main" >/dev/null
main_times=()
empty_times=()
for ((i = 0; i < runs; i++)); do
    empty_times+=("$(elapsed_ms "$empty")")
    main_times+=("$(elapsed_ms "$main")")
done
m=$(printf '%s\n' "${main_times[@]}" | median)
e=$(printf '%s\n' "${empty_times[@]}" | median)
awk -v m="$m" -v e="$e" -v p="$QT_QPA_PLATFORM" 'BEGIN {
    ratio = m / e
    printf "platform %s: empty window %.1f ms, main window %.1f ms, ratio %.2f (limit 1.50)\n",
           p, e / 1000, m / 1000, ratio
    exit ratio > 1.5 ? 1 : 0
}'
