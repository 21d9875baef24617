# SPDX-License-Identifier: MIT
"""Keys drawn sharp and where they answer, at any scale: the checks that the Linux program
(test_scales_e2e.py) and the Windows one (../wine/test_wine_e2e.py) run at their densities.

A key answers the pointer on exactly the pixels it is drawn on: for each probed edge the check
finds where the key is drawn in a screenshot, then rests the pointer on the key's first pixel
and on the pixel just outside, and sees whether the key lights up. And a key is drawn from the
pictures of the nearest density at or above the screen's."""

import math

import skin_pictures
import x_desktop
from window_layout import layout, pixels, skin

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


def key_twips(action):
    return next(k["twips"] for k in layout()["skinKeys"] if k["action"] == action)


def key_rect(action, scale):
    """A skin key's rectangle in device pixels: (left, top, width, height)."""
    twips = key_twips(action)
    left, top = device(twips[0], scale), device(twips[1], scale)
    return (left, top, device(twips[0] + twips[2], scale) - left,
            device(twips[1] + twips[3], scale) - top)


def density_for(scale):
    """The pictures' density a key is drawn from at this scale."""
    return min(math.ceil(scale - 1e-9), skin_pictures.DENSITIES[-1])


def check_pictures_sharp_enough(case, shot, scale, sampling=skin_pictures.CENTRES):
    """Key 9 shows the picture of the nearest density at or above the scale (up to the
    densest): at least 0.95 picture pixels to a screen pixel, and at a whole scale the picture
    itself, pixel for pixel. shot(left, top, width, height) reads the client area's pixels;
    sampling is how the program's smooth scaling samples (skin_pictures)."""
    number = skin("9")[1]
    rect = key_rect("9", scale)
    shown = shot(*rect)
    density, distance = skin_pictures.drawn_density(shown, number, (0, 0) + rect[2:], sampling)
    case.assertLess(distance[density], 1, f"a picture of key 9 at {scale}: {distance}")
    case.assertEqual(density, density_for(scale), distance)
    if scale <= skin_pictures.DENSITIES[-1]:
        case.assertGreaterEqual(pixels(key_twips("9"))[2] * density / rect[2], 0.95)
    if scale == int(scale) <= skin_pictures.DENSITIES[-1]:
        case.assertEqual(shown.pixels, skin_pictures.bitmap(number, density).pixels)


def drawn_edge(case, shot, rect, edge):
    """The pixel of the key's drawn edge (its first pixel for left and top, the first one after
    it for right and bottom), read from a screenshot; rect is (left, top, right, bottom)."""
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


def check_keys_answer_where_drawn(case, shot, move, scale, sampling=skin_pictures.CENTRES):
    """Runs the check on a program started at this scale. shot(left, top, width, height)
    reads pixels and move(x, y) moves the pointer, both in the client area's device pixels."""
    def to_bare():
        move(device(BARE[0], scale), device(BARE[1], scale))

    def lights(region, unlit, point, limit):
        to_bare()
        x_desktop.poll("the key unlit", lambda: shot(*region).pixels == unlit)
        move(*point)
        try:
            x_desktop.poll("the key to light up", lambda: shot(*region).pixels != unlit, limit)
            return True
        except x_desktop.PollTimeout:
            return False

    for key, edge in PROBES:
        with case.subTest(scale=scale, key=key, edge=edge):
            region = key_rect(key, scale)
            rect = (*region[:2], region[0] + region[2], region[1] + region[3])
            line = drawn_edge(case, shot, rect, edge)
            case.assertEqual(line, rect[EDGES.index(edge)],
                             "the key is drawn on the pixels the layout gives it")
            # The key as it shows its normal picture, the pointer on the bare window.
            def normal_shown():
                shown = shot(*region)
                return shown if skin_pictures.shows_normal(
                    shown, skin(key)[1], density_for(scale), (0, 0) + region[2:],
                    sampling) else None
            to_bare()
            unlit = x_desktop.poll("the key unlit", normal_shown).pixels
            middle = (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2
            first, outside = (line, line - 1) if edge in ("left", "top") else (line - 1, line)
            at = (lambda v: (v, middle[1])) if edge in ("left", "right") else (
                lambda v: (middle[0], v))
            case.assertTrue(lights(region, unlit, at(first), 10),
                            f"pixel {first}, the key's edge, lights it")
            case.assertFalse(lights(region, unlit, at(outside), NO_LIGHT_SECONDS),
                             f"pixel {outside}, just outside, does not")
