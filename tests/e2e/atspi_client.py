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


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is not None and application.name == name:
            return application
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def menu_item(window, name):
    return wait_for(f"menu item {name}", lambda: next(
        (node for node in descendants(window) if node.name == name), None))


def main():
    application = wait_for("application on the accessibility bus", lambda: find_application(sys.argv[1]))
    window = wait_for("main window", lambda: next(
        (node for node in descendants(application) if node.name == "Kalendix v 2.0"), None))
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

    windows = lambda: (application.getChildAtIndex(i) for i in range(application.childCount))
    # The lines Статистика prints are painted, not held by a control: they stay readable as the window's text.
    menu_item(window, "Статистика").queryAction().doAction(0)
    statistics = wait_for("Статистика", lambda: next(
        (node for node in windows() if node is not None and node.name == "Статистика"), None))
    statistics_start = wait_for("its Start", lambda: next(
        (node for node in descendants(statistics) if node.name == "Start"), None))
    statistics_start.queryAction().doAction(0)
    printed = wait_for("the printed lines", lambda: text_of(statistics))
    print(f"Статистика: {printed!r}")
    if not printed.startswith("С начала третьего тысячелетия прошло") or "\nС начала второго" not in printed:
        sys.exit("FAIL: Статистика's lines are not its text")
    # The About window, opened from its menu item, is a dialog to a screen reader, not a bare frame.
    menu_item(window, "О программе...").queryAction().doAction(0)
    about = wait_for("About window", lambda: next(
        (node for node in windows() if node is not None and node.name == "О программе..."), None))
    print(f"about: {about.name} ({about.getRoleName()})")
    if about.getRole() != pyatspi.ROLE_DIALOG:
        sys.exit("FAIL: the About window is not a dialog")
    print("3 passed, 0 failed")


main()
