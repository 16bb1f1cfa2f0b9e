#!/bin/sh
# Fuzzes the sound file reader with clang's libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer, starting from the hostile clips of the sound
# tests (written afresh by wav_fuzz_seeds, never committed).
# Usage: tools/ci/fuzz.sh [seconds] [build-dir]   (default: 60, build-fuzz)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
build=${2:-$root/build-fuzz}
jobs=${JOBS:-2}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=ON -DPELMORA_FUZZ=ON >/dev/null
cmake --build "$build" -j "$jobs" --target wav_fuzzer wav_fuzz_seeds

corpus=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-fuzz-XXXXXX")
trap 'rm -rf "$corpus"' EXIT
"$build/bin/wav_fuzz_seeds" "$corpus/seeds"
mkdir -p "$corpus/found"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Leaks inside SDL's decoder would show as errors here too.
export ASAN_OPTIONS="detect_leaks=1"
cd "$corpus"
"$build/bin/wav_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 "$corpus/found" "$corpus/seeds"
