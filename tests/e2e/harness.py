# SPDX-License-Identifier: MIT
"""Runs the calculator on a private X server and drives it as a person would.

The program gets a private Xvfb, a private session bus and the accessibility bus launcher.
Input goes in through the X server (xdotool); what the program shows comes back through the
accessibility bus (AT-SPI, as a screen reader reads it) and through screenshots.

The program itself must not see AT_SPI_BUS_ADDRESS (Qt 6.4 then never registers on the
accessibility bus); only the reader, atspi_reader.py in a process of its own, gets it.

    with Session("build/qt/varnik-calculator", "Varnik Calculator") as session:
        session.click(21, 126)                        # window pixels
        poll_equal("display", session.display_text, " 7")
        session.key("Tab", "space")
"""

import json
import os
import select
import subprocess
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from x_desktop import (  # noqa: E402,F401 (what the tests use through this module)
    ClickPacer, Image, NotYet, PollTimeout, PrivateSession, XScreen, end_group,
    end_with_this_process, poll, poll_equal, run, run_tests, start_group, start_xvfb)

READER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_reader.py")

# Two clicks within this time and distance would make a double-click (Qt's defaults).
DOUBLE_CLICK_SECONDS = 0.4
DOUBLE_CLICK_PIXELS = 5


class Node:
    """One accessible object as the reader saw it."""

    def __init__(self, path, role, name, states, text):
        self.path, self.role, self.name, self.states, self.text = path, role, name, states, text

    def __repr__(self):
        return f"<{self.role} {self.name!r} at {self.path}>"


class Session(PrivateSession):
    """One run of the program on its own X server and buses. Use as a context manager."""

    FOLDER_PREFIX = "varnik-e2e-"

    def __init__(self, binary, title, screen="640x480x24", program_env=None, args=()):
        super().__init__()
        self.binary, self.title, self.screen = binary, title, screen
        self.program_env = program_env or {}  # what the program gets besides the session's
        self.args = list(args)
        self.process = None  # the program under test
        self._clicks = ClickPacer(DOUBLE_CLICK_SECONDS, DOUBLE_CLICK_PIXELS)
        self._screen = None

    @property
    def runtime_dir(self):
        return self.work

    _spawn = PrivateSession.spawn  # the name tests used before

    def _start(self):
        # The sanitizers' options reach the program too, so that a sanitized build reports
        # (and its leak suppressions hold) under these tests as under the unit tests.
        base = {k: v for k, v in os.environ.items()
                if k in ("PATH", "HOME", "LANG", "LC_ALL", "USER", "LOGNAME", "ASAN_OPTIONS",
                         "UBSAN_OPTIONS", "LSAN_OPTIONS")}
        base["XDG_RUNTIME_DIR"] = self.work

        xvfb, base["DISPLAY"] = start_xvfb(self.screen, env=base)
        self.adopt(xvfb)
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         base, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        base["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        assert base["DBUS_SESSION_BUS_ADDRESS"], "dbus-daemon did not start"

        # Quiet: the buses complain about fd limits, the registry daemon greets.
        self.spawn(["/usr/libexec/at-spi-bus-launcher"], base,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.a11y_address = self._accessibility_bus(base["DBUS_SESSION_BUS_ADDRESS"])
        self.env = base  # for the X tools

        program_env = dict(base, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           **self.program_env)
        self.process = self.spawn([self.binary, *self.args], program_env)
        self.window = int(poll("the window", lambda: self._running() and
                               self.find_window(self.title), 10))

        self.reader = self.spawn(["/usr/bin/python3", READER, str(self.process.pid)],
                                 dict(base, AT_SPI_BUS_ADDRESS=self.a11y_address),
                                 stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        poll("the window on the accessibility bus", lambda: len(self.tree(10)) > 1, 10)
        self.focus_window()
        poll("the window to be active", lambda: any(
            "active" in node.states for node in self.top_levels()))

    def _stop(self):
        if self._screen:
            self._screen.close()
            self._screen = None

    def _accessibility_bus(self, session_address):
        """Waits for the launcher to own org.a11y.Bus, then asks it for the bus address."""
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        connection = Gio.DBusConnection.new_for_address_sync(session_address, flags, None, None)

        def call(name, path, interface, method, args, reply):
            return connection.call_sync(name, path, interface, method, args,
                                        GLib.VariantType(reply), Gio.DBusCallFlags.NONE,
                                        5000, None).unpack()[0]

        # Asking before it owns the name would make the bus start a second launcher.
        poll("the accessibility bus launcher", lambda: call(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), "(b)"), 10)
        address = call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                       None, "(s)")
        connection.close_sync(None)
        return address

    def _running(self):
        assert self.process.poll() is None, f"the program ended ({self.process.returncode})"
        return True

    def wait_exit(self, limit=5.0):
        """The program's exit status, once it has ended within limit seconds."""
        return self.process.wait(limit)

    # X windows and input

    def xdotool(self, *args):
        return run("xdotool", *map(str, args), env=self.env)

    def find_window(self, name, exclude=()):
        """The first visible window of this title not excluded, or None."""
        try:
            found = self.xdotool("search", "--onlyvisible", "--name", f"^{name}$").split()
        except subprocess.CalledProcessError:  # xdotool's answer for "none"
            return None
        found = [int(w) for w in found if int(w) not in exclude]
        return found[0] if found else None

    def wait_window(self, name, exclude=(), limit=5.0):
        """A visible top-level window with this exact title, other than those excluded."""
        return int(poll(f"a window named {name!r}",
                        lambda: self.find_window(name, exclude), limit))

    def wait_window_gone(self, window, limit=5.0):
        def gone():
            try:
                listed = self.xdotool("search", "--onlyvisible", "--name", ".").split()
            except subprocess.CalledProcessError:  # no visible window at all
                return True
            return str(window) not in listed
        poll(f"window {window} to close", gone, limit)

    def focus_window(self, window=None):
        """Gives the window the input focus (there is no window manager) and waits for it."""
        window = window or self.window

        def focused():
            self.xdotool("windowfocus", window)  # fails while the window is not viewable
            return int(self.xdotool("getwindowfocus")) == window
        poll("the input focus", focused)

    def xprop(self, *args):
        return run("xprop", "-id", str(self.window), *args, env=self.env)

    def move(self, x, y):
        """Moves the pointer to window coordinates (no --sync: it can hang on the spot)."""
        self.xdotool("mousemove", "--window", self.window, x, y)

    def click(self, x, y, count=1, button=1):
        """Moves to (x, y) and clicks there once, or count times at once (a double-click);
        waits first if the click would otherwise join the one before into a double-click."""
        self._clicks.before(x, y)
        self.move(x, y)
        self.xdotool("click", "--repeat", count, "--delay", 30, button)
        self._clicks.clicked(x, y)

    def key(self, *names):
        """Presses and releases keys (X keysym names) on the focused window."""
        self.xdotool("key", "--delay", 0, *names)

    # What the screen shows

    def screenshot(self, region=None):
        """The window's client area, or the part (left, top, width, height) of it, as the
        screen shows it."""
        if self._screen is None:
            self._screen = XScreen(self.env["DISPLAY"])
        region = region or (0, 0, *self._screen.size(self.window))
        return self._screen.grab(*region, window=self.window)

    # What a screen reader reads

    def _read_tree(self, limit):
        self.reader.stdin.write("tree\n")
        self.reader.stdin.flush()
        ready, _, _ = select.select([self.reader.stdout], [], [], limit)
        assert ready, "the accessibility reader does not answer"
        return json.loads(self.reader.stdout.readline())

    def tree(self, limit=5.0):
        """Every accessible object of the program, depth first (the program itself first).

        Asks again while the reader reports an error (not registered yet, a window closing
        while being read), up to limit seconds.
        """
        def nodes():
            answer = self._read_tree(limit)
            if "nodes" not in answer:
                raise NotYet(f"accessibility reader: {answer.get('error')}")
            return answer["nodes"]

        return [Node(**node) for node in poll("the accessibility tree", nodes, limit)]

    def top_levels(self):
        """The program's windows as a screen reader lists them."""
        return [node for node in self.tree() if len(node.path) == 1]

    def find(self, role, name, under=()):
        """Nodes of this role and name, inside the node at path under."""
        under = list(under)
        return [node for node in self.tree() if node.role == role and node.name == name
                and node.path[:len(under)] == under]

    def display_text(self):
        found = self.find("text", "Display")
        assert len(found) == 1, f"text named Display: {found}"
        return found[0].text

    def focused_name(self):
        """The name of the object with the keyboard focus, or None.

        A box's button panel reports the focus along with its button: the deepest one wins.
        """
        focused = [node.name for node in self.tree() if "focused" in node.states]
        return focused[-1] if focused else None
