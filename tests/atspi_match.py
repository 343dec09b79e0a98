"""Finds the running matching screen over AT-SPI, checks that its name bars
are buttons named by their names, and presses the one named argv[1]."""
import sys
import time

import pyatspi


def nodes(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1)


def main():
    wanted = sys.argv[1]
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for node in nodes(app):
                if node.getRoleName() == "push button" and node.name == wanted:
                    action = node.queryAction()
                    names = [action.getName(i) for i in range(action.nActions)]
                    if "Press" not in names and "press" not in names:
                        print("no press action on", wanted, names)
                        return 1
                    action.doAction(next(i for i, n in enumerate(names) if n.lower() == "press"))
                    return 0
        time.sleep(0.2)
    print("no push button named", wanted)
    return 1


sys.exit(main())
