#!/usr/bin/python3 -B
"""Calls every object the game puts on the accessibility bus with rows,
columns, indexes and offsets off the object, and missing arguments, as any
program on the player's session may; the game must live and answer.

Opens the About window and the "Nope" box first, so that their objects are
called too. After each call the game must still run and answer a plain
question within two seconds. Run it under tools/ci/with-a11y-bus.sh.
Usage: atspi_hostile.py PATH-TO-PELMORA
"""
import os
import subprocess
import sys

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

from bus_helpers import fail, wait_for  # noqa: E402

LOW, HIGH = -2**31, 2**31 - 1
CALL_SECONDS = 3
ANSWER_SECONDS = 2

# By interface: (method, signature, arguments). None: no arguments at all,
# whatever the method takes.
HOSTILE = {
    "Table": [
        ("IsSelected", "(ii)", (7, 0)), ("IsSelected", "(ii)", (-1, 0)), ("GetRowExtentAt", "(ii)", (0, 13)),
        ("GetColumnExtentAt", "(ii)", (7, 13)), ("GetRowColumnExtentsAtIndex", "(i)", (91,)),
        ("GetRowColumnExtentsAtIndex", "(i)", (-1,)), ("GetRowHeader", "(i)", (7,)),
        ("GetColumnHeader", "(i)", (HIGH,)), ("GetIndexAt", "(ii)", (LOW, 0)), ("GetAccessibleAt", "(ii)", (-1, -1)),
        ("GetRowAtIndex", "(i)", (HIGH,)), ("GetColumnAtIndex", "(i)", (-5,)), ("GetRowDescription", "(i)", (99,)),
        ("IsRowSelected", "(i)", (-1,)), ("AddColumnSelection", "(i)", (99,)), ("IsSelected", None, None),
    ],
    "Text": [
        ("GetTextAtOffset", "(iu)", (-1, 1)), ("GetTextAtOffset", "(iu)", (HIGH, 2)), ("GetTextAtOffset", "(iu)", (0, 99)),
        ("GetTextBeforeOffset", "(iu)", (LOW, 3)), ("GetTextAfterOffset", "(iu)", (HIGH, 4)),
        ("GetRangeExtents", "(iiu)", (LOW, HIGH, 0)), ("GetRangeExtents", "(iiu)", (0, 5000000, 1)),
        ("GetText", "(ii)", (LOW, HIGH)), ("GetCharacterAtOffset", "(i)", (-1,)), ("GetCharacterExtents", "(iu)", (HIGH, 0)),
        ("GetAttributeRun", "(ib)", (-1, True)), ("GetAttributes", "(i)", (HIGH,)), ("GetSelection", "(i)", (-1,)),
        ("SetCaretOffset", "(i)", (LOW,)), ("SetSelection", "(iii)", (5, -1, HIGH)), ("AddSelection", "(ii)", (HIGH, LOW)),
        ("RemoveSelection", "(i)", (99,)), ("GetOffsetAtPoint", "(iiu)", (LOW, HIGH, 0)),
        ("GetBoundedRanges", "(iiiiuuu)", (0, 0, HIGH, HIGH, 0, 0, 0)), ("GetText", None, None),
    ],
    "EditableText": [
        ("InsertText", "(isi)", (0, "x", HIGH)), ("SetTextContents", "(s)", ("rewritten",)),
        ("DeleteText", "(ii)", (0, HIGH)), ("CopyText", "(ii)", (LOW, HIGH)),
    ],
    "Accessible": [("GetChildAtIndex", "(i)", (HIGH,)), ("GetChildAtIndex", "(i)", (-1,))],
    "Action": [("DoAction", "(i)", (99,)), ("GetName", "(i)", (-1,)), ("GetKeyBinding", "(i)", (HIGH,))],
    "Component": [("GetAccessibleAtPoint", "(iiu)", (LOW, HIGH, 0)), ("Contains", "(iiu)", (HIGH, LOW, 9)),
                  ("GetExtents", None, None)],
}
PROPERTIES = [("GetAll", "(s)", ("org.a11y.atspi.Accessible",)), ("Get", "(s)", ("org.a11y.atspi.Text",)),
              ("Get", None, None)]


def game_windows():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and any(w is not None and w.name == "Pelmora" for w in app):
            return app, list(app)
    return None


def objects(root):
    """Every object under root; of the board's 91 cells only the first."""
    found, cells = [], 0
    stack = [root]
    while stack:
        accessible = stack.pop()
        if accessible.getRole() == pyatspi.ROLE_TABLE_CELL:
            cells += 1
            if cells > 1:
                continue
        found.append(accessible)
        stack.extend(child for child in accessible if child is not None)
    return found


def press(window, name):
    """Presses the button or menu item `name` through its action."""
    item = wait_for(name, lambda: pyatspi.utils.findDescendant(window, lambda a: a.name == name))
    item.queryAction().doAction(0)


def main():
    game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, SDL_AUDIODRIVER="dummy"))
    try:
        app, windows = wait_for("the game on the bus", game_windows)
        main_window = windows[0]
        press(main_window, "How to Play / About Pelmora...")
        wait_for("the About window", lambda: len(game_windows()[1]) >= 2)
        press(main_window, "LEVEL UP")  # 0 points: refused, the "Nope" box opens
        app, windows = wait_for("the Nope box", lambda: len(game_windows()[1]) >= 3 and game_windows())
        address = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                                  "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                 check=True, capture_output=True, text=True).stdout.strip()
        bus = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        name = app.app.bus_name

        def call(path, interface, method, signature, arguments, seconds):
            parameters = GLib.Variant(signature, arguments) if signature else None
            try:
                bus.call_sync(name, path, interface, method, parameters, None, 0, seconds * 1000, None)
            except GLib.Error as error:
                return "timed out" if "Timeout" in error.message else None
            return None

        calls = 0
        for window in windows:
            for accessible in objects(window):
                label = "%s %r" % (accessible.getRoleName(), accessible.name)
                path = accessible.path
                hostile = [("org.freedesktop.DBus.Properties",) + c for c in PROPERTIES]
                for interface in pyatspi.listInterfaces(accessible):
                    hostile += [("org.a11y.atspi." + interface,) + c for c in HOSTILE.get(interface, [])]
                for interface, method, signature, arguments in hostile:
                    calls += 1
                    asked = "%s.%s%s on %s" % (interface.split(".")[-1], method, arguments or "()", label)
                    if call(path, interface, method, signature, arguments, CALL_SECONDS):
                        fail("no answer within %d s to %s" % (CALL_SECONDS, asked))
                    if game.poll() is not None:
                        fail("the game ended (status %d) at %s" % (game.returncode, asked))
                    if call(path, "org.a11y.atspi.Accessible", "GetRole", None, None, ANSWER_SECONDS):
                        fail("the game no longer answers after %s" % asked)
        if main_window.name != "Pelmora" or not game_windows():
            fail("the game's windows changed under the calls")
        print("atspi_hostile: %d hostile calls on %d windows answered; the game lives" % (calls, len(windows)))
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


if __name__ == "__main__":
    main()
