# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a test asks of a headless GNOME Shell over its session bus.

    gnome_shell_client.py ready            waits for the shell and leaves its overview
    gnome_shell_client.py shot FILE        a picture of the whole screen, as PNG
    gnome_shell_client.py click X Y        the left button pressed and let go at X Y
    gnome_shell_client.py drag X Y TO_X TO_Y   the left button dragged from X Y to TO_X TO_Y
    gnome_shell_client.py keys KEY...      keys pressed and let go one after another (Tab, space, Return, Escape, Down, F2)
    gnome_shell_client.py hold             keeps a keyboard and a pointer on the seat until stopped

The pointer and the keys are Mutter's remote-desktop input, which reaches
programs as a player's own does. Each gesture's session brings its own
devices; the seat keeps the held ones between gestures, so that no program
loses its keyboard when a gesture ends and misses the next one's first
keys while it binds the keyboard again. Without a screen-cast stream it moves
the pointer only by steps: it goes to the bottom-right corner first, where
GNOME has no hot corner, and from there to X Y. Exits with 3 when the
pointer never left the screen's centre, where the shell starts it.
"""
import subprocess
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

SHELL = "org.gnome.Shell"
REMOTE = "org.gnome.Mutter.RemoteDesktop"
LEFT_BUTTON = 0x110  # BTN_LEFT
KEYSYMS = {"Tab": 0xFF09, "space": 0x20, "Return": 0xFF0D, "Escape": 0xFF1B, "Down": 0xFF54, "F2": 0xFFBF,
           "Shift_L": 0xFFE1}
BEYOND_ANY_SCREEN = 100000.0
# Headless Mutter 48 and 51 on a busy machine often start with the
# pointer's events kept from the windows: the shell draws its pointer where
# it is sent, but X never sees it move and clicks reach no window. Opening
# the overview and closing it once its animation has ended gives them back.
OVERVIEW_ANIMATION = 1
POINTER_NEVER_MOVED = 3

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(name, path, interface, method, arguments=None, timeout_ms=20000):
    return bus.call_sync(name, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE, timeout_ms, None)


def overview_active():
    try:
        reply = call(SHELL, "/org/gnome/Shell", "org.freedesktop.DBus.Properties", "Get",
                     GLib.Variant("(ss)", (SHELL, "OverviewActive")))
    except GLib.Error:
        return None  # not yet on the bus
    return reply.unpack()[0]


def wait_for(condition, what):
    deadline = time.monotonic() + 60
    while not condition():
        if time.monotonic() > deadline:
            sys.exit(f"GNOME Shell did not {what} within 60 s")
        time.sleep(0.1)


def show_overview(active):
    """Opens or closes the overview and gives its animation time to end."""
    call(SHELL, "/org/gnome/Shell", "org.freedesktop.DBus.Properties", "Set",
         GLib.Variant("(ssv)", (SHELL, "OverviewActive", GLib.Variant("b", active))))
    wait_for(lambda: overview_active() is active, "open its overview" if active else "close its overview")
    time.sleep(OVERVIEW_ANIMATION)


def ready():
    # It starts on its overview, which would cover every window: once it
    # has opened, it is closed.
    wait_for(lambda: overview_active() is True, "open its overview")
    time.sleep(OVERVIEW_ANIMATION)
    show_overview(False)


def shot(path):
    # The shell serves screenshots to a few names alone, of which GNOME 49
    # dropped the screenshot tool's: the desktop portal's backend has one in
    # every release.
    call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
         GLib.Variant("(su)", ("org.freedesktop.impl.portal.desktop.gnome", 4)))
    done, _ = call(SHELL + ".Screenshot", "/org/gnome/Shell/Screenshot", SHELL + ".Screenshot", "Screenshot",
                   GLib.Variant("(bbs)", (False, False, path))).unpack()
    if not done:
        sys.exit("the shell took no screenshot")


class Input:
    """One remote-desktop session, for one gesture."""

    def __init__(self):
        self.path = call(REMOTE, "/org/gnome/Mutter/RemoteDesktop", REMOTE, "CreateSession").unpack()[0]
        self.session(("Start", None))

    def session(self, *requests):
        for method, arguments in requests:
            call(REMOTE, self.path, REMOTE + ".Session", method, arguments)

    def move_to(self, x, y):
        # A new session's first motions may come before the shell's virtual
        # pointer is ready and go nowhere: the move is made until X sees the
        # pointer there. X learns where the pointer is over its own windows
        # alone, so the corner on the way goes unseen. A lost step to the
        # corner sends the next one into the top-left hot corner, whose
        # overview is closed again.
        corner = screen_corner()
        first_seen = pointer_on_x()
        moved = reopened = False
        started = time.monotonic()
        while pointer_on_x() != (x, y):
            waited = time.monotonic() - started
            if waited > 30:
                if not moved and first_seen == screen_centre(corner):
                    print("the shell's pointer never left the screen's centre", file=sys.stderr)
                    sys.exit(POINTER_NEVER_MOVED)
                sys.exit(f"the pointer did not reach {x} {y}; X sees it at {pointer_on_x()}")
            if overview_active():
                show_overview(False)
            if not moved and not reopened and waited > 5:
                print("X saw no motion for 5 s: the overview is opened and closed once", file=sys.stderr)
                show_overview(True)
                show_overview(False)
                reopened = True
            self.motion(BEYOND_ANY_SCREEN, BEYOND_ANY_SCREEN)
            self.motion(x - corner[0], y - corner[1])
            seen_within(1, (x, y))
            moved = moved or pointer_on_x() != first_seen

    def motion(self, dx, dy):
        self.session(("NotifyPointerMotionRelative", GLib.Variant("(dd)", (dx, dy))))

    def drag_by(self, dx, dy):
        # A first step away starts the drag, as a player's hand does; the
        # rest goes in a few steps.
        steps = [(10.0, -10.0)] + [((dx - 10) / 4, (dy + 10) / 4)] * 4
        for step in steps:
            self.motion(*step)
            time.sleep(0.1)

    def button(self, pressed):
        self.session(("NotifyPointerButton", GLib.Variant("(ib)", (LEFT_BUTTON, pressed))))
        time.sleep(0.1)

    def key(self, name):
        for pressed in (True, False):
            self.session(("NotifyKeyboardKeysym", GLib.Variant("(ub)", (KEYSYMS[name], pressed))))
        time.sleep(0.1)

    def close(self):
        self.session(("Stop", None))


def pointer_on_x():
    """Where the shell's X server sees the pointer."""
    place = dict(line.split("=") for line in
                 subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True,
                                check=True).stdout.split())
    return int(place["X"]), int(place["Y"])


def seen_within(seconds, place):
    deadline = time.monotonic() + seconds
    while pointer_on_x() != place:
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def screen_centre(corner):
    """Where the shell starts its pointer, on the one monitor from the origin."""
    return (corner[0] + 1) // 2, (corner[1] + 1) // 2


def screen_corner():
    """The bottom-right pixel of the one virtual monitor."""
    state = call("org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
                 "org.gnome.Mutter.DisplayConfig", "GetCurrentState").unpack()
    x, y, _, _, _, _, _ = state[2][0]
    for mode in state[1][0][1]:
        if mode[6].get("is-current"):
            return x + mode[1] - 1, y + mode[2] - 1
    sys.exit("the shell names no current mode")


def main():
    command, arguments = sys.argv[1], sys.argv[2:]
    if command == "ready":
        ready()
    elif command == "hold":
        # The shell makes a session's devices at its first event: a Shift
        # and a motion by nothing make them here.
        devices = Input()
        devices.key("Shift_L")
        devices.motion(0, 0)
        while True:
            time.sleep(3600)
    elif command == "shot":
        shot(arguments[0])
    elif command in ("click", "drag", "keys"):
        gesture = Input()
        if command == "keys":
            for name in arguments:
                gesture.key(name)
        else:
            points = [int(value) for value in arguments]
            gesture.move_to(*points[:2])
            gesture.button(True)
            if command == "drag":
                gesture.drag_by(points[2] - points[0], points[3] - points[1])
            gesture.button(False)
        gesture.close()
    else:
        sys.exit(__doc__)


main()
