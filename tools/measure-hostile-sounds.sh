#!/bin/sh
# Measures what three hostile sound files cost a play, with the sound code as
# it was before it bounded them (revision $BEFORE) and as it is now: how long
# the play holds the window, and the process's peak memory. Each play runs
# in a probe process of its own, with SDL's dummy driver (a device that plays
# in real time) and with no audio device at all. A play still holding after
# $LIMIT seconds is stopped and shown as "> LIMIT".
# Writes docs/hostile-sounds.md.
# Usage: tools/measure-hostile-sounds.sh [output]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/hostile-sounds.md}
BEFORE=${BEFORE:-2c2f971}
LIMIT=${LIMIT:-20}

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-hostile-XXXXXX")
trap 'rm -rf "$work"' EXIT

# The same probe, built against each version of ui/sound.
build_probe() {  # source-root probe
    c++ -std=c++20 -O2 -I"$1" "$root/tools/hostile-sounds/SoundProbe.cpp" "$1"/ui/sound/*.cpp \
        $(pkg-config --cflags --libs sdl2) -pthread -o "$2"
}
mkdir -p "$work/before"
git -C "$root" archive "$BEFORE" ui/sound | tar -x -C "$work/before"
build_probe "$work/before" "$work/probe-before"
build_probe "$root" "$work/probe-after"

# The files, written as the sound tests write them.
header() {  # rate channels bits data-bytes
    python3 -c 'import struct,sys
r,c,b,n=map(int,sys.argv[1:]); f=c*b//8
sys.stdout.buffer.write(b"RIFF"+struct.pack("<I",(36+n)&0xFFFFFFFF)+b"WAVEfmt "+struct.pack("<IHHIIHH",16,1,c,r,r*f,f,b)+b"data"+struct.pack("<I",n))' "$@"
}
header 2 1 8 40 >"$work/84-bytes.wav"
head -c 40 /dev/urandom >>"$work/84-bytes.wav"
header 44100 2 16 $((600 * 44100 * 4)) >"$work/ten-minutes.wav"
head -c $((600 * 44100 * 4)) /dev/urandom >>"$work/ten-minutes.wav"
two_gb=$((2 * 1024 * 1024 * 1024 - 64))
header 44100 2 16 $two_gb >"$work/two-gigabytes.wav"
truncate -s $((44 + two_gb)) "$work/two-gigabytes.wav"  # sparse: a hole of silence

# One cell: how long the play held, and the peak memory.
measure() {  # version driver file
    set -- $(SDL_AUDIODRIVER=$2 "$work/probe-$1" "$3" "$LIMIT")
    if [ "$3" = stopped ]; then
        echo "> $LIMIT s (still held), $2 MiB so far"
    else
        echo "$1 s, $2 MiB"
    fi
}

{
    echo "# What hostile sound files cost a play"
    echo
    echo "Written by \`tools/measure-hostile-sounds.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'), $(uname -m),"
    echo "$(nproc) cores. Before: the sound code of revision \`$BEFORE\`; after: the code of this tree."
    echo "Each cell: how long one play held the window, and the peak memory of the process"
    echo "(a bare probe that plays one file; the game adds its window)."
    echo
    echo "| File | Before, device | After, device | Before, no device | After, no device |"
    echo "|---|---|---|---|---|"
    for file in 84-bytes ten-minutes two-gigabytes; do
        line="| $file.wav"
        for cell in "before dummy" "after dummy" "before pelmora-no-device" "after pelmora-no-device"; do
            line="$line | $(measure $cell "$work/$file.wav")"
        done
        echo "$line |"
    done
    echo
    echo "84-bytes.wav declares 20 s at 2 Hz; ten-minutes.wav is a valid 44.1 kHz stereo file;"
    echo "two-gigabytes.wav a valid header over a sparse 2 GB of silence. Device: SDL's dummy"
    echo "driver, which plays in real time; no device: a driver that does not exist."
} >"$out.tmp"
mv "$out.tmp" "$out"
cat "$out"
