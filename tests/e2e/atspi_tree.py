"""Prints, as JSON, the accessibility tree of the application named in argv[1] as a screen
reader sees it over AT-SPI: role, name, description, the names of the labels of each node, and
whether it is showing (screen readers pass over what is not).
Run it with the session bus of the program under test in DBUS_SESSION_BUS_ADDRESS."""

import json
import sys
import time

import pyatspi


def labels_of(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def walk(node):
    return {"role": node.getRoleName(), "name": node.name, "description": node.description,
            "labelled_by": labels_of(node),
            "showing": node.getState().contains(pyatspi.STATE_SHOWING),
            "children": [walk(child) for child in node if child is not None]}


def main(application):
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for app in desktop:
            if app is not None and app.name == application:
                json.dump(walk(app), sys.stdout)
                return
        time.sleep(0.2)
    sys.exit(f"no application {application!r} on the accessibility bus")


if __name__ == "__main__":
    main(sys.argv[1])
