#!/bin/sh
# Runs a command as it would run on a desktop with a screen reader: on its
# own X server and D-Bus session, with the accessibility bus up and Qt told
# to serve it. The command's exit status is this script's.
# Usage: tools/ci/with-a11y-bus.sh COMMAND [ARG...]
set -eu
if [ -z "${PELMORA_A11Y_SESSION:-}" ]; then
    export PELMORA_A11Y_SESSION=1
    # -noreset: an X server resets when its last client leaves, and a client
    # that connects meanwhile is refused, as the game was when the session's
    # first clients had just left.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- "$0" "$@"
fi

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "with-a11y-bus.sh: $launcher missing (at-spi2-core)" >&2; exit 1; }
"$launcher" --launch-immediately &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null || true' EXIT

# Qt serves the bus only if it is there when the program starts: wait for
# the bus to take its name (at most 10 s).
tries=0
until dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "with-a11y-bus.sh: the accessibility bus never came up" >&2
        exit 1
    fi
    sleep 0.1
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$@"
