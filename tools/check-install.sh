#!/bin/sh
# Checks that a built tree installs like a Linux game: `cmake --install` into a
# scratch prefix, then the .deb made by cpack, each validated and started.
# Usage: tools/check-install.sh BUILD_DIR   (BUILD_DIR already built)
# Needs desktop-file-utils, appstream and dpkg-dev. Touches nothing outside
# BUILD_DIR and a temporary folder: the .deb is unpacked, never installed.
set -u

if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
    echo "usage: $0 BUILD_DIR (a configured and built CMake tree)" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0

pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1"; [ $# -gt 1 ] && sed 's/^/    /' "$2"; }

# Every file the game needs, relative to a prefix such as /usr.
layout="bin/pelmora
libexec/pelmora/pelmora
libexec/pelmora/pelmora-sound.so
libexec/pelmora/clearbox.wav
libexec/pelmora/win.wav
share/applications/pelmora.desktop
share/metainfo/example.pelmora_games.pelmora.metainfo.xml
share/icons/hicolor/16x16/apps/pelmora.png
share/icons/hicolor/32x32/apps/pelmora.png
share/icons/hicolor/48x48/apps/pelmora.png
share/icons/hicolor/256x256/apps/pelmora.png
share/icons/hicolor/scalable/apps/pelmora.svg
share/doc/pelmora/copyright"

# check_layout NAME PREFIX: every file is there, the launcher leads to the
# real program and the program is executable.
check_layout() {
    missing=""
    for f in $layout; do
        [ -e "$2/$f" ] || missing="$missing $f"
    done
    if [ -n "$missing" ]; then
        fail "$1 layout: missing$missing"
    elif [ ! -x "$2/libexec/pelmora/pelmora" ] ||
         [ "$(readlink -f "$2/bin/pelmora")" != "$(readlink -f "$2/libexec/pelmora/pelmora")" ]; then
        fail "$1 layout: bin/pelmora does not lead to an executable libexec/pelmora/pelmora"
    else
        pass "$1 layout"
    fi
}

# check_metadata NAME ROOT PREFIX: the desktop entry and the AppStream data
# validate, the latter also against the tree around it (file name, icon),
# and both carry a comment and a summary in each of the game's languages.
check_metadata() {
    log="$scratch/metadata.log"
    : >"$log"
    for ts in "$source_dir"/l10n/pelmora_*.ts; do
        language=${ts##*/pelmora_}
        language=${language%.ts}
        grep -q "^Comment\[$language\]=" "$3/share/applications/pelmora.desktop" &&
            grep -q "<summary xml:lang=\"$language\">" \
                "$3/share/metainfo/example.pelmora_games.pelmora.metainfo.xml" ||
            echo "no comment or summary in $language" >>"$log"
    done
    if [ ! -s "$log" ] && desktop-file-validate "$3/share/applications/pelmora.desktop" >"$log" 2>&1 &&
       appstreamcli validate --no-net \
           "$3/share/metainfo/example.pelmora_games.pelmora.metainfo.xml" >>"$log" 2>&1 &&
       appstreamcli validate-tree --no-net "$2" >>"$log" 2>&1; then
        pass "$1 desktop entry and AppStream data validate"
    else
        fail "$1 desktop entry and AppStream data validate" "$log"
    fi
}

# check_starts NAME LAUNCHER: the game runs offscreen for 3 s without a crash,
# and the program the kernel runs sits beside both sounds (the game finds
# them through /proc/self/exe).
check_starts() {
    log="$scratch/start.log"
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        timeout 3 "$2" >"$log" 2>&1 </dev/null &
    timer=$!
    sleep 1
    game=$(pgrep -P "$timer" | head -n 1)
    folder=""
    [ -n "$game" ] && folder=$(dirname "$(readlink "/proc/$game/exe")")
    wait "$timer"
    status=$?
    crash='Segmentation|Aborted|core dumped|terminate called|Sanitizer|runtime error|error while loading|Could not load the Qt platform'
    if [ "$status" -ne 124 ]; then
        echo "exit status $status (124 expected: still running when stopped)" >>"$log"
        fail "$1 starts and keeps running" "$log"
    elif grep -Eq "$crash" "$log"; then
        fail "$1 starts and keeps running" "$log"
    elif [ ! -f "$folder/clearbox.wav" ] || [ ! -f "$folder/win.wav" ]; then
        echo "running program's folder: '$folder'" >>"$log"
        fail "$1 runs beside its sounds" "$log"
    else
        pass "$1 starts, keeps running and sits beside its sounds"
    fi
}

# (a) cmake --install into a prefix other than the configured one, so the
# tree is shown to be relocatable.
root="$scratch/install"
prefix="$root/usr"
if cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    pass "cmake --install"
    check_layout "install" "$prefix"
    check_metadata "install" "$root" "$prefix"
    check_starts "install launcher" "$prefix/bin/pelmora"
else
    fail "cmake --install" "$scratch/install.log"
fi

# (b) the .deb: its control data, its contents, then unpacked and started.
if (cd "$build" && cpack -G DEB) >"$scratch/cpack.log" 2>&1; then
    deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$scratch/cpack.log")
fi
if [ -n "${deb:-}" ] && [ -f "$deb" ]; then
    pass "cpack made $(basename "$deb")"
    info="$scratch/info.log"
    dpkg-deb --info "$deb" >"$info" 2>&1
    if grep -q '^ Package: pelmora$' "$info" &&
       grep -q '^ Section: games$' "$info" &&
       grep -q '^ Maintainer: Pelmora Games <support@pelmora-games.example>$' "$info" &&
       grep -q '^ Depends:.*libqt6widgets6' "$info" &&
       grep -q '^ Depends:.*libsdl2' "$info" &&
       grep -q '^ Recommends: qt6-translations-l10n$' "$info"; then
        pass "deb control data (name, section, maintainer, Qt and SDL dependencies, Qt's catalogues)"
    else
        fail "deb control data (name, section, maintainer, Qt and SDL dependencies, Qt's catalogues)" "$info"
    fi
    contents="$scratch/contents.log"
    dpkg-deb --contents "$deb" >"$contents" 2>&1
    if grep -q ' \./usr/bin/pelmora -> \.\./libexec/pelmora/pelmora$' "$contents" &&
       grep -q '^-rwxr-xr-x .* \./usr/libexec/pelmora/pelmora$' "$contents"; then
        pass "deb contents: launcher link and executable program"
    else
        fail "deb contents: launcher link and executable program" "$contents"
    fi
    unpacked="$scratch/deb"
    mkdir "$unpacked"
    if dpkg-deb -x "$deb" "$unpacked" 2>"$scratch/x.log"; then
        check_layout "deb" "$unpacked/usr"
        check_metadata "deb" "$unpacked" "$unpacked/usr"
        check_starts "deb launcher" "$unpacked/usr/bin/pelmora"
    else
        fail "dpkg-deb -x" "$scratch/x.log"
    fi
else
    fail "cpack made a .deb" "$scratch/cpack.log"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
