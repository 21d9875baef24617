# SPDX-License-Identifier: MIT
"""Reads one program's accessibility tree for the end-to-end harness, as a screen reader would.

Run with AT_SPI_BUS_ADDRESS (and DBUS_SESSION_BUS_ADDRESS) of the program's session:
    atspi_reader.py PID
Each line "tree" on stdin answers one JSON line on stdout: {"nodes": [...]} with every
accessible object of the program whose process id is PID, depth first, or {"error": "..."}.
A node is {"path": [child indexes], "role", "name", "states": [...], "text": str or null}.
A separate process because libatspi binds to one accessibility bus for its lifetime.
"""

import json
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def find_application(pid):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app and app.get_process_id() == pid:
            app.set_cache_mask(Atspi.Cache.NONE)  # ask the program every time
            return app
    return None


def describe(node, path):
    role = node.get_role_name()
    text = None
    if role == "text":
        text = Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    states = sorted(state.value_nick for state in node.get_state_set().get_states())
    return {"path": path, "role": role, "name": node.get_name(), "states": states, "text": text}


def tree(app):
    nodes = []
    stack = [(app, [])]
    while stack:
        node, path = stack.pop()
        nodes.append(describe(node, path))
        count = node.get_child_count()
        children = [(node.get_child_at_index(i), path + [i]) for i in reversed(range(count))]
        stack += [(child, where) for child, where in children if child is not None]
    return nodes


def main():
    pid = int(sys.argv[1])
    Atspi.init()
    app = None
    for line in sys.stdin:
        if line.strip() != "tree":
            answer = {"error": f"unknown request {line.strip()!r}"}
        else:
            try:
                app = app or find_application(pid)
                answer = {"nodes": tree(app)} if app else {"error": "program not registered"}
            except GLib.Error as error:  # e.g. a window closed while being read
                app, answer = None, {"error": str(error)}
        print(json.dumps(answer), flush=True)


if __name__ == "__main__":
    main()
