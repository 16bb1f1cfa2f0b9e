#!/usr/bin/python3
"""Reads Pelmora through the accessibility bus as a German player's screen
reader does: the game started with LANG=de_DE.UTF-8 names its board, cells,
figures, LEVEL UP and menus as the German catalogue says, by way of the texts
the layout exporter wrote from the same catalogue. Run it under
tools/ci/with-a11y-bus.sh.
Usage: atspi_language.py PATH-TO-PELMORA PATH-TO-WEB/lang/de.json
"""
import json
import os
import subprocess
import sys
import time

import pyatspi

DEADLINE_SECONDS = 20


def fail(message):
    print("atspi_language: FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find(root, predicate):
    return pyatspi.utils.findDescendant(root, predicate)


def wait_for_window():
    deadline = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            for window in app or []:
                if window is not None and window.name == "Pelmora":
                    return window
        time.sleep(0.05)
    fail("the game's window never came on the bus")


def main():
    texts = json.load(open(sys.argv[2], encoding="utf-8"))
    controls = texts["main"]["controls"]
    environment = dict(os.environ, LANG="de_DE.UTF-8", LANGUAGE="", LC_ALL="", SDL_AUDIODRIVER="dummy")
    game = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        window = wait_for_window()
        time.sleep(0.5)  # the first board's names settle
        board = find(window, lambda a: a.name == controls["dest"]["accessibleName"])
        if board is None or "Table" not in pyatspi.listInterfaces(board):
            fail("no board with a table of cells is called %r" % controls["dest"]["accessibleName"])
        cells = {board.queryTable().getAccessibleAt(row, column).name for row in range(7) for column in range(13)}
        if not cells <= set(texts["board"]["cellNames"].values()):
            fail("cells named %s" % sorted(cells - set(texts["board"]["cellNames"].values())))
        wanted = [controls["Pts"]["accessibleName"], controls["Label6"]["accessibleName"],
                  controls["Label3"]["text"], texts["main"]["menus"]["mnuFile"]["items"]["mnuFileNew"]["text"]]
        missing = [name for name in wanted if find(window, lambda a, n=name: a.name == n) is None]
        if missing:
            fail("nothing on the bus is called %s" % missing)
        print("atspi_language: the board, %d kinds of cell, %s read in German" % (len(cells), ", ".join(wanted)))
    finally:
        game.kill()
        game.wait()


if __name__ == "__main__":
    main()
