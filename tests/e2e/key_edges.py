# SPDX-License-Identifier: MIT
"""A key answers the pointer on exactly the pixels it is drawn on, at any scale: the check
that the Linux program (test_scales_e2e.py) and the Windows one (../wine/test_wine_e2e.py)
run at their densities. For each probed edge it finds where the key is drawn in a
screenshot, then rests the pointer on the key's first pixel and on the pixel just outside,
and sees whether the key lights up."""

import math

import x_desktop
from window_layout import layout

CREAM = (244, 244, 227)  # the window's background
# Which edge of which key: left and top edges are entered from the bare window beside them;
# right and bottom ones from the bare window after them.
PROBES = [("3", "left"), ("1", "top"), ("Clear", "right"), ("=", "bottom")]
BARE = (3045, 1500)  # twips: right of the Clear key, on no key
EDGES = ("left", "top", "right", "bottom")
# A key lights within some 30 ms on these machines: this long without light says no.
NO_LIGHT_SECONDS = 0.3


def device(twips, scale):
    """The first device pixel at or after an edge, as the programs draw and hit-test."""
    return math.ceil(twips * scale / 15 - 1e-6)


def drawn_edge(case, shot, rect, edge):
    """The pixel of the key's drawn edge (its first pixel for left and top, the first one after
    it for right and bottom), read from a screenshot."""
    left, top, right, bottom = rect
    horizontal = edge in ("left", "right")
    across = (top + bottom) // 2 if horizontal else (left + right) // 2
    start = rect[EDGES.index(edge)]
    span = range(start - 6, start + 6)
    strip = shot(span[0], across, len(span), 1) if horizontal else shot(across, span[0], 1,
                                                                         len(span))
    painted = [i for i, colour in enumerate(strip.pixels) if colour != CREAM]
    case.assertTrue(painted, f"no key drawn near {edge} edge {start}")
    return span[0] + (painted[0] if edge in ("left", "top") else painted[-1] + 1)


def check_keys_answer_where_drawn(case, shot, move, scale):
    """Runs the check on a freshly started program (nothing lit, the pointer outside) at this
    scale. shot(left, top, width, height) reads pixels and move(x, y) moves the pointer, both
    in the client area's device pixels."""
    def lights(region, unlit, point, limit):
        move(device(BARE[0], scale), device(BARE[1], scale))
        x_desktop.poll("the key unlit", lambda: shot(*region).pixels == unlit)
        move(*point)
        try:
            x_desktop.poll("the key to light up", lambda: shot(*region).pixels != unlit, limit)
            return True
        except x_desktop.PollTimeout:
            return False

    for key, edge in PROBES:
        with case.subTest(scale=scale, key=key, edge=edge):
            twips = next(k["twips"] for k in layout()["skinKeys"] if k["action"] == key)
            rect = (device(twips[0], scale), device(twips[1], scale),
                    device(twips[0] + twips[2], scale), device(twips[1] + twips[3], scale))
            line = drawn_edge(case, shot, rect, edge)
            case.assertEqual(line, rect[EDGES.index(edge)],
                             "the key is drawn on the pixels the layout gives it")
            region = (rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1])
            unlit = shot(*region).pixels
            middle = ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
            first, outside = (line, line - 1) if edge in ("left", "top") else (line - 1, line)
            at = (lambda v: (v, middle[1])) if edge in ("left", "right") else (
                lambda v: (middle[0], v))
            case.assertTrue(lights(region, unlit, at(first), 10),
                            f"pixel {first}, the key's edge, lights it")
            case.assertFalse(lights(region, unlit, at(outside), NO_LIGHT_SECONDS),
                             f"pixel {outside}, just outside, does not")
