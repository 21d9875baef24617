# SPDX-License-Identifier: MIT
"""End-to-end test: on a Wayland desktop whose compositor leaves window frames to its clients
(GNOME's does, and so does weston), the calculator comes up through XWayland, where the
desktop's own frame goes round it; the user's choice of Qt platform wins, and without a usable
X server it stays on Wayland.

weston runs nested in a private Xvfb, with XWayland. Where the window went is read from both
sides: an X window of the program's on weston's XWayland display, or a top-level Wayland
surface of the program's in weston's scene graph (its debug protocol, read with weston-debug).

Usage: test_wayland_e2e.py --binary build/qt/varnik-calculator [unittest options]
"""

import os
import re
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from x_desktop import (  # noqa: E402
    PrivateSession, end_group, poll, run, run_tests, start_group, start_xvfb)

TITLE = "Varnik Calculator"
BINARY = None  # set from the command line
WINDOW_LIMIT = 10.0  # seconds for the window to show (XWayland starts with its first client)


class Weston(PrivateSession):
    """weston with XWayland, nested in a private Xvfb: a Wayland session whose compositor
    offers no server-side window frames. Use as a context manager."""

    FOLDER_PREFIX = "varnik-wayland-"

    def _start(self):
        self.base = {k: v for k, v in os.environ.items()
                     if k in ("PATH", "HOME", "LANG", "LC_ALL", "USER", "LOGNAME")}
        self.base["XDG_RUNTIME_DIR"] = self.work
        xvfb, host = start_xvfb("1024x768x24", env=self.base)
        self.adopt(xvfb)

        self.socket = f"varnik-test-{os.getpid()}"
        log = os.path.join(self.work, "weston.log")
        # Its own process group: weston's clients and XWayland end with it.
        weston = self.spawn(
            ["weston", "--backend=x11-backend.so", f"--socket={self.socket}", "--xwayland",
             "--no-config", "--idle-time=0", "--debug", f"--log={log}"],
            dict(self.base, DISPLAY=host), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)

        # weston picks XWayland's display number itself and says which one.
        def x_display():
            assert weston.poll() is None, f"weston ended: {self._read(log)}"
            found = re.search(r"xserver listening on display (:\d+)", self._read(log))
            return found and found.group(1)
        self.x_display = poll("weston and its XWayland display", x_display, 10)

    @staticmethod
    def _read(path):
        try:
            with open(path, encoding="utf-8", errors="replace") as file:
                return file.read()
        except FileNotFoundError:
            return ""

    def session_env(self):
        """The environment of a program in this desktop session, as GNOME's gives it."""
        return dict(self.base, WAYLAND_DISPLAY=self.socket, XDG_SESSION_TYPE="wayland",
                    DISPLAY=self.x_display)

    def x_windows(self, pid):
        """The visible X windows of process pid named TITLE, on the XWayland display."""
        try:
            return run("xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name",
                       f"^{TITLE}$", env=dict(self.base, DISPLAY=self.x_display)).split()
        except subprocess.CalledProcessError:  # none
            return []

    def wayland_windows(self, pid):
        """The top-level Wayland windows of process pid named TITLE, from the scene graph."""
        graph = run("weston-debug", "scene-graph",
                    env=dict(self.base, WAYLAND_DISPLAY=self.socket))
        return re.findall(rf"role xdg_toplevel, PID {pid}, .*top-level window '{TITLE}'", graph)


# What the program starts with (arguments, changes to the session's environment: None removes a
# variable) and where its window must show.
SCENARIOS = [
    ("no frames from the compositor", [], {}, "xwayland"),
    ("the user's QT_QPA_PLATFORM", [], {"QT_QPA_PLATFORM": "wayland"}, "wayland"),
    ("the user's -platform", ["-platform", "wayland"], {}, "wayland"),
    ("no X server", [], {"DISPLAY": None}, "wayland"),
    # No "host:number" form: the X connection fails at once, and Qt takes its second choice.
    ("an unusable DISPLAY", [], {"DISPLAY": "nowhere"}, "wayland"),
]


class WaylandDesktop(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.weston = Weston().__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.weston.close()

    def where_the_window_shows(self, process):
        """"xwayland" or "wayland" (both would be a fault), once the window has shown."""
        def shown():
            assert process.poll() is None, f"the program ended ({process.returncode})"
            sides = [side for side, windows in (("xwayland", self.weston.x_windows),
                                                ("wayland", self.weston.wayland_windows))
                     if windows(process.pid)]
            return " and ".join(sides)
        return poll("the program's window", shown, WINDOW_LIMIT)

    def test_where_the_window_shows(self):
        for what, arguments, changes, expected in SCENARIOS:
            with self.subTest(what):
                env = self.weston.session_env()
                env.update(changes)
                env = {name: value for name, value in env.items() if value is not None}
                process = start_group([BINARY, *arguments], env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
                try:
                    self.assertEqual(self.where_the_window_shows(process), expected)
                finally:
                    end_group(process)


if __name__ == "__main__":
    run_tests(globals(), "binary")
