"""What a screen reader finds in the running program, read over AT-SPI: every window, every
object that can take the focus named, and the lamps reachable with their numbers.
Run by atspi_test.sh, with the program started under an accessibility bus."""
import sys
import time

import pyatspi


def find_program():
    for _ in range(120):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "chaserom":
                return application
        time.sleep(0.5)
    sys.exit("chaserom never showed on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def window_named(program, name):
    for _ in range(40):
        for window in program:
            if window is not None and window.name == name:
                return window
        time.sleep(0.25)
    sys.exit(f"no window {name!r}")


def main():
    program = find_program()
    steps = window_named(program, "Шаги эффекта")
    board_item = next(n for n in walk(steps)
                      if n.getRoleName() == "menu item" and n.name.startswith("Плата"))
    board_item.queryAction().doAction(0)
    window_named(program, "Плата")

    unnamed, focusable = [], 0
    for window in program:
        for node in walk(window):
            states = node.getState()
            if not states.contains(pyatspi.STATE_FOCUSABLE):
                continue
            if not states.contains(pyatspi.STATE_SHOWING):
                continue
            focusable += 1
            if not node.name.strip():
                unnamed.append(f"{window.name}: {node.getRoleName()}")
    cells = [n.name for n in walk(steps) if n.getRoleName() == "list item"]
    if not any(name.startswith("Шаг 0, канал 1:") for name in cells):
        sys.exit(f"the step grid tells no lamp under its cursor: {cells[:3]}")
    lamps = [n.name for n in walk(window_named(program, "Симулятор экрана"))
             if n.name.startswith("Лампа ")]
    print(f"{focusable} focusable objects, {len(lamps)} lamps")
    if unnamed:
        sys.exit("without a name:\n" + "\n".join(unnamed))
    if focusable < 60 or len(lamps) != 256 or not lamps[0].startswith("Лампа 0, канал 1"):
        sys.exit(f"too little found: {focusable} focusable, lamps {lamps[:2]}")


main()
