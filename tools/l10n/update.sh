#!/bin/sh
# Refreshes the game's catalogues from the sources: every text marked for
# translation, a new one as unfinished, one no longer in the sources
# dropped. Without a location per message, so that moving code does not
# change a catalogue.
# Usage: tools/l10n/update.sh [TS...]   (default: every l10n/pelmora_*.ts)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
[ $# -gt 0 ] || set -- l10n/pelmora_*.ts
# Every folder of the game that shows or says a text; game/ keeps its
# English and its few words are marked in ui/GameWords.cpp.
sources=$(find ui about widgets program tools/webexport -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
# shellcheck disable=SC2086
"$lupdate" -silent -locations none -no-obsolete -no-ui-lines -I "$root" $sources -ts "$@"
