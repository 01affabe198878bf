# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader finds in the running game, asked over AT-SPI.

    screen_reader_client.py check      the board's tree: names, roles, states, nothing hidden
    screen_reader_client.py equation   the equation as the board reads it
    screen_reader_client.py keys       the operator keys (xdotool names) that solve it
    screen_reader_client.py wrong-key  an operator key for the first slot that does not
    screen_reader_client.py checked NAME  fails unless the menu's item NAME is ticked
    screen_reader_client.py centre NAME   where on the screen the object named NAME is: "X Y"

The session bus in DBUS_SESSION_BUS_ADDRESS leads to the accessibility bus.
"""
import itertools
import re
import sys
from fractions import Fraction

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

KEYS = {"+": "plus", "-": "minus", "*": "asterisk", "/": "slash"}
TILES = ["plus", "minus", "razy", "podzielić"]
Role = Atspi.Role
# Menus are the toolkit's own and stay in the tree, closed, until opened.
MENU_ROLES = {
    Role.MENU_BAR, Role.MENU, Role.POPUP_MENU, Role.MENU_ITEM, Role.CHECK_MENU_ITEM, Role.SEPARATOR,
}
# Roles are compared, never their names: AT-SPI renames some between releases.
FIELD_ROLES = {Role.TEXT, Role.ENTRY, Role.PASSWORD_TEXT}


class Fault(Exception):
    pass


def states(node):
    return {Atspi.StateType(s).value_nick for s in node.get_state_set().get_states()}


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def game_window():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app is not None and app.get_name() == "kwintor":
            for window in children(app):
                if window.get_name() == "Kwintor":
                    return window
    raise Fault("no window 'Kwintor' of an application 'kwintor' on the accessibility bus")


def find(window, role, name_pattern):
    for node in walk(window):
        if node.get_role() == role and re.fullmatch(name_pattern, node.get_name()):
            return node
    raise Fault(f"no {role.value_nick} named like {name_pattern!r}")


def text_of(node):
    if "Text" not in node.get_interfaces():
        raise Fault(f"{node.get_role_name()} {node.get_name()!r} has no text to review")
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def equation_panel(window):
    return find(window, Role.PANEL, r"Równanie: .*")


def numbers_and_result(window):
    panel = equation_panel(window)
    numbers, result = [], None
    for node in children(panel):
        name = node.get_name()
        if match := re.fullmatch(r"Liczba \d: (-?\d+)", name):
            numbers.append(int(match.group(1)))
        elif match := re.fullmatch(r"Wynik: =(-?\d+)", name):
            result = int(match.group(1))
    if len(numbers) < 2 or result is None:
        raise Fault(f"the equation panel reads {[n.get_name() for n in children(panel)]}")
    return numbers, result


def value(numbers, signs):
    """Multiplication and division first, left to right; None on a division by zero."""
    terms, pending = [Fraction(numbers[0])], []
    for sign, number in zip(signs, numbers[1:]):
        if sign == "*":
            terms[-1] *= number
        elif sign == "/":
            if number == 0:
                return None
            terms[-1] /= number
        else:
            pending.append(sign)
            terms.append(Fraction(number))
    total = terms[0]
    for sign, term in zip(pending, terms[1:]):
        total = total + term if sign == "+" else total - term
    return total


def solutions(window):
    numbers, result = numbers_and_result(window)
    for signs in itertools.product("+-*/", repeat=len(numbers) - 1):
        if value(numbers, signs) == result:
            yield signs


def check(window):
    faults = []
    for node in walk(window):
        role, name, node_states = node.get_role(), node.get_name(), states(node)
        if role in MENU_ROLES:
            continue
        what = f"{node.get_role_name()} {name!r}"
        if role == Role.FILLER:
            faults.append(f"{what}: a filler says nothing")
        if not {"showing", "visible"} <= node_states:
            faults.append(f"{what}: hidden, yet in the tree")
        if not name and node.get_child_count() == 0:
            faults.append(f"{what}: no name")
        if role in FIELD_ROLES:
            faults.append(f"{what}: a field the player cannot see or use")

    panel = equation_panel(window)
    numbers, _ = numbers_and_result(window)
    slots = [n for n in children(panel) if n.get_role() == Role.PUSH_BUTTON]
    if [s.get_name() for s in slots] != [f"Pole {i}: puste" for i in range(1, len(numbers))]:
        faults.append(f"slots of a new round: {[s.get_name() for s in slots]}")
    if slots and not {"focusable", "focused"} <= states(slots[0]):
        faults.append("the first slot is not the focus")
    if text_of(panel) != panel.get_name():
        faults.append(f"the equation reviews as {text_of(panel)!r}")
    result = find(window, Role.LABEL, r"Wynik: =-?\d+")
    if text_of(result) != result.get_name():
        faults.append(f"the result reviews as {text_of(result)!r}")
    palette = find(window, Role.PANEL, "Znaki działań")
    tiles = [(t.get_role(), t.get_name()) for t in children(palette)]
    if tiles != [(Role.IMAGE, name) for name in TILES]:
        faults.append(f"palette: {tiles}")
    for pattern in (r"Punkty: \d+", r"Czas: \d+", r"Poziom \d+"):
        find(window, Role.LABEL, pattern)
    if faults:
        raise Fault("\n".join(faults))
    print(f"tree: {sum(1 for _ in walk(window))} objects, {len(slots)} slots, {len(tiles)} tiles")


def checked(window, name):
    for node in walk(window):
        if node.get_role() in MENU_ROLES and node.get_name() == name:
            if "checked" not in states(node):
                raise Fault(f"the menu item {name!r} is {sorted(states(node))}")
            return
    raise Fault(f"no menu item {name!r}")


def centre(window, name):
    for node in walk(window):
        if node.get_name() == name and node.get_role() not in MENU_ROLES:
            box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
            print(box.x + box.width // 2, box.y + box.height // 2)
            return
    raise Fault(f"nothing named {name!r}")


def main():
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    try:
        window = game_window()
        if command == "check":
            check(window)
        elif command == "equation":
            print(equation_panel(window).get_name())
        elif command == "keys":
            print(" ".join(KEYS[sign] for sign in next(solutions(window))))
        elif command == "checked" and len(sys.argv) == 3:
            checked(window, sys.argv[2])
        elif command == "centre" and len(sys.argv) == 3:
            centre(window, sys.argv[2])
        elif command == "wrong-key":
            solving = {signs[0] for signs in solutions(window)} if len(numbers_and_result(window)[0]) == 2 else set()
            print(next(KEYS[sign] for sign in "*+-/" if sign not in solving))
        else:
            sys.exit(__doc__)
    except (Fault, StopIteration) as fault:
        sys.exit(f"FAIL: {fault or 'no such key'}")


if __name__ == "__main__":
    main()
