# SPDX-License-Identifier: MIT
"""Runs the Windows program under Wine on a private X server and reads it back.

Each Desktop is a private Xvfb and a private Wine prefix (with a HOME beside it, so that the
prefix's links to the user's folders stay inside it). Input goes in through the X server
(xdotool); what the program shows comes back through probe.exe, a program of ours that runs
under Wine beside it and reads windows with public Win32 calls, and through screenshots.

    with Desktop(PROBE, "Varnik Calculator") as desktop:
        program = desktop.start(PROGRAM)
        program.click(21, 126)                         # client-area pixels
        poll_equal("display", program.display_text, " 7")
"""

import json
import os
import select
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from x_desktop import (  # noqa: E402,F401 (what the tests use through this module)
    ClickPacer, Image, NotYet, PollTimeout, PrivateSession, XScreen, poll, poll_equal, run_tests,
    start_xvfb)

# Two clicks within this time and distance make a double-click (Wine's defaults: 500 ms, 4 px).
DOUBLE_CLICK_SECONDS = 0.5
DOUBLE_CLICK_PIXELS = 4


def wine_tools():
    """The wine64 loader and the wineserver, wherever this system keeps them (Debian's wine64
    package puts them in /usr/lib/wine and on no PATH)."""
    def first(*candidates):
        for candidate in candidates:
            if candidate and os.access(candidate, os.X_OK):
                return candidate
        return None
    loader = first(shutil.which("wine64"), "/usr/lib/wine/wine64", shutil.which("wine"))
    server = first(shutil.which("wineserver"), "/usr/lib/wine/wineserver64",
                   "/usr/lib/wine/wineserver")
    assert loader and server, "Wine is not installed (scripts/install-deps.sh windows)"
    return loader, server


class Desktop(PrivateSession):
    """A private X server and Wine prefix with the probe running in it. A context manager."""

    FOLDER_PREFIX = "varnik-wine-"

    def __init__(self, probe, title, path_first=None, dpi=96, screen="640x480"):
        super().__init__()
        self.probe_exe, self.title, self.path_first = probe, title, path_first
        self.dpi, self.screen = dpi, screen
        self.loader, self.server = wine_tools()
        self._probe = self._screen = self.env = None

    def _start(self):
        home = os.path.join(self.work, "home")
        os.makedirs(home)
        path = os.environ.get("PATH", "/usr/bin:/bin")
        if self.path_first:
            path = self.path_first + os.pathsep + path
        self.env = {
            "PATH": path, "HOME": home, "LANG": "C.UTF-8", "USER": os.environ.get("USER", "root"),
            "WINEPREFIX": os.path.join(self.work, "prefix"),
            # Never offer to install Mono or Gecko: that dialog would wait for a click.
            "WINEDLLOVERRIDES": "mscoree,mshtml=", "WINEDEBUG": "-all",
        }
        xvfb, self.env["DISPLAY"] = start_xvfb(f"{self.screen}x24", self.dpi)
        self.adopt(xvfb)
        self._screen = XScreen(self.env["DISPLAY"])
        subprocess.run([self.loader, "wineboot", "-i"], env=self.env, check=True, timeout=180,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.dpi != 96:
            self.set_dpi(self.dpi)
        self._probe = subprocess.Popen([self.loader, self.probe_exe, self.title], env=self.env,
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL, text=True)

    def _stop(self):
        """The probe quits, then the prefix's processes end (wineserver -k ends this prefix's
        only), before the X server goes."""
        if self._probe:
            try:
                self._probe.stdin.write("quit\n")
                self._probe.stdin.close()
                self._probe.wait(10)
            except (OSError, subprocess.TimeoutExpired):
                self._probe.kill()
                self._probe.wait(10)
            self._probe.stdout.close()
            self._probe = None
        if self.env and os.path.isdir(self.env["WINEPREFIX"]):
            subprocess.run([self.server, "-k"], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self._screen:
            self._screen.close()
            self._screen = None

    def set_dpi(self, dpi):
        """The density of the programs started from now on: Wine reads it when a process
        starts, so one prefix serves every density."""
        self.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                  "REG_DWORD", "/d", str(dpi), "/f").wait(60)
        self.dpi = dpi

    def wine(self, *args, **kwargs):
        """Starts a Windows program (or a Wine tool) in the prefix."""
        return subprocess.Popen([self.loader, *args], env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, **kwargs)

    def ask(self, command, limit=20.0):
        """The probe's JSON answer to one command."""
        self._probe.stdin.write(command + "\n")
        self._probe.stdin.flush()
        return self.answer(limit)

    def answer(self, limit=20.0):
        ready, _, _ = select.select([self._probe.stdout], [], [], limit)
        assert ready, f"the probe does not answer (exit status {self._probe.poll()})"
        line = self._probe.stdout.readline()
        assert line, "the probe ended"
        return json.loads(line)

    def watch_pixel(self, x, y, milliseconds, during=None):
        """The colours the screen pixel at (x, y) shows for the next milliseconds while during()
        runs, each with the moment it appeared: [("rrggbb", milliseconds), ...]."""
        assert self.ask(f"watch {x} {y} {milliseconds}") == "ready"
        if during:
            during()
        return [tuple(change) for change in self.answer()]

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                              capture_output=True, text=True, timeout=10).stdout

    def screenshot(self, left, top, width, height):
        """The screen's pixels in a rectangle of screen coordinates."""
        return self._screen.grab(left, top, width, height)

    def start(self, program, *args):
        """Starts a program and waits for its window; returns it as a Program."""
        return Program(self, program, args)


class Program:
    """One run of the Windows program: its window found by the probe, its X window focused."""

    def __init__(self, desktop, program, args=()):
        self.desktop = desktop
        # The pointer where the last run left it would light a key of the new window.
        desktop.xdotool("mousemove", *(int(n) - 10 for n in desktop.screen.split("x")))
        self.process = desktop.wine(program, *args)
        self._clicks = ClickPacer(DOUBLE_CLICK_SECONDS, DOUBLE_CLICK_PIXELS)
        try:
            self.window = poll("the program's window", lambda: self._running() and
                               desktop.ask("window"), 30)
            self.origin = self.window["client"][:2]
            # No window manager hands out the keyboard focus: do what one would do.
            self.xwindow = int(poll("its X window", self._x_window, 10))
            poll("the X input focus", self._take_focus, 10)
            poll_equal("the focus on the About button", self.focus, "About ")
        except BaseException:
            self.end()
            raise

    def _running(self):
        assert self.process.poll() is None, f"the program ended ({self.process.returncode})"
        return True

    def _x_window(self):
        # xdotool fails while there is none: not yet, to poll.
        found = self.desktop.xdotool("search", "--onlyvisible", "--pid", self.process.pid,
                                     "--name", f"^{self.desktop.title}$").split()
        return found[0] if found else None

    def _take_focus(self):
        self.desktop.xdotool("windowfocus", self.xwindow)  # fails while not viewable: not yet
        return int(self.desktop.xdotool("getwindowfocus")) == self.xwindow

    def end(self):
        """Ends the program if it still runs, and waits until its window has gone."""
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(10)
        poll("the window to go", lambda: self.desktop.ask("window") is None, 10)

    def wait_exit(self, limit=10.0):
        return self.process.wait(limit)

    # Input

    def screen(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def move(self, x, y):
        """Moves the pointer to (x, y) of the client area."""
        self.desktop.xdotool("mousemove", *self.screen(x, y))

    def click(self, x, y, button=1, count=1):
        """Moves to (x, y) and clicks there, count times at once (2: a double-click); first
        waits out the double-click time if this click would join the last one."""
        self._clicks.before(x, y)
        self.move(x, y)
        self.desktop.xdotool("click", "--repeat", count, "--delay", 30, button)
        self._clicks.clicked(x, y)

    def key(self, *names):
        """Presses and releases keys (X keysym names, "ctrl+c" ...) on the focused window."""
        self.desktop.xdotool("key", "--delay", 20, *names)

    # What the window shows

    def controls(self):
        return self.desktop.ask("controls") or []

    def display_text(self):
        edits = [c for c in self.controls() if c["class"].lower() == "edit"]
        return edits[0]["text"] if edits else None

    def focus(self):
        answer = self.desktop.ask("focus")
        return answer and answer.get("focus")

    def client_shot(self):
        width, height = self.window["client"][2:]
        return self.desktop.screenshot(*self.origin, width, height)
