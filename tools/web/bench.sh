#!/bin/bash
# Measures the web page in headless Chromium beside the desktop game and
# writes docs/web-performance.md (and prints it). Nothing in that file is
# typed by hand: run this again (make bench) to renew it.
# Usage: tools/web/bench.sh BUILD_DIR   (after make web and make web-test-deps)
set -euo pipefail
build=$(realpath "$1")
bin=$build/bin
repo=$(cd "$(dirname "$0")/../.." && pwd)
out=${WEB_BENCH_OUTPUT:-$repo/docs/web-performance.md}
cmake --build "$build" --target pelmora_draw_bench pelmora_startup_probe bare_window_probe startup_meter >/dev/null

commit=$(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown)
git -C "$repo" diff --quiet HEAD -- . ':!docs/web-performance.md' 2>/dev/null || commit="$commit with local changes"

load=$(cut -d' ' -f1-3 /proc/loadavg)
declare -A web desktop
echo "The page in Chromium..." >&2
figures=$(NODE_PATH="$build/npm/node_modules" node "$repo/tools/web/bench.cjs" "$build/web")
while read -r key value; do web[$key]=$value; done <<< "$figures"

echo "The desktop window under Xvfb..." >&2
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
while read -r key value; do desktop[$key]=$value; done < <(
    DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
        "$bin/startup_meter" "${WEB_BENCH_ROUNDS:-9}" "$bin/pelmora_startup_probe" "$bin/bare_window_probe")
# The desktop's tick, drawn offscreen at 1x (Google Benchmark medians, in ms).
while read -r key value; do desktop[$key]=$value; done < <(
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$bin/pelmora_draw_bench" \
        --benchmark_filter='BM_Tick' --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ { f = ($3 == "ns") ? 1e-6 : ($3 == "us") ? 1e-3 : ($3 == "ms") ? 1 : 1000
                     name = $1; sub("_median", "", name); printf "%s %.4f\n", name, $2 * f }')

meets() { awk -v v="$1" -v l="$2" 'BEGIN { print (v < l) ? "met" : "MISSED" }'; }
at_most() { awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "met" : "MISSED" }'; }
game_total=${web[game_kib_gzip]}

cat > "$out" <<EOF2
# The web page's performance

Written by \`make bench\` (\`tools/web/bench.sh build\`) on $(date -u '+%Y-%m-%d %H:%M UTC'),
commit $commit, on $(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo) ($(nproc) cores),
Chromium ${web[chromium]} headless from a server on 127.0.0.1, the desktop
game under Xvfb; load average ${load} when it began (other work on the
machine slows every figure). Run it again to renew the figures rather than
editing them.

| | web page | desktop game | target |
|---|---|---|---|
| load to the first painted board (median of ${WEB_BENCH_LOADS:-11} loads, nothing cached) | ${web[first_board_ms]} ms (worst ${web[first_board_ms_worst]} ms) | ${desktop[startup_ms_program]} ms to its first frame (bare Qt window ${desktop[startup_ms_baseline]} ms) | < 300 ms: $(meets "${web[first_board_ms]}" 300) |
| game code: pelmora.wasm + pelmora.js | ${web[game_kib_raw]} KiB, ${game_total} KiB gzip-compressed | | < 150 KiB compressed: $(meets "$game_total" 150) |
| the page's own scripts, styles and layout table | ${web[page_kib_raw]} KiB, ${web[page_kib_gzip]} KiB compressed | | |
| a tick on a settled board (median, worst) | ${web[tick_ms_settled]} ms, ${web[tick_ms_settled_worst]} ms | ${desktop[BM_TickSettled]:-?} ms | < 1 ms: $(meets "${web[tick_ms_settled_worst]}" 1) |
| a tick while boxes fall (median, worst) | ${web[tick_ms_playing]} ms, ${web[tick_ms_playing_worst]} ms | ${desktop[BM_TickSettling]:-?} ms | < 1 ms: $(meets "${web[tick_ms_playing_worst]}" 1) |
| memory | JS heap ${web[js_heap_mib]} MiB; the page's renderer process ${web[renderer_rss_mib]} MiB resident | peak ${desktop[peak_mib_program]} MiB (bare Qt window ${desktop[peak_mib_baseline]} MiB) | |

On a mid-range phone: Chromium's emulation of a 390 x 844 screen at three
device pixels to the pixel, its processor slowed four times and its network
held to the "Fast 3G" profile (about 1.6 Mbit/s down, 562 ms round trips);
medians of ${web[phone_loads]} fresh loads, nothing cached.

| | web page | target |
|---|---|---|
| load to the first painted board | ${web[phone_first_board_ms]} ms (worst ${web[phone_first_board_ms_worst]} ms) | <= 1500 ms: $(at_most "${web[phone_first_board_ms]}" 1500) |
| what the page asked for before it, as sent (gzip-compressed where the server compresses) | ${web[phone_first_kib]} KiB in ${web[phone_first_requests]} requests | <= 150 KiB: $(at_most "${web[phone_first_kib]}" 150) |
| a tap that selects a group, to the next frame on the screen | ${web[phone_tap_ms]} ms (worst ${web[phone_tap_ms_worst]} ms) | <= 50 ms: $(at_most "${web[phone_tap_ms]}" 50) |

The web tick is the page's whole timer callback (the game's tick and the
canvas repaint), from ${web[ticks_traced]} ticks in Chromium's trace; the
desktop's is the game's tick with its paint into the window's buffer. The
first painted board is the page's own mark, set once the first board is on
the canvas; fonts may still be loading then. Pictures, sounds and fonts are
not counted in the sizes. The test server sends text gzip-compressed. On the
phone, the tap's time is the browser's own measure of the longest of its
events (from the touch to the next frame presented after that event's
handlers, to 8 ms), taken once the page has stopped fetching.
EOF2
cat "$out"
