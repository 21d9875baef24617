# SPDX-License-Identifier: MIT
"""End to end at many scale factors: a key answers the pointer on exactly the pixels it is
drawn on. For each factor the real program runs on a private X server (QT_SCALE_FACTOR); the
tests find a key's edge in a screenshot, then rest the pointer on the first pixel of the key
and on the pixel just outside it, and see whether the key lights up.

Usage: test_scales_e2e.py --binary build/qt/varnik-calculator --layout build/layout.json
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import window_layout  # noqa: E402
from key_edges import check_keys_answer_where_drawn, device  # noqa: E402
from window_layout import layout  # noqa: E402

BINARY = LAYOUT = None  # from the command line
SCALES = [1, 1.25, 1.5, 1.75, 2, 2.25, 3, 7.3]


class Scales(unittest.TestCase):
    def test_keys_answer_where_they_are_drawn(self):
        for scale in SCALES:
            width = device(layout()["client"]["twips"][2], scale) + 40
            height = device(layout()["client"]["twips"][3], scale) + 40
            with harness.Session(BINARY, layout()["caption"], f"{width}x{height}x24",
                                 {"QT_SCALE_FACTOR": str(scale)}) as session:
                check_keys_answer_where_drawn(self, lambda *region: session.screenshot(region),
                                              session.move, scale)


def setUpModule():
    window_layout.PATH = LAYOUT


if __name__ == "__main__":
    harness.run_tests(globals(), "binary", "layout")
