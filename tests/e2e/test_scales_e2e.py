# SPDX-License-Identifier: MIT
"""End to end at many scale factors: a key answers the pointer on exactly the pixels it is
drawn on, and is drawn from pictures at least as dense as the screen. For each factor the real
program runs on a private X server (QT_SCALE_FACTOR); key_edges.py holds the checks, which the
Windows program runs at its densities too.

Usage: test_scales_e2e.py --binary build/qt/varnik-calculator --layout build/layout.json
                          --assets assets
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import skin_pictures  # noqa: E402
import window_layout  # noqa: E402
from key_edges import (  # noqa: E402
    check_keys_answer_where_drawn, check_pictures_sharp_enough, device)
from window_layout import layout  # noqa: E402

BINARY = LAYOUT = ASSETS = None  # from the command line
SCALES = [1, 1.25, 1.5, 1.75, 2, 2.25, 3, 4, 7.3]


class Scales(unittest.TestCase):
    def test_keys_answer_where_they_are_drawn(self):
        for scale in SCALES:
            width = device(layout()["client"]["twips"][2], scale) + 40
            height = device(layout()["client"]["twips"][3], scale) + 40
            with harness.Session(BINARY, layout()["caption"], f"{width}x{height}x24",
                                 {"QT_SCALE_FACTOR": str(scale)}) as session:
                shot = lambda *region: session.screenshot(region)  # noqa: E731
                with self.subTest(scale=scale, check="picture density"):
                    check_pictures_sharp_enough(self, shot, scale)
                check_keys_answer_where_drawn(self, shot, session.move, scale)


def setUpModule():
    window_layout.PATH = LAYOUT
    skin_pictures.ASSETS = ASSETS


if __name__ == "__main__":
    harness.run_tests(globals(), "binary", "layout", "assets")
