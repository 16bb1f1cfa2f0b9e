#!/bin/bash
# Compares two builds of the rules benchmark, run in turn in one go so that
# both meet the same machine: the median CPU time of each benchmark over
# ROUNDS rounds, and the ratio NEW / OLD.
# Usage: tools/bench-compare.sh OLD_BINARY NEW_BINARY [ROUNDS]
set -euo pipefail
old=$1 new=$2 rounds=${3:-7}
taskset -c 0 true 2>/dev/null && pin="taskset -c 0" || pin=""
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for ((round = 0; round < rounds; ++round)); do
    for side in old new; do
        binary=$old; [ "$side" = new ] && binary=$new
        # Console lines: name, real time, unit, CPU time, unit, iterations.
        $pin "$binary" --benchmark_min_time=0.2 2>/dev/null |
            awk -v s="$side" '/^BM_/ { f = ($5 == "us") ? 1000 : ($5 == "ms") ? 1e6 : 1; print s, $1, $4 * f }' \
            >> "$scratch/times"
    done
done
echo "command: tools/bench-compare.sh $old $new $rounds ($(date -u '+%Y-%m-%d %H:%M UTC'), load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-26s %12s %12s %7s\n' benchmark "old CPU ns" "new CPU ns" ratio
awk '{ t[$1" "$2] = t[$1" "$2] " " $3; names[$2] = 1 }
     function median(list,   a, n, i, j, x) {
         n = split(list, a, " ")
         for (i = 2; i <= n; ++i) { x = a[i]; for (j = i - 1; j >= 1 && a[j] > x; --j) a[j + 1] = a[j]; a[j + 1] = x }
         return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
     END { for (name in names) { o = median(t["old " name]); n = median(t["new " name])
           printf "%-26s %12.0f %12.0f %7.3f\n", name, o, n, n / o } }' "$scratch/times" | sort
