#!/bin/bash
# The window's figures under a virtual X server, as "key value" lines:
# start-up to the first painted board and peak memory against a bare Qt main
# window (runs interleaved, see bench/StartupMeter.cpp), press-to-screen
# latency of the real program (bench/PressLatency.cpp) and idle CPU use.
# Usage: tools/perf-window.sh BUILD_DIR
set -euo pipefail
bin=$(realpath "$1")/bin
rounds=${PERF_ROUNDS:-31}
games=${PERF_GAMES:-6}
idle_seconds=${PERF_IDLE_SECONDS:-20}

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
# SDL's dummy driver takes samples in real time, as a sound card would.
export DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
# A session bus of our own, as a desktop has: Qt programs connect to it at
# start (without one, each would try to start one through dbus-launch).
bus=$(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
bus_pid=$(echo "$bus" | sed -n 2p)
export DBUS_SESSION_BUS_ADDRESS
trap 'kill $xvfb $bus_pid 2>/dev/null || true' EXIT

"$bin/startup_meter" "$rounds" "$bin/pelmora_startup_probe" "$bin/bare_window_probe"
"$bin/press_latency" "$games" "$bin/pelmora"

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
echo "idle_seconds $idle_seconds"
echo "idle_cpu_program $(idle_cpu pelmora_startup_probe)"
echo "idle_cpu_baseline $(idle_cpu bare_window_probe)"
