# SPDX-License-Identifier: MIT
"""End-to-end test of the keyboard, the clipboard and the visible feedback: the real program
on a private X server, typed at with real X key events, its X clipboard read and written with
xclip, what it shows read back through the accessibility bus and screenshots.

Usage: test_keyboard_e2e.py --binary build/qt/varnik-calculator --assets assets
                            --layout build/layout.json [unittest options]
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import calculator_case  # noqa: E402
import harness  # noqa: E402
from window_layout import layout  # noqa: E402

DISPLAY_FACE = (239, 239, 239)
FLASH_GREY = (154, 154, 154)


class Keyboard(calculator_case.CalculatorCase):
    def clipboard(self):
        return harness.run("xclip", "-o", "-selection", "clipboard", env=self.s.env)

    def offer_clipboard(self, text):
        """Puts text on the X clipboard; xclip serves it until the session ends."""
        offer = self.s._spawn(["xclip", "-i", "-selection", "clipboard"], self.s.env,
                              stdin=subprocess.PIPE, text=True)
        offer.stdin.write(text)
        offer.stdin.close()
        harness.poll_equal("the offered clipboard", self.clipboard, text)

    def display_face(self):
        left, top, _, height = layout()["display"]["pixels"]
        return self.s.screenshot().at(left + 10, top + height // 2)

    def test_typing_twelve_plus_three_and_enter(self):
        self.s.key("1", "2", "plus", "3", "Return")
        self.expect_display("15")
        self.expect_focus("About ")  # typing moves no focus
        self.s.key("Escape")
        self.expect_display("")

    def test_copy_and_paste(self):
        self.s.key("1", "5", "ctrl+c")
        harness.poll_equal("the X clipboard", self.clipboard, "\u09e7\u09eb")
        self.offer_clipboard("\u09e8.\u09eb")
        self.s.key("ctrl+v")
        self.expect_display("2.5")

    def test_tab_lights_the_focused_buttons_twin(self):
        self.s.key("Tab", "Tab", "Tab", "Tab")  # About, M +, M -, M Rc, then /
        self.expect_focus("/")
        self.expect_picture("/", "highlight")
        self.s.key("Tab")
        self.expect_focus("=")
        self.expect_picture("=", "highlight")
        self.assertEqual(self.key_picture("/"), "normal")

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
