#!/bin/sh
# Runs a command as a native Wayland client: under a headless Weston of its
# own (no screen, no input devices), with Qt's Wayland platform and no X11
# display to fall back on. The command's exit status is this script's.
# Usage: tools/ci/with-weston.sh COMMAND [ARG...]
set -eu
command -v weston >/dev/null || { echo "with-weston.sh: weston missing" >&2; exit 1; }
runtime=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-weston-XXXXXX")
chmod 700 "$runtime"
socket=pelmora-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --use-pixman \
    --width=1024 --height=768 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; rm -rf "$runtime"' EXIT

# The socket appears once the compositor listens (at most 10 s).
tries=0
until [ -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "with-weston.sh: weston never came up" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.1
done

unset DISPLAY
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
# Under AddressSanitizer: Qt's Wayland client loads Mesa's EGL driver and
# unloads it before the leak check at exit, so only full stacks show whose
# allocations those are (tools/ci/lsan.supp). Slow, but these runs are short.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
fi
"$@"
