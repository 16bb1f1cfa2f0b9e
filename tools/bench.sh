#!/bin/bash
# Measures every performance figure of the game and writes them, with the
# machine, the date and this command, to docs/performance.md (and prints
# it). Nothing in that file is typed by hand: run this again to renew it.
# Usage: tools/bench.sh BUILD_DIR
set -euo pipefail
build=$1
bin=$build/bin
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${BENCH_OUTPUT:-$repo/docs/performance.md}
reps=${BENCH_REPETITIONS:-9}
cmake --build "$build" --target pelmora pelmora_rules_bench pelmora_draw_bench \
    pelmora_startup_probe bare_window_probe startup_meter press_latency >/dev/null

# What is measured: the commit, and whether the tree differs from it.
commit=$(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown)
git -C "$repo" diff --quiet HEAD -- . ':!docs/performance.md' 2>/dev/null || commit="$commit with local changes"

declare -A figure  # benchmark name (with @scale) -> median CPU time in µs

# Google Benchmark medians of the CPU time per run, converted to
# microseconds: on a machine shared with other work the wall-clock time
# also counts the time spent waiting for a core.
medians() {
    local suffix=$1; shift
    "$@" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
         --benchmark_display_aggregates_only=true 2>/dev/null |
        awk -v s="$suffix" '/_median/ {
            name=$1; sub("_median", "", name)
            f = ($5 == "ns") ? 0.001 : ($5 == "ms") ? 1000 : ($5 == "s") ? 1e6 : 1
            printf "%s%s %.3g\n", name, s, $4 * f }'
}
taskset -c 0 true 2>/dev/null && pin="taskset -c 0" || pin=""
echo "Rules and drawing benchmarks (medians of $reps runs)..." >&2
while read -r name value; do figure[$name]=$value; done < <(
    medians "" $pin "$bin/pelmora_rules_bench"
    for scale in 1 2; do
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=$scale \
            medians "@$scale" $pin "$bin/pelmora_draw_bench"
    done)

echo "Window figures under Xvfb..." >&2
declare -A window
while read -r key value; do window[$key]=$value; done < <("$repo/tools/perf-window.sh" "$build")

# "met" or "MISSED": value op limit, e.g. meets 41.9 '<' 50
meets() { awk -v v="$1" -v l="$3" -v op="$2" 'BEGIN {
    ok = (op == "<") ? v < l : v <= l; print ok ? "met" : "MISSED" }'; }
us() { echo "${figure[$1]} µs"; }
worse() { awk -v a="$1" -v b="$2" 'BEGIN {print (a > b) ? a : b}'; }

cpu=$(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo)
os=$(. /etc/os-release && echo "$PRETTY_NAME")
build_type=$(awk -F= '/^CMAKE_BUILD_TYPE:/ {print $2}' "$build/CMakeCache.txt")

mkdir -p "$(dirname "$out")"
cat > "$out" <<EOF
# Performance

Written by \`make bench\` (\`tools/bench.sh build\`) on $(date -u '+%Y-%m-%d %H:%M UTC'),
commit $commit. Every figure below comes from that one run; run it again to
renew them rather than editing this file.

Machine: $cpu, $(nproc) cores, Linux $(uname -r), $os; Qt $(pkg-config --modversion Qt6Core),
SDL $(pkg-config --modversion sdl2), $build_type build. Load average when the run began:
$(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine shows in the absolute times;
the ratios compare runs made side by side).

## Rules and drawing

Google Benchmark: the median of $reps runs of the CPU time per iteration,
pinned to one core; drawing offscreen at a device pixel ratio of 1 and 2.

| figure | target | measured | |
|---|---|---|---|
| whole simulated game: deal, press random groups, tick until settled, until no move is left | < 50 µs | $(us BM_WholeGame) | $(meets "${figure[BM_WholeGame]}" '<' 50) |
| \`NewBoard\`, with its 546 clock-seeded draws | < 100 µs | $(us BM_NewBoard) | $(meets "${figure[BM_NewBoard]}" '<' 100) |
| \`SelectGroup\`, worst case (one colour everywhere) | | $(us BM_SelectGroupWorstCase) | |
| a removal with its passes (select and remove half a board) | | $(us BM_Removal) | |
| \`DrawBoard\` of a changed board, painted, 1x / 2x | | $(us BM_DrawBoard@1) / $(us BM_DrawBoard@2) | |
| one timer tick while boxes settle, painted, 1x / 2x | < 300 µs | $(us BM_TickSettling@1) / $(us BM_TickSettling@2) | $(meets "$(worse "${figure[BM_TickSettling@1]}" "${figure[BM_TickSettling@2]}")" '<' 300) |
| one timer tick on a settled board, 1x / 2x | < 300 µs | $(us BM_TickSettled@1) / $(us BM_TickSettled@2) | $(meets "$(worse "${figure[BM_TickSettled@1]}" "${figure[BM_TickSettled@2]}")" '<' 300) |

## The window, against a bare Qt main window

Under Xvfb. The game (\`bench/GameStartup.cpp\`) and a bare Qt main window of
the same size with a menu bar (\`bench/BareStartup.cpp\`) each end at their
first painted frame; they run in turn, the order swapping every round, for
${window[rounds]} rounds after one dropped warm-up round (\`bench/StartupMeter.cpp\`).
Start-up runs from starting the program to the moment its first frame is
painted and handed to the X server (the probe notes it on the system's
monotonic clock); the second line adds the time the program takes to end.
CPU time is what the program itself used (less swayed than the times by
other work on the machine; the X server's share is not in it); peak memory
is the kernel's peak resident size of the process. Each figure is the median over the rounds,
each ratio the median of the same-round ratios.

| figure | game | bare window | ratio | target | |
|---|---|---|---|---|---|
| start-up to the first painted board | ${window[startup_ms_program]} ms | ${window[startup_ms_baseline]} ms | ${window[startup_ms_ratio]} | <= 1.15 | $(meets "${window[startup_ms_ratio]}" '<=' 1.15) |
| start to the end, quitting at the first painted board | ${window[exit_ms_program]} ms | ${window[exit_ms_baseline]} ms | ${window[exit_ms_ratio]} | | |
| CPU time to the end (the program's own) | ${window[cpu_ms_program]} ms | ${window[cpu_ms_baseline]} ms | ${window[cpu_ms_ratio]} | | |
| peak memory to the first painted board | ${window[peak_mib_program]} MiB | ${window[peak_mib_baseline]} MiB | ${window[peak_mib_ratio]} | <= 1.10 | $(meets "${window[peak_mib_ratio]}" '<=' 1.10) |
| CPU while idle, over ${window[idle_seconds]} s | ${window[idle_cpu_program]} % of a core | ${window[idle_cpu_baseline]} % | | < 1 % | $(meets "${window[idle_cpu_program]}" '<' 1) |

## Press to screen

The real program under Xvfb, with its own sound files and SDL's \`dummy\`
audio driver, which takes samples in real time as a sound card does
(\`bench/PressLatency.cpp\`). A press is synthesised with XTest; the time
ends when the pressed cell's pixels, read back from the X server, change.
A removal redraws the board only once "clearbox.wav" has played to its
end, so its time includes the whole sound. ${window[presses]} presses in ${window[games]} games; medians.

| press | measured | target | |
|---|---|---|---|
| selecting a group | ${window[selection_ms]} ms | <= 15 ms | $(meets "${window[selection_ms]}" '<=' 15) |
| removing the selected group | ${window[removal_ms]} ms | <= 50 ms | $(meets "${window[removal_ms]}" '<=' 50) |
| a game's first removal (the sound system starts) | ${window[first_removal_ms]} ms | | |

Peak memory of the game after these removals, sound system included:
${window[peak_mib_after_play]} MiB.
EOF
cat "$out"
echo "wrote $out" >&2
