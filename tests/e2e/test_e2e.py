# SPDX-License-Identifier: MIT
"""End-to-end test: the real program on a private X server, driven with real X input.

Checks only what a person sees or a screen reader reads: the display's text and the focused
button through the accessibility bus, the skin's pictures through screenshots, the window's
properties through the X server.

Usage: test_e2e.py --binary build/qt/varnik-calculator --assets assets
                   --layout build/layout.json [unittest options]
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import calculator_case  # noqa: E402
import harness  # noqa: E402
from calculator_case import TITLE  # noqa: E402
from window_layout import bare, layout, link_centre, skin  # noqa: E402

DISPLAY_FACE = (239, 239, 239)
FLASH_GREY = (154, 154, 154)


class Calculator(calculator_case.CalculatorCase):
    def display_face(self):
        left, top, _, height = layout()["display"]["pixels"]
        return self.s.screenshot().at(left + 10, top + height // 2)

    # Tests

    def test_start_up(self):
        self.expect_display(" ")
        self.expect_focus("About ")
        self.assertEqual(self.display_ink(), [], "the blank display shows no text")
        for key in ("1", "3", "+", "4", "5", "7", "*", "=", "Quit"):
            self.assertEqual(self.key_picture(key), "normal", f"key {key} after start-up")

    def test_window_title_and_type(self):
        self.assertIn(f'WM_NAME(STRING) = "{TITLE}"', self.s.xprop("WM_NAME"))
        self.assertIn(f'= "{TITLE}"', self.s.xprop("_NET_WM_NAME"))
        # A tool window: utility first, normal only as the fallback for older managers.
        window_type = self.s.xprop("_NET_WM_WINDOW_TYPE").split("=", 1)[1]
        self.assertEqual(window_type.split(",")[0].strip(), "_NET_WM_WINDOW_TYPE_UTILITY")
        geometry = self.s.xdotool("getwindowgeometry", self.s.window)
        self.assertIn("Geometry: 206x232", geometry)
        self.assertEqual([w.name for w in self.s.top_levels()], [TITLE])

    def test_equals_on_blank_display_shows_a_box(self):
        self.press_buttons("=")
        window, box = self.open_box()
        self.assertEqual(box.name, TITLE)
        self.assertEqual(self.box_contents(box, "push button"), ["OK"])
        self.assertEqual([text for text in self.box_contents(box, "label") if text], [])
        self.close_box(window, "space")
        # The calculator goes on where it was.
        self.expect_focus("=")
        self.expect_display(" ")
        self.press_buttons("8", "X", "3", "=")
        self.expect_display("24")

    def test_about_box_then_quit_button(self):
        self.s.key("space")  # the About button has the focus after start-up
        window, box = self.open_box()
        self.assertEqual(box.name, TITLE)
        self.assertEqual(self.box_contents(box, "push button"), ["OK"])
        self.assertTrue(any(text.startswith(TITLE + " ")
                            for text in self.box_contents(box, "label")))
        self.close_box(window, "Return")
        self.expect_focus("About ")
        self.expect_display(" ")
        self.s.key("shift+Tab")
        self.expect_focus("Quit")
        self.s.key("space")
        self.assertEqual(self.s.wait_exit(5), 0)

    def test_link_turns_blue_under_the_pointer(self):
        self.assertEqual(self.blue_link_pixels(), 0)
        self.s.move(*skin("1")[0])
        self.expect_picture("1", "highlight")
        self.s.move(*link_centre())  # straight from the key: the key stays lit
        harness.poll("the link to turn blue", self.blue_link_pixels)
        self.assertEqual(self.key_picture("1"), "highlight")
        self.s.move(*bare())  # the bare window puts the key out and leaves the link blue
        self.expect_picture("1", "normal")
        self.assertGreater(self.blue_link_pixels(), 0)
        self.s.move(*skin("3")[0])  # entering a key gives the link its rest colour again
        self.expect_picture("3", "highlight")
        self.assertEqual(self.blue_link_pixels(), 0)

    def test_skin_quit_ends_the_program(self):
        self.click_skin("7")
        self.click_skin("+")  # quits also with an operation pending
        self.s.move(*skin("Quit")[0])
        self.expect_picture("Quit", "highlight")
        self.click_skin("Quit")
        self.assertEqual(self.s.wait_exit(5), 0)

    def test_a_failed_key_flashes_the_display(self):
        self.assertEqual(self.display_face(), DISPLAY_FACE)
        self.s.key("plus")  # an operation key on the blank display fails
        seen = set()
        deadline = time.monotonic() + 1.0
        while time.monotonic() < deadline:
            seen.add(self.display_face())
        self.assertIn(FLASH_GREY, seen, "the display flashes")
        harness.poll_equal("the display's own colour again", self.display_face, DISPLAY_FACE)


if __name__ == "__main__":
    calculator_case.main()
