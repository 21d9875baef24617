# SPDX-License-Identifier: MIT
"""End to end at many scale factors: a key answers the pointer on exactly the pixels it is
drawn on, and is drawn from pictures at least as dense as the screen. For each factor the real
program runs on a private X server (QT_SCALE_FACTOR); the tests find a key's edge in a
screenshot, then rest the pointer on the first pixel of the key and on the pixel just outside
it, and see whether the key lights up; and they tell which density's picture a key shows.

Usage: test_scales_e2e.py --binary build/qt/varnik-calculator --layout build/layout.json
"""

import math
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import skin_pictures  # noqa: E402
import window_layout  # noqa: E402
from window_layout import layout  # noqa: E402

BINARY = LAYOUT = ASSETS = None  # from the command line
SCALES = [1, 1.25, 1.5, 1.75, 2, 2.25, 3, 4, 7.3]
CREAM = (244, 244, 227)  # the window's background
# Which edge of which key: left and top edges are entered from the bare window beside them;
# right and bottom ones from the bare window after them.
PROBES = [("3", "left"), ("1", "top"), ("Clear", "right"), ("=", "bottom")]
BARE = (3045, 1500)  # twips: right of the Clear key, on no key


def device(twips, scale):
    """The first device pixel at or after an edge, as the programs draw and hit-test."""
    return math.ceil(twips * scale / 15 - 1e-6)


class Scales(unittest.TestCase):
    def start(self, scale):
        width = device(layout()["client"]["twips"][2], scale) + 40
        height = device(layout()["client"]["twips"][3], scale) + 40
        session = harness.Session(BINARY, layout()["caption"], f"{width}x{height}x24",
                                  {"QT_SCALE_FACTOR": str(scale)}).__enter__()
        self.addCleanup(session.close)
        return session

    def drawn_edge(self, session, rect, edge):
        """The device pixel of the key's drawn edge (first pixel of the key for left and top,
        first pixel after it for right and bottom), read from a screenshot."""
        left, top, right, bottom = rect
        horizontal = edge in ("left", "right")
        across = (top + bottom) // 2 if horizontal else (left + right) // 2
        start = (left if edge == "left" else right if edge == "right" else
                 top if edge == "top" else bottom)
        span = range(start - 6, start + 6)
        region = (span[0], across, len(span), 1) if horizontal else (across, span[0], 1, len(span))
        shot = session.screenshot(region)
        painted = [i for i in range(len(span))
                   if (shot.at(i, 0) if horizontal else shot.at(0, i)) != CREAM]
        self.assertTrue(painted, f"no key drawn near {edge} edge {start}")
        return span[0] + (painted[0] if edge in ("left", "top") else painted[-1] + 1)

    def unlit(self, session, key, rect, scale):
        """The key as it shows its normal picture, with the pointer on the bare window."""
        left, top, right, bottom = rect
        region = (left, top, right - left, bottom - top)
        number = window_layout.skin(key)[1]
        density = min(math.ceil(scale), skin_pictures.DENSITIES[-1])
        session.move(device(BARE[0], scale), device(BARE[1], scale))

        def normal_shown():
            shot = session.screenshot(region)
            return shot if skin_pictures.shows_normal(shot, number, density,
                                                      (0, 0) + region[2:]) else None
        return harness.poll("the key unlit", normal_shown)

    def lights(self, session, rect, unlit, point, scale, limit):
        """Whether the key lights up within limit seconds when the pointer comes onto point
        from the bare window."""
        left, top, right, bottom = rect
        region = (left, top, right - left, bottom - top)
        session.move(device(BARE[0], scale), device(BARE[1], scale))
        harness.poll("the key unlit", lambda: session.screenshot(region).pixels == unlit.pixels)
        session.move(*point)
        try:
            harness.poll("the key to light up", lambda: session.screenshot(region).pixels
                         != unlit.pixels, limit=limit)
            return True
        except harness.PollTimeout:
            return False

    def sharp_enough(self, session, scale):
        """The key shows the picture of the nearest density at or above the scale (up to the
        densest, 4x): at least 0.95 picture pixels to a screen pixel, and at a whole scale
        the picture itself, pixel for pixel."""
        _, number, _ = window_layout.skin("9")
        twips = next(k["twips"] for k in layout()["skinKeys"] if k["action"] == "9")
        left, top = device(twips[0], scale), device(twips[1], scale)
        width, height = device(twips[0] + twips[2], scale) - left, device(
            twips[1] + twips[3], scale) - top
        shot = session.screenshot((left, top, width, height))
        density, distance = skin_pictures.drawn_density(shot, number, (0, 0, width, height))
        self.assertLess(distance[density], 1, f"a picture of key 9 at {scale}: {distance}")
        self.assertEqual(density, min(math.ceil(scale), 4), distance)
        if scale <= 4:
            self.assertGreaterEqual(window_layout.pixels(twips)[2] * density / width, 0.95)
        if scale == int(scale) <= 4:
            self.assertEqual(shot.pixels, skin_pictures.bitmap(number, density).pixels)

    def test_keys_answer_where_they_are_drawn(self):
        for scale in SCALES:
            session = self.start(scale)
            with self.subTest(scale=scale, check="picture density"):
                self.sharp_enough(session, scale)
            for key, edge in PROBES:
                with self.subTest(scale=scale, key=key, edge=edge):
                    twips = next(k["twips"] for k in layout()["skinKeys"] if k["action"] == key)
                    rect = (device(twips[0], scale), device(twips[1], scale),
                            device(twips[0] + twips[2], scale), device(twips[1] + twips[3], scale))
                    line = self.drawn_edge(session, rect, edge)
                    self.assertEqual(line, rect[("left", "top", "right", "bottom").index(edge)],
                                     "the key is drawn on the pixels the layout gives it")
                    unlit = self.unlit(session, key, rect, scale)
                    middle = ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
                    first, outside = (line, line - 1) if edge in ("left", "top") else (line - 1,
                                                                                       line)
                    at = (lambda v: (v, middle[1])) if edge in ("left", "right") else (
                        lambda v: (middle[0], v))
                    self.assertTrue(self.lights(session, rect, unlit, at(first), scale, 10),
                                    f"pixel {first}, the key's edge, presses it")
                    # A key lights within some 30 ms here: a third of a second says no.
                    self.assertFalse(self.lights(session, rect, unlit, at(outside), scale, 0.3),
                                     f"pixel {outside}, just outside, does not")


def setUpModule():
    window_layout.PATH = LAYOUT
    skin_pictures.ASSETS = ASSETS


if __name__ == "__main__":
    harness.run_tests(globals(), "binary", "layout", "assets")
