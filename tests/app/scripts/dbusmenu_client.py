#!/usr/bin/env python3
"""Reads a menu through libdbusmenu-glib, the client library of Xfce's and
waybar's trays, and prints it, one line per entry:

    <label or -> type=<type> toggle=<toggle-type>:<state> enabled=<bool>

then clicks the entry labelled argv[3] and prints the menu again once the
server has announced its new layout. Usage: dbusmenu_client.py NAME PATH LABEL
"""
import sys

import gi

gi.require_version("Dbusmenu", "0.4")
from gi.repository import Dbusmenu, GLib  # noqa: E402


def entries(client):
    root = client.get_root()
    return root.get_children() if root is not None else []


def show(client):
    for item in entries(client):
        kind = item.property_get("type") or "standard"
        label = "-" if kind == "separator" else item.property_get("label")
        print("%s type=%s toggle=%s:%d enabled=%s" % (
            label, kind, item.property_get("toggle-type") or "", item.property_get_int("toggle-state"),
            "true" if item.property_get_bool("enabled") else "false"))


def main():
    name, path, label = sys.argv[1:4]
    client = Dbusmenu.Client.new(name, path)
    loop = GLib.MainLoop()
    stage = {"clicked": False}

    def settled():
        if not entries(client):
            return True  # not yet: ask again
        if not stage["clicked"]:
            print("direction=%s status=%s" % (
                client.get_text_direction().value_nick, client.get_status().value_nick))
            show(client)
            for item in entries(client):
                if item.property_get("label") == label:
                    stage["clicked"] = True
                    item.handle_event("clicked", GLib.Variant("i", 0), 0)
                    print("clicked %s" % label)
            return False
        return False

    def relaid(*_):
        if stage["clicked"]:
            print("after")
            show(client)
            loop.quit()

    client.connect("layout-updated", relaid)
    GLib.timeout_add(200, settled)
    GLib.timeout_add(8000, loop.quit)
    loop.run()
    return 0


if __name__ == "__main__":
    sys.exit(main())
