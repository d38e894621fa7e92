"""Drives the running program through AT-SPI, as a screen reader or a test robot would: finds the main window,
presses "Start>>" and reads the seven figures, then checks them against the calendar.

usage: atspi_client.py PROGRAM_NAME
"""
import datetime
import sys
import time

import pyatspi

FIGURES = ["Прошло лет", "Прошло месяцев", "Прошло недель", "Прошло дней", "Прошло часов", "Прошло минут",
           "Прошло секунд"]


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


def expected_figures(today):
    days = (today - datetime.date(2001, 1, 1)).days
    return [days // 365, days // 30, days // 7, days, days * 24, days * 1440, days * 86400]


def main():
    application = wait_for("application on the accessibility bus", lambda: find_application(sys.argv[1]))
    window = wait_for("main window", lambda: next(
        (node for node in descendants(application) if node.name == "Kalendix v 2.0"), None))
    print(f"window: {window.name} ({window.getRoleName()})")
    nodes = {node.name: node for node in descendants(window)}
    missing = [name for name in FIGURES + ["Start", "Дата, с которой считать"] if name not in nodes]
    if missing:
        sys.exit(f"FAIL: no accessible object named {missing}; found {sorted(n for n in nodes if n)}")
    start = nodes["Start"]
    print(f"button: {start.name} ({start.getRoleName()}), actions: "
          f"{[start.queryAction().getName(i) for i in range(start.queryAction().nActions)]}")
    if any(text_of(nodes[name]) for name in FIGURES):
        sys.exit("FAIL: figures shown before a run")

    before = datetime.date.today()
    start.queryAction().doAction(0)
    wait_for("figures after the run", lambda: text_of(nodes["Прошло дней"]))
    after = datetime.date.today()
    shown = [text_of(nodes[name]) for name in FIGURES]
    for name, figure in zip(FIGURES, shown):
        print(f"{name}: {figure}")
    # A run that straddles midnight may show either day.
    if shown not in ([str(n) for n in expected_figures(before)], [str(n) for n in expected_figures(after)]):
        sys.exit(f"FAIL: expected {expected_figures(after)} for {after}")
    print("1 passed, 0 failed")


main()
