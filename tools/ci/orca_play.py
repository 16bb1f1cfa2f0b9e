#!/usr/bin/python3 -B
"""Plays Pelmora by keys with Orca, the screen reader Debian ships, at its
default settings, and checks what Orca says at each step.

Starts speech-dispatcher (its dummy voice, on ALSA's null device) and Orca
with a debug file, then the game with its first boards dealt from a script
(tests/access/DealtGame.cpp), and plays: moves, a selection, a removal, a
refused LEVEL UP, a Reset, the status key, a granted LEVEL UP, the About
window, Quit. Orca writes its log in blocks, so the time of each step is
noted, Orca is ended cleanly at the end (which writes the rest), and the
"SPEECH OUTPUT" lines are given to the steps by their time stamps. Prints
what Orca said at each step. Run it under tools/ci/with-a11y-bus.sh.
Usage: orca_play.py PATH-TO-DEALT-GAME
"""
import datetime
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

from bus_helpers import application, fail, game_window, wait_for

DEADLINE_SECONDS = 30
STEP_SECONDS = 0.8     # at least this long per step
QUIET_SECONDS = 0.8    # Orca's log still this long: Orca has done with a step
LONGEST_STEP_SECONDS = 15
SETTLE_SECONDS = 1.0   # boxes falling, then the news
MENU_SECONDS = 1.5     # a menu opening
MENU_TRIES = 5
MOVES = {"Right", "Down", "Home", "Page Down"}  # each must name one cell
CELL_NAME = re.compile(r"^(?:(?:blue|green|red|yellow) box(?:, selected)?|empty)$")
SPOKEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'\s*\{")

# Each step: what it is, the keys (or a special action), and what Orca must
# say, in that order (other words may come between: key echo, the window).
STEPS = [
    ("the window gets the focus", ["focus main"], ["Pelmora frame", "Board panel", "blue box"]),
    ("Right", ["Right"], ["red box"]),
    ("Down", ["Down"], ["yellow box"]),
    ("Home", ["Home"], ["green box"]),
    ("Page Down", ["Next"], ["red box"]),
    ("Space on the red pair", ["space"], ["red box, selected", "2 boxes selected, worth 2000"]),
    ("Space again: removed", ["space", "settle"],
     ["blue box, selected", "removed 2 boxes for 2000 points; 2000 points; 2 boxes selected, worth 2000"]),
    ("Tab to LEVEL UP", ["Tab"], ["LEVEL UP push button"]),
    ("Space: refused", ["space", "wait Nope"], ["alert Nope", "You need more points!", "OK push button"]),
    ("Enter on OK: a new game", ["Return", "gone Nope", "focus main"],
     ["LEVEL UP push button", "new game; level 1; 0 points"]),
    ("Shift+Tab to the board", ["shift+Tab"], ["Board panel", "green box"]),
    ("Alt+F", ["menu alt+f Reset"], ["Reset"]),
    ("Enter: Reset", ["Return", "settle"], ["green box", "reshuffled; -15000 points; next Reset costs 35000"]),
    ("Space on the green board", ["space"], ["green box, selected", "91 boxes selected, worth 4140500"]),
    ("Space again: all removed", ["space", "settle"],
     ["empty", "removed 91 boxes for 4140500 points; 4125500 points"]),
    ("S: the status", ["s"], ["empty", "4125500 points; level 1; next level at 200000; nothing selected; "
                                      "0 red, 0 blue, 0 green, 0 yellow boxes left; next Reset costs 35000"]),
    ("Tab to LEVEL UP", ["Tab"], ["LEVEL UP push button"]),
    ("Space: level 2", ["space"], ["LEVEL UP push button", "level 2; next level at 450000"]),
    ("Alt+H", ["menu alt+h How to Play / About Pelmora..."], ["How to Play / About Pelmora..."]),
    ("Enter: the About window", ["Return", "wait About Pelmora", "focus About Pelmora"],
     ["About Pelmora dialog Pelmora, Version 1.0 Have questions?  Need technical support?  "
      "Copyright \u00a9 2026 Pelmora Games", "OK push button"]),
    ("Tab", ["Tab"], ["Pelmora link", "mailto:support@pelmora-games.example"]),
    ("Tab", ["Tab"], ["http://www.pelmora-games.example/pelmora link"]),
    ("Tab", ["Tab"], ["read only text", "Welcome to: Pelmora"]),
    ("Down", ["Down"], []),
    ("Down", ["Down"], ["blank"]),
    ("Down", ["Down"], ["Usage Instructions:"]),
    ("Tab", ["Tab"], ["Contact us link", "http://www.pelmora-games.example/"]),
    ("Tab", ["Tab"], ["OK push button"]),
    ("Escape", ["Escape", "gone About Pelmora", "focus main"], []),
]


def showing(title, item):
    found = pyatspi.utils.findDescendant(game_window(title), lambda a: a.name == item)
    return found is not None and found.getState().contains(pyatspi.STATE_SHOWING)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, capture_output=True)


def act(action, game):
    """One key, or one of: focus/wait/gone TITLE, menu KEYS ITEM, settle."""
    verb, _, rest = action.partition(" ")
    if verb == "focus":  # what a window manager does for a window shown or closed
        title = "Pelmora" if rest == "main" else rest
        wait_for(title, lambda: game_window(title))
        xdotool("search", "--sync", "--name", "^%s$" % re.escape(title), "windowfocus", "--sync")
    elif verb == "wait":
        wait_for(rest, lambda: game_window(rest))
    elif verb == "gone":
        wait_for(rest + " to close", lambda: game_window(rest) is None)
    elif verb == "menu":
        # Qt closes a menu the moment it opens now and then under this
        # harness (with or without a window manager): the keys again, then.
        keys, _, item = rest.partition(" ")
        for _ in range(MENU_TRIES):
            xdotool("key", keys)
            time.sleep(MENU_SECONDS)  # looked at once: a busy bus slows the menu down
            if showing("Pelmora", item):
                return
            xdotool("key", "Escape")
            time.sleep(MENU_SECONDS)
        fail("the menu with %s never opened" % item)
    elif verb == "settle":
        time.sleep(SETTLE_SECONDS)
    else:
        xdotool("key", action)
    if game.poll() is not None:
        fail("the game ended (status %d) at %s" % (game.returncode, action))


def quiet(log):
    """Waits until Orca has stopped writing its log for a while: it has
    presented what the step made happen, however loaded the machine is."""
    started = last_change = time.monotonic()
    size = -1
    while time.monotonic() - started < LONGEST_STEP_SECONDS:
        now_size = os.path.getsize(log) if os.path.exists(log) else 0
        now = time.monotonic()
        if now_size != size:
            size, last_change = now_size, now
        elif now - last_change >= QUIET_SECONDS and now - started >= STEP_SECONDS:
            return
        time.sleep(0.1)


def seconds_of_day(moment):
    return moment.hour * 3600 + moment.minute * 60 + moment.second + moment.microsecond / 1e6


def spoken_lines(log):
    """(time of day, words, whether it echoes a key) for each utterance."""
    said = []
    with open(log, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            match = SPOKEN.match(line)
            if match:
                hours, minutes, seconds, text = match.groups()
                echo = text.endswith(" ")  # Orca's key echo: "space ", "left alt "
                said.append((int(hours) * 3600 + int(minutes) * 60 + float(seconds), normal(text), echo))
    return said


def normal(text):
    return text.strip().rstrip(".")


def check(name, said, expected, echoes):
    """What is wrong with what Orca said at one step, or None."""
    at = 0
    for utterance in said:
        if at < len(expected) and utterance == normal(expected[at]):
            at += 1
    if at < len(expected):
        return "did not say %r" % expected[at]
    cells = [u for u in said if CELL_NAME.match(u)]
    if len(cells) > 1 and name in MOVES:
        return "named %d cells for one move" % len(cells)
    repeated = {u for u in said if sum(u in other for other in said) > 1 and u not in echoes}
    if repeated:
        return "said %s twice" % sorted(repeated)
    return None


def start(command, env):
    return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    scratch = tempfile.mkdtemp(prefix="orca-play-")
    home, runtime, prefs = (os.path.join(scratch, d) for d in ("home", "run", "prefs"))
    for folder in (home, runtime, prefs, os.path.join(scratch, "speechd")):
        os.makedirs(folder, mode=0o700)
    # No sound card here: the voice speaks into ALSA's null device.
    with open(os.path.join(home, ".asoundrc"), "w") as asound:
        asound.write("pcm.!default { type null }\n")
    with open(os.path.join(scratch, "speechd", "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nAddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, SDL_AUDIODRIVER="dummy")
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)  # Orca switches Qt's on, as on a desktop
    log = os.path.join(scratch, "orca.log")
    speech = start(["speech-dispatcher", "-s", "-t", "0", "-C", os.path.join(scratch, "speechd"),
                    "-L", scratch], env)
    orca = start(["orca", "--replace", "-u", prefs, "--debug-file", log], env)
    game = None
    times = []
    try:
        wait_for("Orca on the accessibility bus", lambda: application("orca"))
        time.sleep(2)  # Orca registers its listeners after it appears
        game = start([sys.argv[1]], env)
        wait_for("the game on the bus", lambda: game_window())
        for name, actions, _ in STEPS:
            times.append(seconds_of_day(datetime.datetime.now()))
            for action in actions:
                act(action, game)
            quiet(log)
        times.append(seconds_of_day(datetime.datetime.now()))
        act("menu alt+f Quit", game)
        xdotool("key", "Up", "Return")
        if game.wait(timeout=DEADLINE_SECONDS) != 0:
            fail("the game ended with status %d" % game.returncode)
    finally:
        if game and game.poll() is None:
            game.kill()
        orca.send_signal(signal.SIGTERM)  # a clean end writes the whole log
        try:
            orca.wait(timeout=DEADLINE_SECONDS)
        except subprocess.TimeoutExpired:
            orca.kill()
        speech.kill()
    said = spoken_lines(log)
    faults = []
    for step, (name, actions, expected) in enumerate(STEPS):
        during = [(text, echo) for moment, text, echo in said if times[step] <= moment < times[step + 1]]
        heard = [text for text, _ in during]
        print("  %-28s %s" % (name, " / ".join(heard)))
        fault = check(name, heard, expected, {text for text, echo in during if echo})
        if fault:
            faults.append("%s: %s" % (name, fault))
    if faults:
        fail("Orca " + "; ".join(faults) + " (its log: %s)" % log)
    shutil.rmtree(scratch)  # kept when something failed, for its log
    print("orca_play: %d steps, Orca said at each what the player needs" % len(STEPS))


if __name__ == "__main__":
    main()
