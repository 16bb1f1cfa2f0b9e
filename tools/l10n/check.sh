#!/bin/sh
# Checks that the catalogues are complete: each is exactly what
# tools/l10n/update.sh makes of it from today's sources (no text missing, none
# left over from texts that are gone), and every message is translated.
# Usage: tools/l10n/check.sh   (prints what differs; exits non-zero if any)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$root"/l10n/pelmora_*.ts; do
    cp "$ts" "$scratch/"
    "$root/tools/l10n/update.sh" "$scratch/$(basename "$ts")"
    if ! diff -u "$ts" "$scratch/$(basename "$ts")"; then
        echo "check.sh: $(basename "$ts") is not up to date with the sources: run tools/l10n/update.sh" >&2
        status=1
    fi
    if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "check.sh: $(basename "$ts") has messages above without a finished translation" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "check.sh: $(ls "$root"/l10n/pelmora_*.ts | wc -l) catalogues complete"
exit "$status"
