#!/bin/bash
# Every performance figure of the README in one run. Usage: tools/bench.sh BUILD_DIR
set -euo pipefail
build=$1
bin=$build/bin
reps=${BENCH_REPETITIONS:-9}
cmake --build "$build" --target pelmora_rules_bench pelmora_draw_bench pelmora_startup_probe bare_window_probe pelmora >/dev/null

medians() {
    "$@" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
         --benchmark_display_aggregates_only=true 2>/dev/null |
        awk '/_median/ {name=$1; sub("_median", "", name); printf "  %-26s %12s %s (cpu %s %s)\n", name, $2, $3, $4, $5}'
}

echo "Rules (one core, medians of $reps runs)"
taskset -c 0 true 2>/dev/null && pin="taskset -c 0" || pin=""
medians $pin "$bin/pelmora_rules_bench"
for scale in 1 2; do
    echo "Drawing at ${scale}x (offscreen)"
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=$scale medians $pin "$bin/pelmora_draw_bench"
done
echo "Window under Xvfb"
"$(dirname "$0")/perf-window.sh" "$build"
