#!/bin/sh
# Measures what the sound code spends, each figure against what it replaces,
# the pairs run side by side in random order (bench/SoundCosts.cpp): the
# sound module's checked load at the first sound against a plain dlopen of
# its path, and a sound found among the converted clips by its bytes against
# decoding and converting it again. Writes docs/sound-costs.md.
# Usage: tools/measure-sound-costs.sh BUILD_DIR   (configured with PELMORA_BENCH=ON)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
out=${SOUND_COSTS_OUTPUT:-$root/docs/sound-costs.md}
reps=${BENCH_REPETITIONS:-15}
cmake --build "$build" --target sound_costs pelmora_sound_module pelmora_sounds >/dev/null

# Medians of the CPU time per iteration, in microseconds, by benchmark name.
results=$("$build/bin/sound_costs" "$build/bin/pelmora-sound.so" "$build/bin/clearbox.wav" \
    --benchmark_repetitions="$reps" --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ { name=$1; sub("_median", "", name)
        f = ($5 == "ns") ? 0.001 : ($5 == "ms") ? 1000 : 1; printf "%s %.4g\n", name, $4 * f }')
us() { echo "$results" | awk -v n="$1" '$1 == n {print $2}'; }
ratio() { awk -v a="$(us "$1")" -v b="$(us "$2")" 'BEGIN {printf "%.2f", a / b}'; }
added() { awk -v a="$(us "$1")" -v b="$(us "$2")" 'BEGIN {printf "%.0f", a - b}'; }

commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)
git -C "$root" diff --quiet HEAD -- . ':!docs/sound-costs.md' 2>/dev/null || commit="$commit with local changes"
{
    echo "# What the sound code spends"
    echo
    echo "Written by \`tools/measure-sound-costs.sh build\` (run by \`make bench\`) on $(date -u '+%Y-%m-%d %H:%M UTC'),"
    echo "commit $commit; $(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo), $(nproc) cores,"
    echo "load average $(cut -d' ' -f1-3 /proc/loadavg). Google Benchmark (\`bench/SoundCosts.cpp\`): each"
    echo "pair runs side by side, $reps repetitions in random order; the median CPU time per run."
    echo
    echo "| | measured | against | | |"
    echo "|---|---|---|---|---|"
    echo "| the sound module at the first sound: read, size and SHA-256 checked, copied into sealed memory, loaded | $(us BM_ModuleCheckedAndLoaded) µs | loaded from its path, unchecked: $(us BM_ModuleLoadedByPath) µs | $(ratio BM_ModuleCheckedAndLoaded BM_ModuleLoadedByPath)x | $(added BM_ModuleCheckedAndLoaded BM_ModuleLoadedByPath) µs more |"
    echo "| clearbox.wav played again: read and found among the converted clips by its bytes | $(us BM_ClipFoundByItsBytes) µs | read, decoded and converted to 48 kHz float stereo: $(us BM_ClipDecodedAndConverted) µs | $(ratio BM_ClipDecodedAndConverted BM_ClipFoundByItsBytes)x | $(added BM_ClipDecodedAndConverted BM_ClipFoundByItsBytes) µs saved |"
    echo
    echo "SDL and the libraries behind it stay loaded across the module's loads, so the first row"
    echo "compares the module's own load; SDL's first load (several milliseconds) is the same either way."
} >"$out.tmp"
mv "$out.tmp" "$out"
cat "$out"
