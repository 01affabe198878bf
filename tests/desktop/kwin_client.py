# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a test asks of KWin over its session bus.

    kwin_client.py ready         waits until KWin is on the bus
    kwin_client.py unminimise    the game's minimised windows shown again, as a taskbar would

The game's windows are reached through KWin's scripting, which any client
on its bus may use.
"""
import sys
import tempfile
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

KWIN = "org.kde.KWin"
# KWin 6 lists windows with windowList(), 5 with clientList().
UNMINIMISE = """
const windows = workspace.windowList ? workspace.windowList() : workspace.clientList();
for (const window of windows) {
    if (window.minimized && window.caption.startsWith("Kwintor")) {
        window.minimized = false;
        if ("activeWindow" in workspace) workspace.activeWindow = window; else workspace.activeClient = window;
    }
}
"""

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, arguments=None):
    return bus.call_sync(KWIN, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE, 20000, None)


def ready():
    deadline = time.monotonic() + 60
    while not bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                            "NameHasOwner", GLib.Variant("(s)", (KWIN,)), None, Gio.DBusCallFlags.NONE,
                            20000, None).unpack()[0]:
        if time.monotonic() > deadline:
            sys.exit("KWin took no name on the bus within 60 s")
        time.sleep(0.1)


def unminimise():
    with tempfile.NamedTemporaryFile("w", suffix=".js") as script:
        script.write(UNMINIMISE)
        script.flush()
        scripting = ("/Scripting", "org.kde.kwin.Scripting")
        call(*scripting, "loadScript", GLib.Variant("(ss)", (script.name, "kwintor-unminimise")))
        call(*scripting, "start")
        # The script has run once KWin answers again; then it may go.
        call(*scripting, "isScriptLoaded", GLib.Variant("(s)", ("kwintor-unminimise",)))
        call(*scripting, "unloadScript", GLib.Variant("(s)", ("kwintor-unminimise",)))


def main(arguments):
    if arguments == ["ready"]:
        ready()
    elif arguments == ["unminimise"]:
        unminimise()
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
