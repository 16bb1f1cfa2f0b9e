#!/bin/sh
# Builds the whole tree (game, windows, tests, benchmarks, tools, the web
# page's layout exporter) with Clang and warnings as errors; .ci/run's
# `make test` does the same with GCC. The tests run in the GCC build only:
# this one is about warnings, so it builds without optimisation, which is
# quicker.
# Usage: tools/ci/clang-werror.sh [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-clang}
started=$(date +%s)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DBUILD_TESTING=ON -DPELMORA_BENCH=ON -DPELMORA_SCREENSHOT=ON -DPELMORA_WEB=ON -DPELMORA_WERROR=ON \
    ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$build" -j "${JOBS:-2}"
echo "clang-werror.sh: built without warnings in $(($(date +%s) - started)) s"
