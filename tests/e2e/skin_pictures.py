# SPDX-License-Identifier: MIT
"""What a screenshot of the client area shows on the skin: which picture a key shows and which
key carries the focus mark. Shared by the Linux and the Windows end-to-end tests.

The focus mark is an outline three pixels inside a key's edge at 96 dpi, one pixel wide,
scaled with the density: the pictures are compared on every other pixel, and the mark is
found on that ring. Each line of the ring counts on its own, so that a mark drawn on part of
the ring only (Windows' dotted focus rectangle, one pixel wide at every density) is seen as
well as a solid one."""

import functools
import os

import x_desktop
from window_layout import layout, skin

ASSETS = None  # the assets folder of the tree under test
MARK_INSET = 3


@functools.lru_cache(maxsize=None)
def bitmap(number, dense=False):
    name = f"Image{number}@2x.bmp" if dense else f"Image{number}.bmp"
    return x_desktop.Image.from_bmp(os.path.join(ASSETS, "keys", name))


def _ring_line(x, y, width, height, scale):
    """Which line of the mark's ring the pixel lies on (0 is the outermost), or None."""
    line = min(x, y, width - 1 - x, height - 1 - y) - MARK_INSET * scale
    return line if 0 <= line < scale else None


def _shares(shot, key, dpi):
    """For the key's normal and highlight bitmaps: the share of pixels off the mark's ring
    that match the screen, and the smallest share among the ring's lines."""
    _, normal, (left, top, width, height) = skin(key, dpi)
    scale = dpi // 96
    shares = []
    for number in (normal, normal + 1):
        picture = bitmap(number, dpi > 96)
        off = same_off = 0
        on = [0] * scale
        same_on = [0] * scale
        for y in range(height):
            for x in range(width):
                same = shot.at(left + x, top + y) == picture.at(x, y)
                line = _ring_line(x, y, width, height, scale)
                if line is None:
                    off, same_off = off + 1, same_off + same
                else:
                    on[line], same_on[line] = on[line] + 1, same_on[line] + same
        shares.append((same_off / off, min(s / n for s, n in zip(same_on, on))))
    return shares


def picture(shot, key, dpi=96):
    """"normal", "highlight" or None: the picture the key shows, a focus mark or not."""
    for kind, (off_ring, _) in zip(("normal", "highlight"), _shares(shot, key, dpi)):
        if off_ring > 0.98:
            return kind
    return None


def marked_keys(shot, dpi=96):
    """The skin keys (by action) whose picture carries the focus mark."""
    marked = []
    for entry in layout()["skinKeys"]:
        shares = _shares(shot, entry["action"], dpi)
        shown = max(shares)  # the picture the key shows, judged off the ring
        if shown[0] > 0.98 and shown[1] < 0.7:
            marked.append(entry["action"])
    return marked
