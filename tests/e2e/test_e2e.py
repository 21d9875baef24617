# SPDX-License-Identifier: MIT
"""End-to-end test: the real program on a private X server, as the X server and a window
manager see it: its title, its type and size, and a blank display with no text drawn. What a
person does with it is in the shared scenarios (test_scenarios_e2e.py).

Usage: test_e2e.py --binary build/qt/varnik-calculator --assets assets
                   --layout build/layout.json [unittest options]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import calculator_case  # noqa: E402
from calculator_case import TITLE  # noqa: E402
from window_layout import layout  # noqa: E402


class Calculator(calculator_case.CalculatorCase):
    def display_ink(self):
        """Columns of the display's inner area that hold text pixels (darker than the face)."""
        left, top, width, height = layout()["display"]["pixels"]
        shot = self.client_shot()
        face = shot.at(left + 4, top + height // 2)
        return [x for x in range(left + 3, left + width - 3)
                if any(sum(face) - sum(shot.at(x, y)) > 150
                       for y in range(top + 3, top + height - 3))]

    def test_window_as_made(self):
        self.assertIn(f'WM_NAME(STRING) = "{TITLE}"', self.s.xprop("WM_NAME"))
        self.assertIn(f'= "{TITLE}"', self.s.xprop("_NET_WM_NAME"))
        # A tool window: utility first, normal only as the fallback for older managers.
        window_type = self.s.xprop("_NET_WM_WINDOW_TYPE").split("=", 1)[1]
        self.assertEqual(window_type.split(",")[0].strip(), "_NET_WM_WINDOW_TYPE_UTILITY")
        geometry = self.s.xdotool("getwindowgeometry", self.s.window)
        self.assertIn("Geometry: 206x232", geometry)
        self.assertEqual([w.name for w in self.s.top_levels()], [TITLE])
        self.expect_display(" ")
        self.assertEqual(self.display_ink(), [], "the blank display shows no text")


if __name__ == "__main__":
    calculator_case.main()
