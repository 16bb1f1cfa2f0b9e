"""What the scripts that play the game over the accessibility bus share:
failing with the script's name, waiting on the bus, finding the game."""
import os
import sys
import time

import pyatspi

DEADLINE_SECONDS = 20


def fail(message):
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    print("%s: FAIL: %s" % (name, message), file=sys.stderr)
    sys.exit(1)


def wait_for(what, condition, seconds=DEADLINE_SECONDS):
    """Polls the bus until condition() gives something true, or fails."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = condition()
        except Exception:  # the bus may answer for a half-built object
            found = None
        if found:
            return found
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def application(name):
    """The application called `name` on the bus, or None."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def game_window(title="Pelmora"):
    """The game's window called `title`, or None."""
    app = application("Pelmora")
    return next((w for w in app if w is not None and w.name == title), None) if app else None
