#!/bin/sh
# Plays the scripted game (a removal, ticks, Reset, LEVEL UP both ways, the
# About window opened and closed, a few hundred random moves, Quit) on the
# real window, offscreen, with real SDL sound, under Valgrind's memcheck.
# Fails on any memory error and on memory the program definitely lost.
# Usage: tools/ci/valgrind.sh [build-dir]   (default: build, as `make test`
# leaves it; any Release or RelWithDebInfo build will do)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
here="$root/tools/ci"
build=${1:-$root/build}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target play_tests pelmora_sounds

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
# Everything runs many times slower under memcheck.
export PELMORA_PLAY_STALL_SECONDS=600

valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
    --show-leak-kinds=definite --error-exitcode=1 --num-callers=40 \
    --suppressions="$here/valgrind.supp" \
    "$build/bin/play_tests" --scripted --real-sound
