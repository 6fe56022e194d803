#!/usr/bin/env bash
# Start-up to the first painted main window, against an empty Qt Widgets window started the same
# way in the same run: measure_start.sh BUILD_DIR [RUNS]. Each program prints the moment its
# window has painted itself and ends; the time counted runs from the moment the script starts it
# to that paint. The main window is measured as a teacher starts it: on a file (the example
# year), and without one (a new year: the wizard's first page follows the main window). Each is
# started RUNS times (default 15), in turn, and the medians are compared. Fails when either
# start of the main window takes more than 1.5 times the empty window's time.
set -euo pipefail
build=${1:?usage: measure_start.sh BUILD_DIR [RUNS]}
runs=${2:-15}
main="$build/bench/app/start_main_window"
empty="$build/bench/app/start_empty_window"
example="$build/examples/grade3-2026.zr2"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$(mktemp -d)}

# Microseconds from starting the program to its first paint.
to_first_paint_us() {
    local start painted
    start=${EPOCHREALTIME/./}
    painted=$("$@" 2>/dev/null | tail -n 1)
    [[ $painted =~ ^[0-9]+$ ]] || {
        echo "measure_start.sh: $1 did not report its first paint" >&2
        exit 2
    }
    echo $((painted - start))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One run of each to warm the file cache.
to_first_paint_us "$empty" >/dev/null
to_first_paint_us "$main" >/dev/null
to_first_paint_us "$main" "$example" >/dev/null
empty_times=()
new_times=()
file_times=()
for ((i = 0; i < runs; i++)); do
    empty_times+=("$(to_first_paint_us "$empty")")
    new_times+=("$(to_first_paint_us "$main")")
    file_times+=("$(to_first_paint_us "$main" "$example")")
done
e=$(printf '%s\n' "${empty_times[@]}" | median)
n=$(printf '%s\n' "${new_times[@]}" | median)
f=$(printf '%s\n' "${file_times[@]}" | median)
awk -v e="$e" -v n="$n" -v f="$f" -v p="$QT_QPA_PLATFORM" -v runs="$runs" 'BEGIN {
    printf "platform %s, median of %d starts to the first paint:\n", p, runs
    printf "  empty window               %6.1f ms\n", e / 1000
    printf "  main window, example file  %6.1f ms  ratio %.2f (limit 1.50)\n", f / 1000, f / e
    printf "  main window, new year      %6.1f ms  ratio %.2f (limit 1.50)\n", n / 1000, n / e
    exit (f / e > 1.5 || n / e > 1.5) ? 1 : 0
}'
