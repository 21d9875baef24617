# SPDX-License-Identifier: MIT
"""What the end-to-end tests of the Qt program share: the window's layout read from the
build's layout.json, and a test case that starts the real program on a private X server for
each test, with helpers to drive it and read back what it shows.

A test file subclasses CalculatorCase and ends with calculator_case.main().
"""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import skin_pictures  # noqa: E402
import window_layout  # noqa: E402
from window_layout import (accessible_name, bare, layout, link_centre, link_rect, skin,  # noqa: E402
                           tab_order)

TITLE = "Varnik Calculator"
BINARY = ASSETS = LAYOUT = None  # set from the command line


class CalculatorCase(unittest.TestCase):
    """A test case that starts the real program for each test, with helpers to drive it. It is
    also the Linux program's driver of the shared end-to-end scenarios (tests/scenarios)."""

    def setUp(self):
        window_layout.PATH = LAYOUT
        skin_pictures.ASSETS = ASSETS
        self.s = harness.Session(BINARY, TITLE).__enter__()
        self.addCleanup(self.s.close)
        self.pointer = None

    # Helpers

    def click_skin(self, key):
        self.s.click(*skin(key)[0])

    def expect_display(self, text):
        harness.poll_equal("display text", self.s.display_text, text)

    def expect_focus(self, caption):
        harness.poll_equal("focused button", self.s.focused_name, accessible_name(caption))

    def tab_to(self, caption):
        """Presses Tab as often as the Tab order needs to reach the button of this caption,
        then checks the focus.

        The Tab stops are the focusable, enabled buttons that the screen reader lists.
        """
        nodes = self.s.tree()
        stops = {node.name for node in nodes if node.role == "push button"
                 and {"focusable", "sensitive"} <= set(node.states)}
        cycle = [name for name in map(accessible_name, tab_order()) if name in stops]
        current = next(node.name for node in nodes if "focused" in node.states)
        steps = (cycle.index(accessible_name(caption)) - cycle.index(current)) % len(cycle)
        if steps:
            self.s.key(*["Tab"] * steps)
        self.expect_focus(caption)

    def press_buttons(self, *names):
        for name in names:
            self.tab_to(name)
            self.s.key("space")

    def key_picture(self, key):
        """Which of the key's two pictures the screen shows: "normal", "highlight" or None."""
        return skin_pictures.picture(self.s.screenshot(), key)

    def expect_picture(self, key, kind):
        harness.poll_equal(f"picture of key {key}", lambda: self.key_picture(key), kind)

    # The scenarios' driver

    def move(self, point):
        self.pointer = {"bare": bare, "link": link_centre}.get(point, lambda: skin(point)[0])()
        self.s.move(*self.pointer)

    def click_here(self):
        self.s.click(*self.pointer)

    def double_click_here(self):
        self.s.click(*self.pointer, count=2)

    def key(self, *names):
        self.s.key(*names)

    def expect_focus_mark(self, key):
        harness.poll_equal("the focus mark", lambda: skin_pictures.marked_keys(
            self.s.screenshot()), [key] if key else [])

    def clipboard(self):
        """The X clipboard's text; None while nobody owns it yet (xclip then fails)."""
        try:
            return harness.run("xclip", "-o", "-selection", "clipboard", env=self.s.env)
        except subprocess.CalledProcessError:
            return None

    def offer_clipboard(self, text):
        """Puts text on the X clipboard; xclip serves it until the session ends."""
        offer = self.s._spawn(["xclip", "-i", "-selection", "clipboard"], self.s.env,
                              stdin=subprocess.PIPE, text=True)
        offer.stdin.write(text)
        offer.stdin.close()
        harness.poll_equal("the offered clipboard", self.clipboard, text)

    def expect_clipboard(self, text):
        harness.poll_equal("the X clipboard", self.clipboard, text)

    def display_ink(self):
        """Columns of the display's inner area that hold text pixels (darker than the face)."""
        left, top, width, height = layout()["display"]["pixels"]
        shot = self.s.screenshot()
        face = shot.at(left + 4, top + height // 2)
        return [x for x in range(left + 3, left + width - 3)
                if any(sum(face) - sum(shot.at(x, y)) > 150
                       for y in range(top + 3, top + height - 3))]

    def blue_link_pixels(self):
        """How many pixels of the web link's text are drawn in blue."""
        left, top, width, height = link_rect()
        shot = self.s.screenshot()
        return sum(b - max(r, g) > 100 for y in range(top, top + height)
                   for x in range(left, left + width) for r, g, b in [shot.at(x, y)])

    def open_box(self):
        """Waits for a message box; returns its X window and its node on the reader's tree."""
        window = self.s.wait_window(TITLE, exclude=(self.s.window,))
        box = harness.poll("the message box on the accessibility bus", lambda: next(
            (top for top in self.s.top_levels() if top.role == "alert"), None))
        return window, box

    def box_contents(self, box, role):
        return [node.name for node in self.s.tree()
                if node.path[:1] == box.path and node.role == role]

    def close_box(self, window, key):
        """Presses key on the box's focused OK button; gives the window the focus back."""
        self.assertEqual(int(self.s.xdotool("getwindowfocus")), window, "the box has the keys")
        self.expect_focus("OK")
        self.s.key(key)
        self.s.wait_window_gone(window)
        harness.poll("the box to leave the accessibility bus",
                     lambda: len(self.s.top_levels()) == 1)
        # With no window manager nobody hands the input focus back: do what one would do.
        self.s.focus_window()


def main():
    """Runs the calling file's tests: --binary, --assets and --layout are read into this
    module, the rest of the command line goes to unittest."""
    harness.run_tests(globals(), "binary", "assets", "layout")
