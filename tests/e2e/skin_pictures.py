# SPDX-License-Identifier: MIT
"""What a screenshot of the client area shows on the skin: which picture a key shows, which key
carries the focus mark, and which density of pictures a key is drawn from. Shared by the Linux
and the Windows end-to-end tests.

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


DENSITIES = (1, 2, 3, 4)  # the key pictures' densities, 1x to 4x


@functools.lru_cache(maxsize=None)
def bitmap(number, density=1):
    name = f"Image{number}@{density}x.bmp" if density > 1 else f"Image{number}.bmp"
    return x_desktop.Image.from_bmp(os.path.join(ASSETS, "keys", name))


# Where smooth scaling samples a picture for a screen pixel: Qt at the pixel's centre, Wine's
# StretchBlt (HALFTONE) at its top left corner.
CENTRES, CORNERS = 0.5, 0.0


def _resampled(picture, width, height, rows=None, sampling=CENTRES):
    """The picture scaled to width x height by bilinear sampling as the programs' smooth
    scaling does: the given rows of it (all by default), row after row."""
    def taps(size, source):
        step = source / size
        for i in range(size):
            at = min(max((i + sampling) * step - sampling, 0), source - 1)
            low = min(int(at), source - 2) if source > 1 else 0
            yield low, at - low
    columns = list(taps(width, picture.width))
    lines = list(taps(height, picture.height))
    pixels = []
    for y0, fy in (lines[row] for row in (rows if rows is not None else range(height))):
        upper = picture.pixels[y0 * picture.width:(y0 + 1) * picture.width]
        lower = picture.pixels[(y0 + 1) * picture.width:(y0 + 2) * picture.width] or upper
        for x0, fx in columns:
            x1 = min(x0 + 1, picture.width - 1)
            pixels.append(tuple(
                (upper[x0][c] * (1 - fx) + upper[x1][c] * fx) * (1 - fy)
                + (lower[x0][c] * (1 - fx) + lower[x1][c] * fx) * fy for c in range(3)))
    return pixels


def _distance(shown, expected):
    """The mean difference in levels between two lists of pixels."""
    return sum(abs(a - b) for p, q in zip(shown, expected) for a, b in zip(p, q)) / (
        3 * len(shown))


def drawn_density(shot, number, rect, sampling=CENTRES):
    """The density whose picture `number`, scaled to the rectangle (left, top, width, height)
    the key is drawn on, lies nearest what the screen shows there; and the mean difference in
    levels for each density."""
    left, top, width, height = rect
    shown = [shot.at(left + x, top + y) for y in range(height) for x in range(width)]
    distance = {density: _distance(shown, _resampled(bitmap(number, density), width, height,
                                                     sampling=sampling))
                for density in DENSITIES}
    return min(distance, key=distance.get), distance


def shows_normal(shot, number, density, rect, sampling=CENTRES):
    """Whether the key drawn on the rectangle from pictures of that density shows its normal
    picture (number) rather than its highlight, judged on its middle row."""
    left, top, width, height = rect
    row = height // 2
    shown = [shot.at(left + x, top + row) for x in range(width)]
    normal, lit = (_distance(shown, _resampled(bitmap(n, density), width, height, [row],
                                               sampling)) for n in (number, number + 1))
    return normal < lit


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
        picture = bitmap(number, scale)
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
