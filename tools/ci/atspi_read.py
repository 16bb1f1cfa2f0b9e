#!/usr/bin/python3 -B
"""Plays Pelmora by keyboard while reading it as a screen reader does.

Starts the game, finds it on the accessibility bus, and checks what a
screen reader gets: the board with a 7 x 13 table of named cells, the cursor's
cell focused, the status labels' names and texts. Then it selects a group
and removes it with keys sent to the X server, and checks the cell names and
the labels again. Run it under tools/ci/with-a11y-bus.sh.
Usage: atspi_read.py PATH-TO-PELMORA
"""
import os
import subprocess
import sys

import pyatspi

from bus_helpers import fail, game_window, wait_for

ROWS, COLUMNS = 7, 13
COLOURS = ("blue", "green", "red", "yellow")
LABELS = ("Points", "Selection value", "Current level", "Reset cost", "Red boxes left",
          "Blue boxes left", "Green boxes left", "Yellow boxes left")


def find(root, predicate):
    return pyatspi.utils.findDescendant(root, predicate)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def read_board(table):
    return [[table.getAccessibleAt(row, column).name for column in range(COLUMNS)] for row in range(ROWS)]


def focused_cells(table):
    cells = []
    for row in range(ROWS):
        for column in range(COLUMNS):
            if table.getAccessibleAt(row, column).getState().contains(pyatspi.STATE_FOCUSED):
                cells.append((row, column))
    return cells


def first_pair(board):
    """A normal box with a same-coloured neighbour to its right or below."""
    for row in range(ROWS):
        for column in range(COLUMNS):
            name = board[row][column]
            if not name.endswith(" box"):
                continue
            if (column + 1 < COLUMNS and board[row][column + 1] == name) or \
               (row + 1 < ROWS and board[row + 1][column] == name):
                return row, column
    return None


def press(*keys):
    if not keys:
        return
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def main():
    game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, SDL_AUDIODRIVER="dummy"))
    try:
        window = wait_for("the game's window on the bus", game_window)
        board_table = wait_for("the board", lambda: find(window, lambda a: a.name == "Board"))
        if "Table" not in pyatspi.listInterfaces(board_table):
            fail("the board has no table of cells")
        table = board_table.queryTable()
        if (table.nRows, table.nColumns) != (ROWS, COLUMNS):
            fail("the board reads as %d x %d" % (table.nRows, table.nColumns))
        board = read_board(table)
        allowed = {"empty"} | {c + " box" for c in COLOURS}
        strange = {name for line in board for name in line} - allowed
        if strange:
            fail("cells named %s" % sorted(strange))
        labels = {name: wait_for("label " + name, lambda n=name: find(window, lambda a: a.name == n))
                  for name in LABELS}
        if text_of(labels["Points"]) != "0" or text_of(labels["Current level"]) != "1":
            fail("the game does not start at level 1 with 0 points")
        counts = {c: int(text_of(labels[c.capitalize() + " boxes left"])) for c in COLOURS}
        for colour in COLOURS:
            on_board = sum(line.count(colour + " box") for line in board)
            if counts[colour] != on_board:
                fail("%s boxes left reads %d, the board has %d" % (colour, counts[colour], on_board))

        # The keys go to the game's window; its board has the focus.
        window_id = subprocess.run(["xdotool", "search", "--sync", "--name", "^Pelmora$"], check=True,
                                   capture_output=True, text=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
        pair = first_pair(board)
        if pair is None:
            fail("no group on the dealt board")  # a dealt board always has one in practice
        row, column = pair
        press(*(["Down"] * row + ["Right"] * column))
        wait_for("the cursor's cell to be the focused one", lambda: focused_cells(table) == [(row, column)])

        press("space")
        colour = board[row][column]
        wait_for("the group to read as selected",
                 lambda: table.getAccessibleAt(row, column).name == colour + ", selected")
        selected = [(r, c) for r in range(ROWS) for c in range(COLUMNS)
                    if table.getAccessibleAt(r, c).name == colour + ", selected"]
        value = 500 * len(selected) ** 2
        wait_for("the selection value", lambda: text_of(labels["Selection value"]) == str(value))

        press("Return")
        wait_for("the points after the removal", lambda: text_of(labels["Points"]) == str(value))
        # A box that falls into the pressed cell may start a new selection
        # at once; the selection value then shows that one.
        after = read_board(table)
        now_selected = sum(", selected" in name for line in after for name in line)
        shown = text_of(labels["Selection value"])
        if shown != (str(500 * now_selected ** 2) if now_selected else ""):
            fail("the selection value reads %r with %d cells selected" % (shown, now_selected))
        name_of_colour = colour.split()[0]
        left = int(text_of(labels[name_of_colour.capitalize() + " boxes left"]))
        if left != counts[name_of_colour] - len(selected):
            fail("%s boxes left reads %d after removing %d of %d"
                 % (name_of_colour, left, len(selected), counts[name_of_colour]))

        # Reset through the File menu's access key, then Quit the same way.
        press("alt+f")
        wait_for("the File menu", lambda: find(window, lambda a: a.name == "Reset"
                                                and a.getState().contains(pyatspi.STATE_SHOWING)))
        press("Return")
        wait_for("the points after a Reset", lambda: text_of(labels["Points"]) == str(value - 15000))
        # Tab reaches LEVEL UP, a button; Shift+Tab goes back to the cursor's cell.
        level_up = find(window, lambda a: a.name == "LEVEL UP")
        if level_up.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail("LEVEL UP reads as a %s" % level_up.getRoleName())
        press("Tab")
        wait_for("LEVEL UP to take the focus", lambda: level_up.getState().contains(pyatspi.STATE_FOCUSED))
        press("shift+Tab")
        wait_for("the cursor's cell to be focused again", lambda: focused_cells(table) == [(row, column)])
        print("atspi_read: board 7 x 13 read; %d %s boxes selected and removed by keys; then a Reset"
              % (len(selected), name_of_colour))
        for name in LABELS:
            print("  %s %s" % (name, text_of(labels[name])))
        press("alt+f")
        wait_for("the File menu", lambda: find(window, lambda a: a.name == "Quit"
                                                and a.getState().contains(pyatspi.STATE_SHOWING)))
        press("Up", "Return")
        if game.wait(timeout=20) != 0:
            fail("the game ended with status %d" % game.returncode)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


if __name__ == "__main__":
    main()
