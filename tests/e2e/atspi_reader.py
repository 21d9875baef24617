# SPDX-License-Identifier: MIT
"""Reads one program's accessibility tree for the end-to-end harness, as a screen reader would.

Run with AT_SPI_BUS_ADDRESS (and DBUS_SESSION_BUS_ADDRESS) of the program's session:
    atspi_reader.py PID
Each line on stdin is one request and gets one JSON line on stdout, or {"error": "..."}:
    tree        {"nodes": [...]}: every accessible object of the program whose process id is
                PID, depth first. A node is {"path": [child indexes], "role", "name",
                "states": [...], "text": str or null}.
    actions     {"nodes": [...]} as for tree, each node with "actions": [action names].
    {"do": ACTION, "role": ROLE, "name": NAME[, "path": PATH]}
                runs the action of that name on the one object of that role and name (and
                path, where two share a name), as a screen reader's "activate" does:
                {"done": true or false, "states": [its states right after] or null}.
A separate process because libatspi binds to one accessibility bus for its lifetime.
"""

import json
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Its successor, get_name, is not in this version's bindings.
warnings.filterwarnings("ignore", message=r".*get_action_name is deprecated")


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


def action_names(node):
    if "Action" not in node.get_interfaces():
        return []
    return [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]


def walk(app):
    """(accessible object, path) for every object of the program, depth first."""
    stack = [(app, [])]
    while stack:
        node, path = stack.pop()
        yield node, path
        count = node.get_child_count()
        children = [(node.get_child_at_index(i), path + [i]) for i in reversed(range(count))]
        stack += [(child, where) for child, where in children if child is not None]


def at_path(app, path):
    """The object at these child indexes from the application, or None."""
    node = app
    for index in path:
        if node is None or index >= node.get_child_count():
            return None
        node = node.get_child_at_index(index)
    return node


def tree(app):
    return [describe(node, path) for node, path in walk(app)]


def actions(app):
    return [dict(describe(node, path), actions=action_names(node)) for node, path in walk(app)]


def do_action(app, request):
    role, name, action = request["role"], request["name"], request["do"]
    if "path" in request:
        candidates = [at_path(app, request["path"])]
    else:
        candidates = [node for node, _ in walk(app)]
    found = [node for node in candidates
             if node is not None and node.get_role_name() == role and node.get_name() == name]
    if len(found) != 1:
        where = f" at {request['path']}" if "path" in request else ""
        return {"error": f"{len(found)} objects with role {role!r} and name {name!r}{where}"}
    names = action_names(found[0])
    if action not in names:
        return {"error": f"{role} {name!r} has no action {action!r}, only {names}"}
    done = Atspi.Action.do_action(found[0], names.index(action))
    try:
        states = describe(found[0], [])["states"]
    except GLib.Error:  # the action ended the program or closed the object's window
        states = None
    return {"done": done, "states": states}


def answer(app, line):
    """The answer to one request line, given the program's application object."""
    if line == "tree":
        return {"nodes": tree(app)}
    if line == "actions":
        return {"nodes": actions(app)}
    if line.startswith("{"):
        try:
            request = json.loads(line)
        except ValueError as error:
            return {"error": f"not a request: {error}"}
        return do_action(app, request)
    return {"error": f"unknown request {line!r}"}


def main():
    pid = int(sys.argv[1])
    Atspi.init()
    app = None
    for line in sys.stdin:
        try:
            app = app or find_application(pid)
            reply = answer(app, line.strip()) if app else {"error": "program not registered"}
        except GLib.Error as error:  # e.g. a window closed while being read
            app, reply = None, {"error": str(error)}
        print(json.dumps(reply), flush=True)


if __name__ == "__main__":
    main()
