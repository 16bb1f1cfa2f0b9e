#!/bin/sh
# Checks that a built tree installs as a Debian packager and a player expect:
# `cmake --install` into a scratch prefix, then the .deb made by cpack, each
# laid out, validated and started; the .deb also passes lintian, and the
# game unpacked from it runs on X11 (where it plays its sounds) and natively
# on Wayland.
# Usage: tools/check-install.sh BUILD_DIR   (BUILD_DIR already built)
# Needs desktop-file-utils, appstream, appstream-util, dpkg-dev, lintian,
# man-db, python3-debian, xvfb, xdotool and weston. Touches nothing outside BUILD_DIR and a
# temporary folder: the .deb is unpacked, never installed.
set -u

if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
    echo "usage: $0 BUILD_DIR (a configured and built CMake tree)" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$scratch"' EXIT
passed=0
failed=0

pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1"; [ $# -gt 1 ] && sed 's/^/    /' "$2"; }

metainfo=share/metainfo/example.pelmora_games.pelmora.metainfo.xml
# Every file the game needs, relative to a prefix such as /usr.
layout="games/pelmora
libexec/pelmora/pelmora
libexec/pelmora/pelmora-sound.so
libexec/pelmora/clearbox.wav
libexec/pelmora/win.wav
share/applications/pelmora.desktop
$metainfo
share/icons/hicolor/16x16/apps/pelmora.png
share/icons/hicolor/32x32/apps/pelmora.png
share/icons/hicolor/48x48/apps/pelmora.png
share/icons/hicolor/256x256/apps/pelmora.png
share/icons/hicolor/scalable/apps/pelmora.svg
share/man/man6/pelmora.6.gz
share/doc/pelmora/copyright
share/doc/pelmora/changelog.gz"

# check_layout NAME PREFIX: every file is there, the launcher in games/
# leads to the real program and the program is executable.
check_layout() {
    missing=""
    for f in $layout; do
        [ -e "$2/$f" ] || missing="$missing $f"
    done
    if [ -n "$missing" ]; then
        fail "$1 layout: missing$missing"
    elif [ ! -x "$2/libexec/pelmora/pelmora" ] ||
         [ "$(readlink -f "$2/games/pelmora")" != "$(readlink -f "$2/libexec/pelmora/pelmora")" ]; then
        fail "$1 layout: games/pelmora does not lead to an executable libexec/pelmora/pelmora"
    else
        pass "$1 layout"
    fi
}

# check_metadata NAME ROOT PREFIX: the desktop entry and the AppStream data
# validate, the latter with both validators (no errors, no warnings at
# pedantic level) and against the tree around it (file name, icon), and
# both carry a comment and a summary in each of the game's languages.
check_metadata() {
    log="$scratch/metadata.log"
    : >"$log"
    for ts in "$source_dir"/l10n/pelmora_*.ts; do
        language=${ts##*/pelmora_}
        language=${language%.ts}
        grep -q "^Comment\[$language\]=" "$3/share/applications/pelmora.desktop" &&
            grep -q "<summary xml:lang=\"$language\">" "$3/$metainfo" ||
            echo "no comment or summary in $language" >>"$log"
    done
    if [ ! -s "$log" ] && desktop-file-validate "$3/share/applications/pelmora.desktop" >"$log" 2>&1 &&
       appstreamcli validate --pedantic --no-net "$3/$metainfo" >>"$log" 2>&1 &&
       ! grep -Eq '^[EW]:' "$log" &&
       appstream-util validate --nonet "$3/$metainfo" >>"$log" 2>&1 &&
       appstreamcli validate-tree --no-net "$2" >>"$log" 2>&1; then
        pass "$1 desktop entry and AppStream data validate"
    else
        fail "$1 desktop entry and AppStream data validate" "$log"
    fi
}

# check_manual PREFIX: the manual page renders without a warning from man.
check_manual() {
    log="$scratch/man.log"
    page="$1/share/man/man6/pelmora.6.gz"
    if LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$log" >/dev/null &&
       [ ! -s "$log" ] && LC_ALL=C.UTF-8 man -l "$page" 2>>"$log" | grep -q 'pelmora - puzzle game'; then
        pass "manual page renders"
    else
        fail "manual page renders" "$log"
    fi
}

# check_copyright PREFIX: the copyright file parses as Debian's
# machine-readable format and gives every licence's text. (lintian parses
# that format only in source packages.)
check_copyright() {
    if "$source_dir/tools/ci/check-copyright.py" "$1/share/doc/pelmora/copyright" >"$scratch/copyright.log" 2>&1; then
        pass "copyright file in the machine-readable format"
    else
        fail "copyright file in the machine-readable format" "$scratch/copyright.log"
    fi
}

# check_starts NAME LAUNCHER [RUNNER...]: the game, started through RUNNER
# (its display), runs for 3 s without a crash, and the program the kernel
# runs sits beside both sounds (the game finds them through /proc/self/exe).
check_starts() {
    name=$1 launcher=$2
    shift 2
    log="$scratch/start.log" pidfile="$scratch/pid"
    rm -f "$pidfile"
    # The shell writes its process id, then becomes the game.
    SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} "$@" timeout 3 \
        sh -c 'echo $$ >"$0"; exec "$1"' "$pidfile" "$launcher" >"$log" 2>&1 </dev/null &
    runner=$!
    sleep 1.5
    folder=""
    [ -s "$pidfile" ] && folder=$(dirname "$(readlink "/proc/$(cat "$pidfile")/exe")")
    wait "$runner"
    status=$?
    crash='Segmentation|Aborted|core dumped|terminate called|Sanitizer|runtime error|error while loading|Could not load the Qt platform|cannot open a display'
    if [ "$status" -ne 124 ]; then
        echo "exit status $status (124 expected: still running when stopped)" >>"$log"
        fail "$name starts and keeps running" "$log"
    elif grep -Eq "$crash" "$log"; then
        fail "$name starts and keeps running" "$log"
    elif [ ! -f "$folder/clearbox.wav" ] || [ ! -f "$folder/win.wav" ]; then
        echo "running program's folder: '$folder'" >>"$log"
        fail "$name runs beside its sounds" "$log"
    else
        pass "$name starts, keeps running and sits beside its sounds"
    fi
}

# check_plays LAUNCHER: on an X server, the keys press cell after cell twice
# until a group goes; the sound module must then have played the clearing
# sound into SDL's disk device (anything but silence).
check_plays() {
    log="$scratch/plays.log" sound="$scratch/sound.raw"
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound" QT_QPA_PLATFORM=xcb \
        "$1" >"$log" 2>&1 </dev/null &
    game=$!
    window=$(timeout 10 xdotool search --sync --name '^Pelmora$' 2>>"$log" | head -n 1)
    heard=no
    if [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>>"$log"; then
        for _ in $(seq 40); do
            xdotool key --clearmodifiers space space Right 2>>"$log"
            sleep 0.3
            if [ -s "$sound" ] && [ "$(tr -d '\000' <"$sound" | head -c 1 | wc -c)" -eq 1 ]; then
                heard=yes
                break
            fi
        done
    fi
    kill "$game" 2>/dev/null
    wait "$game" 2>/dev/null
    if [ "$heard" = yes ]; then
        pass "deb game on X11 plays its sound through its module"
    else
        fail "deb game on X11 plays its sound through its module" "$log"
    fi
}

# An X server of our own, as a desktop has; one that does not reset when
# its last client leaves, which would refuse the next one meanwhile.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$scratch/display" ] && break
        sleep 0.1
    done
    DISPLAY=:$(cat "$scratch/display")
    export DISPLAY
}

# (a) cmake --install into a prefix other than the configured one, so the
# tree is shown to be relocatable.
root="$scratch/install"
prefix="$root/usr"
if cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    pass "cmake --install"
    check_layout "install" "$prefix"
    check_metadata "install" "$root" "$prefix"
    check_starts "install launcher (offscreen)" "$prefix/games/pelmora" env QT_QPA_PLATFORM=offscreen
else
    fail "cmake --install" "$scratch/install.log"
fi

# (b) the .deb: lintian, its control data, its contents, then unpacked and
# started on X11 and on Wayland.
if (cd "$build" && cpack -G DEB) >"$scratch/cpack.log" 2>&1; then
    deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$scratch/cpack.log")
fi
if [ -n "${deb:-}" ] && [ -f "$deb" ]; then
    pass "cpack made $(basename "$deb")"
    # Every tag fails the check, infos and pedantic ones too, except those
    # the package overrides with its reasons (packaging/lintian-overrides).
    if lintian --pedantic -I -E --fail-on error,warning,info,pedantic "$deb" >"$scratch/lintian.log" 2>&1 &&
       ! grep -v '^running with root privileges' "$scratch/lintian.log" | grep -q .; then
        pass "lintian --pedantic: no tags"
    else
        fail "lintian --pedantic: no tags" "$scratch/lintian.log"
    fi
    info="$scratch/info.log"
    dpkg-deb --info "$deb" >"$info" 2>&1
    if grep -q '^ Package: pelmora$' "$info" &&
       grep -q '^ Section: games$' "$info" &&
       grep -q '^ Maintainer: Pelmora Games <support@pelmora-games.example>$' "$info" &&
       grep -q '^ Depends:.*libqt6widgets6' "$info" &&
       grep -q '^ Depends:.*libsdl2' "$info" &&
       grep -q '^ Depends:.*fonts-liberation2' "$info" &&
       grep -q '^ Depends:.*fonts-dejavu-core' "$info" &&
       grep -q '^ Recommends: qt6-wayland, qt6-translations-l10n$' "$info"; then
        pass "deb control data (name, section, maintainer, libraries, fonts, Wayland, Qt's catalogues)"
    else
        fail "deb control data (name, section, maintainer, libraries, fonts, Wayland, Qt's catalogues)" "$info"
    fi
    contents="$scratch/contents.log"
    dpkg-deb --contents "$deb" >"$contents" 2>&1
    if grep -q ' \./usr/games/pelmora -> \.\./libexec/pelmora/pelmora$' "$contents" &&
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
        check_manual "$unpacked/usr"
        check_copyright "$unpacked/usr"
        start_xvfb
        check_starts "deb launcher on X11" "$unpacked/usr/games/pelmora" env QT_QPA_PLATFORM=xcb
        check_plays "$unpacked/usr/games/pelmora"
        check_starts "deb launcher on Wayland" "$unpacked/usr/games/pelmora" "$source_dir/tools/ci/with-weston.sh"
    else
        fail "dpkg-deb -x" "$scratch/x.log"
    fi
else
    fail "cpack made a .deb" "$scratch/cpack.log"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
