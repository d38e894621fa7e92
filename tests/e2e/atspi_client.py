"""Drives the running program through AT-SPI, as a screen reader or a test robot would: finds the main window,
presses "Start>>" and reads the days counted on the machine's own clock, then checks them against the calendar; opens
Статистика from its menu item, presses its Start and reads back the lines it printed; opens the About window from its
menu item and checks that it is a dialog.

usage: atspi_client.py PROGRAM_NAME
"""
import datetime
import sys
import time

import pyatspi

def wait_for(what, find, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what} within {seconds:.0f} s")


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def children(node):
    return (node.getChildAtIndex(i) for i in range(node.childCount))


def named(root, name, among=descendants):
    return wait_for(name, lambda: next(
        (node for node in among(root) if node is not None and node.name == name), None))


def main():
    application = named(pyatspi.Registry.getDesktop(0), sys.argv[1], children)
    window = named(application, "Kalendix v 2.0")
    print(f"window: {window.name} ({window.getRoleName()})")
    # A caption bears the name of the box it labels: the controls are the nodes that are not labels.
    nodes = {node.name: node for node in descendants(window) if node.getRole() != pyatspi.ROLE_LABEL}
    missing = [name for name in ["Start", "Прошло дней"] if name not in nodes]
    if missing:
        sys.exit(f"FAIL: no accessible object named {missing}; found {sorted(n for n in nodes if n)}")
    start = nodes["Start"]
    print(f"button: {start.name} ({start.getRoleName()}), actions: "
          f"{[start.queryAction().getName(i) for i in range(start.queryAction().nActions)]}")

    before = datetime.date.today()
    start.queryAction().doAction(0)
    shown = wait_for("figures after the run", lambda: text_of(nodes["Прошло дней"]))
    after = datetime.date.today()
    print(f"Прошло дней: {shown}")
    # A run that straddles midnight may show either day.
    expected = [str((today - datetime.date(2001, 1, 1)).days) for today in (before, after)]
    if shown not in expected:
        sys.exit(f"FAIL: expected {expected[-1]} for {after}")

    # The lines Статистика prints are painted, not held by a control: they stay readable as the window's text.
    named(window, "Статистика").queryAction().doAction(0)
    statistics = named(application, "Статистика", children)
    named(statistics, "Start").queryAction().doAction(0)
    printed = wait_for("the printed lines", lambda: text_of(statistics))
    print(f"Статистика: {printed!r}")
    if not printed.startswith("С начала третьего тысячелетия прошло") or "\nС начала второго" not in printed:
        sys.exit("FAIL: Статистика's lines are not its text")
    # The About window, opened from its menu item, is a dialog to a screen reader, not a bare frame.
    named(window, "О программе...").queryAction().doAction(0)
    about = named(application, "О программе...", children)
    print(f"about: {about.name} ({about.getRoleName()})")
    if about.getRole() != pyatspi.ROLE_DIALOG:
        sys.exit("FAIL: the About window is not a dialog")
    print("3 passed, 0 failed")


main()
