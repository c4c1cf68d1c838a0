#!/usr/bin/env python3
"""Reads the running TorvelBar through the AT-SPI registry, as a screen
reader does, and prints what it finds, one line per object:

    <depth spaces><role> "<name>" [<states>] value=<v> (min..max/step)

Then, with `--move NAME`, focuses the slider NAME, presses Right on the X
display and prints `moved <before> <after> events=<n>`, n being the
value-changed events the registry delivered for it.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STATES = {
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_FOCUSABLE: "focusable",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_SHOWING: "showing",
}


def find_app(name, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def role_name(node):
    # AT-SPI 2.46 says "push button", later releases "button".
    return "push button" if node.getRole() == pyatspi.ROLE_PUSH_BUTTON else node.getRoleName()


def describe(node):
    states = node.getState()
    names = [label for state, label in STATES.items() if states.contains(state)]
    line = '%s "%s" [%s]' % (role_name(node), node.name, " ".join(names))
    try:
        value = node.queryValue()
        line += " value=%g (%g..%g/%g)" % (
            value.currentValue, value.minimumValue, value.maximumValue, value.minimumIncrement)
    except NotImplementedError:
        pass
    return line


def walk(node, depth, out):
    if node is None or depth > 40 or len(out) > 2000:
        return
    out.append("  " * depth + describe(node))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, out)


def find(node, role, name):
    if node is None:
        return None
    if role_name(node) == role and node.name == name:
        return node
    for i in range(node.childCount):
        hit = find(node.getChildAtIndex(i), role, name)
        if hit is not None:
            return hit
    return None


def move(app, name):
    slider = find(app, "slider", name)
    if slider is None:
        print("no slider %s" % name)
        return
    before = slider.queryValue().currentValue
    events = []

    def heard(event):
        if event.source == slider:
            events.append(event.type)

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-value")
    slider.queryComponent().grabFocus()
    loop = GLib.MainLoop()
    GLib.timeout_add(500, lambda: subprocess.call(["xdotool", "key", "Right"]) and False)
    GLib.timeout_add(2500, loop.quit)
    loop.run()
    pyatspi.Registry.deregisterEventListener(heard, "object:property-change:accessible-value")
    print("moved %g %g events=%d" % (before, slider.queryValue().currentValue, len(events)))


def main():
    app = find_app(sys.argv[1], 15)
    if app is None:
        print("no application %s" % sys.argv[1])
        return 1
    lines = []
    walk(app, 0, lines)
    print("\n".join(lines))
    if len(sys.argv) > 3 and sys.argv[2] == "--move":
        move(app, sys.argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main())
