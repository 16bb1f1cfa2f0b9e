#!/bin/sh
# Refreshes the game's catalogues from the sources: every text marked for
# translation, a new one as unfinished, one no longer in the sources
# dropped. Without a location per message, so that moving code does not
# change a catalogue.
# Usage: tools/l10n/update.sh [TS...]   (default: every l10n/pelmora_*.ts;
#        DESKTOP_L10N names the extractor if the build is not in build/)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
[ $# -gt 0 ] || set -- l10n/pelmora_*.ts
# The English of the desktop entry, the AppStream data and the page's
# manifest, as C++ for lupdate, written by the desktop build's
# pelmora_desktop_l10n.
tool=${DESKTOP_L10N:-$root/build/bin/pelmora_desktop_l10n}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$tool" extract "$scratch/desktop-texts.cpp" packaging/pelmora.desktop packaging/*.metainfo.xml \
    web/page/manifest.webmanifest
# Every folder of the game that shows or says a text; game/ keeps its
# English and its few words are marked in ui/GameWords.cpp.
sources=$(find ui about widgets program tools/webexport -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
# shellcheck disable=SC2086
"$lupdate" -silent -locations none -no-obsolete -no-ui-lines -I "$root" $sources "$scratch/desktop-texts.cpp" \
    -ts "$@"
