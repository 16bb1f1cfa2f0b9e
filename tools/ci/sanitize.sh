#!/bin/sh
# Builds the game and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking included) and runs the whole test
# suite under them. The play test makes a fifth of its moves here: the
# sanitizers slow it down about eight times.
# Usage: tools/ci/sanitize.sh [build-dir]   (default: build-asan)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
here="$root/tools/ci"
build=${1:-$root/build-asan}
jobs=${JOBS:-2}

started=$(date +%s)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELMORA_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j "$jobs"
built=$(date +%s)

# Leaks are errors. Any suppression must name a system library's own
# allocation, never ours (see lsan.supp). For full leak stacks through Qt,
# which has no frame pointers, run again with fast_unwind_on_malloc=0.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
ASAN_OPTIONS="$ASAN_OPTIONS:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export PELMORA_PLAY_EVENT_PERCENT=${PELMORA_PLAY_EVENT_PERCENT:-20}
export PELMORA_PLAY_STALL_SECONDS=${PELMORA_PLAY_STALL_SECONDS:-300}

status=0
(cd "$build" && ctest --output-on-failure -j "$jobs") || status=$?
finished=$(date +%s)
echo "sanitize.sh: build $((built - started)) s, tests $((finished - built)) s"
exit $status
