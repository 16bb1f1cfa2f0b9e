#!/bin/bash
# Start-up time to the first painted frame, peak memory and idle CPU use of
# the game against a bare Qt main window of the same size, under a virtual X
# server. Usage: tools/perf-window.sh BUILD_DIR
set -euo pipefail
bin=$(realpath "$1")/bin
runs=${PERF_RUNS:-15}
idle_seconds=${PERF_IDLE_SECONDS:-20}

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# Milliseconds from exec to exit, the program ending at its first paint.
startup_ms() {
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$bin/$1" >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000))
    done | median | awk '{printf "%.1f", $1 / 1000}'
}

peak_kb() {
    for _ in $(seq 5); do
        /usr/bin/time -f %M "$bin/$1" 2>&1 >/dev/null | tail -1
    done | median
}

# Per cent of one core used while the window sits idle.
idle_cpu() {
    "$bin/$1" --stay >/dev/null 2>&1 &
    local pid=$! tick before after
    tick=$(getconf CLK_TCK)
    sleep 2
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$idle_seconds"
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    awk -v d=$((after - before)) -v t="$tick" -v s="$idle_seconds" 'BEGIN {printf "%.2f", 100 * d / t / s}'
}

game_start=$(startup_ms pelmora_startup_probe); bare_start=$(startup_ms bare_window_probe)
game_mem=$(peak_kb pelmora_startup_probe); bare_mem=$(peak_kb bare_window_probe)
game_idle=$(idle_cpu pelmora_startup_probe); bare_idle=$(idle_cpu bare_window_probe)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
printf '%-34s %12s %12s %8s\n' "window figure" "game" "bare Qt" "ratio"
printf '%-34s %12s %12s %8s\n' "start-up to first paint (ms)" "$game_start" "$bare_start" "$(ratio "$game_start" "$bare_start")"
printf '%-34s %12s %12s %8s\n' "peak memory (MiB)" "$(awk -v k="$game_mem" 'BEGIN{printf "%.1f", k/1024}')" "$(awk -v k="$bare_mem" 'BEGIN{printf "%.1f", k/1024}')" "$(ratio "$game_mem" "$bare_mem")"
printf '%-34s %12s %12s %8s\n' "idle CPU over ${idle_seconds} s (% of a core)" "$game_idle" "$bare_idle" "-"
