# SPDX-License-Identifier: MIT
"""What the end-to-end tests of the Qt program share: a test case that starts the real program
on a private X server for each test and drives it as the shared scenarios' driver does
(desktop_driver.py), reading it back through the accessibility bus, screenshots and the X
clipboard.

A test file subclasses CalculatorCase and ends with calculator_case.main().
"""

import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import skin_pictures  # noqa: E402
import window_layout  # noqa: E402
from desktop_driver import FLASH_WATCH_MILLISECONDS, DesktopDriver  # noqa: E402
from window_layout import caption_of, layout  # noqa: E402

TITLE = "Varnik Calculator"
BINARY = ASSETS = LAYOUT = None  # set from the command line


class CalculatorCase(DesktopDriver, unittest.TestCase):
    """A test case that starts the real program for each test; the Linux program's driver of
    the shared end-to-end scenarios (tests/scenarios)."""

    def setUp(self):
        window_layout.PATH = LAYOUT
        skin_pictures.ASSETS = ASSETS
        self.s = harness.Session(BINARY, TITLE).__enter__()
        self.addCleanup(self.s.close)

    # What desktop_driver.py asks of a harness

    def pointer_to(self, x, y):
        self.s.move(x, y)

    def click_at(self, x, y, button=1, count=1):
        self.s.click(x, y, count, button)

    def press_keys(self, *names):
        self.s.key(*names)

    def client_shot(self):
        return self.s.screenshot()

    def display_text(self):
        return self.s.display_text()

    def focused_caption(self):
        return caption_of(self.s.focused_name())  # a screen reader hears names in words

    def buttons(self):
        return [(caption_of(node.name), "sensitive" in node.states) for node in self.s.tree()
                if node.role == "push button" and "focusable" in node.states
                and len(node.path) == 2]  # the window's own, not a box's

    def clipboard_text(self):
        # xclip exits 1 while nobody owns the clipboard: not yet, to the polls.
        return harness.run("xclip", "-o", "-selection", "clipboard", env=self.s.env)

    def put_on_clipboard(self, text):
        """xclip serves the text until the session ends."""
        offer = self.s.spawn(["xclip", "-i", "-selection", "clipboard"], self.s.env,
                             stdin=subprocess.PIPE, text=True)
        offer.stdin.write(text)
        offer.stdin.close()

    def message_box(self):
        """The box once it stands open: a window on the X server that holds the keyboard, and
        an alert on the accessibility bus; None once both have gone."""
        window = self.s.find_window(TITLE, exclude=(self.s.window,))
        box = next((top for top in self.s.top_levels() if top.role == "alert"), None)
        if window is None and box is None:
            return None
        if window is None or box is None or int(self.s.xdotool("getwindowfocus")) != window:
            raise harness.NotYet("a box coming or going")
        inside = [node for node in self.s.tree() if node.path[:1] == box.path]
        return {"title": box.name,
                "prompt": "\n".join(n.name for n in inside if n.role == "label" and n.name),
                "buttons": [n.name for n in inside if n.role == "push button"]}

    def expect_box(self, prompt):
        super().expect_box(prompt)
        if prompt is None:
            # With no window manager nobody hands the input focus back: do what one would do.
            self.s.focus_window()

    def menu_open(self):
        """Whether a pop-up menu stands on the X server: a shown window that no window manager
        would frame (Qt 6.4 puts no menu on the accessibility bus, and xdotool finds none)."""
        def shown_pop_up(window):
            about = harness.run("xwininfo", "-id", window, env=self.s.env)
            return "Map State: IsViewable" in about and "Override Redirect State: yes" in about
        tops = harness.run("xwininfo", "-root", "-children", env=self.s.env)
        return any(shown_pop_up(top) for top in re.findall(r"^\s+(0x[0-9a-f]+) ", tops, re.M))

    def display_colours(self, key):
        left, top, _, height = layout()["display"]["pixels"]
        pixel = (left + 10, top + height // 2)
        colours = [self.s.screenshot((*pixel, 1, 1)).at(0, 0)]
        self.s.key(key)
        deadline = time.monotonic() + FLASH_WATCH_MILLISECONDS / 1000
        while time.monotonic() < deadline:
            colours.append(self.s.screenshot((*pixel, 1, 1)).at(0, 0))
        return colours

    def exit_status(self, limit):
        return self.s.wait_exit(limit)


def main():
    """Runs the calling file's tests: --binary, --assets and --layout are read into this
    module, the rest of the command line goes to unittest."""
    harness.run_tests(globals(), "binary", "assets", "layout")
