#!/bin/sh
# Measures how long playing the clearing sound holds the window, the part of
# a removing press's way to the screen that the sound code owns: with the
# sound code and clearbox.wav of revision $BEFORE, and with this tree's.
# The same probe (tools/hostile-sounds/SoundProbe.cpp) is built against
# each; with SDL's dummy driver (a device that plays in real time) each run
# plays the sound $PLAYS times through one player, and the median of the
# plays after the first is taken. Runs alternate before/after for $ROUNDS
# rounds, the first round dropped; the table gives the median over rounds.
# Writes docs/sound-play.md.
# Usage: tools/measure-sound-play.sh [output]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/sound-play.md}
BEFORE=${BEFORE:-241b767}
PLAYS=${PLAYS:-30}
ROUNDS=${ROUNDS:-6}

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-play-XXXXXX")
trap 'rm -rf "$work"' EXIT
build_probe() {  # source-root probe
    c++ -std=c++20 -O2 -I"$1" "$root/tools/hostile-sounds/SoundProbe.cpp" "$1"/ui/sound/*.cpp \
        $(pkg-config --cflags --libs sdl2) -pthread -o "$2"
}
mkdir -p "$work/before/assets" "$work/after/assets"
git -C "$root" archive "$BEFORE" ui/sound assets/clearbox.wav | tar -x -C "$work/before"
cp "$root/assets/clearbox.wav" "$work/after/assets/"
build_probe "$work/before" "$work/before/probe"
build_probe "$root" "$work/after/probe"

length_ms() {  # the sound's own length, from its header (PCM)
    python3 -c 'import struct,sys
d=open(sys.argv[1],"rb").read(); ch,rate=struct.unpack("<HI",d[22:28]); bits=struct.unpack("<H",d[34:36])[0]
n=struct.unpack("<I",d[40:44])[0]; print("%.1f" % (n*1000/(rate*ch*bits/8)))' "$1"
}
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

round=0
while [ $round -lt $ROUNDS ]; do
    for version in before after; do
        set -- $(SDL_AUDIODRIVER=dummy "$work/$version/probe" "$work/$version/assets/clearbox.wav" 30 "$PLAYS")
        [ $round -gt 0 ] && echo "$5" >>"$work/$version.ms"
    done
    round=$((round + 1))
done
before_ms=$(median <"$work/before.ms")
after_ms=$(median <"$work/after.ms")

{
    echo "# How long the clearing sound holds the window"
    echo
    echo "Written by \`tools/measure-sound-play.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'), $(uname -m),"
    echo "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg). Before: sound code and clearbox.wav of"
    echo "revision \`$BEFORE\`; after: this tree's. SDL's dummy driver, a device that plays in real time;"
    echo "$PLAYS plays per run through one player, the median of the plays after the first; runs"
    echo "alternating before and after, $((ROUNDS - 1)) rounds counted; the median over rounds."
    echo
    echo "| | Sound's own length | One play holds the window |"
    echo "|---|---|---|"
    echo "| Before | $(length_ms "$work/before/assets/clearbox.wav") ms | $before_ms ms |"
    echo "| After | $(length_ms "$work/after/assets/clearbox.wav") ms | $after_ms ms |"
} >"$out.tmp"
mv "$out.tmp" "$out"
cat "$out"
