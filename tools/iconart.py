# SPDX-License-Identifier: MIT
"""The window icon: a green rounded square with the name in Bengali (white) at the
top, "calc" (black) below it and a dark red map silhouette at the lower left.

The design lives on a 32-unit grid; every size is drawn afresh at its own
resolution. From 32 pixels up the Bengali name is shaped and hinted at its size;
below that the lettering is drawn large and reduced (squeezed across a little),
and at 16 pixels "calc" is hand-set, so that the small icons keep the shapes.
"""

from PIL import Image

import assetlib as lib
import brand

SIZES = (16, 22, 24, 32, 48, 64, 128, 192, 256, 512)  # 192 and 512 for the web app
# Icons that a phone masks itself, for the web app: the body fills the square, and the design
# takes this share of it, inside what every mask keeps (a maskable icon's middle circle, 80 %
# across, for Android; the rounded square of an iPhone's home screen). (kind, size, share)
FULL_BLEED = (("maskable", 192, 0.66), ("maskable", 512, 0.66), ("apple-touch", 180, 0.9))

NAME = "\u09ad\u09be\u09b0\u09cd\u09a8\u09bf\u0995"  # ভার্নিক
LATIN = "calc"

GREEN_TOP = (58, 170, 88)
GREEN_BOTTOM = brand.GREEN
GREEN_EDGE = (8, 88, 40)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
MAP_RED = (150, 12, 18)

# Boxes on the 32-unit grid: (left, top, right, bottom). Below 32 pixels the
# compact layout gives the lettering more room and squeezes it across.
LAYOUT = {
    "name": (2.5, 2.5, 29.5, 14.0),
    "latin": (14.5, 17.0, 29.5, 27.5),
    "map": (3.0, 15.5, 13.5, 29.0),
}
COMPACT = {
    "name": (2.0, 2.5, 30.0, 16.5),
    "latin": (12.0, 18.5, 30.0, 28.5),
    "map": (2.5, 17.0, 12.5, 30.0),
}
# At 16 pixels "calc" is set by hand in a 5-pixel face, and the map yields room.
TINY = {
    "name": (2.0, 3.0, 30.0, 17.0),
    "map": (2.0, 18.0, 8.5, 30.0),
}
TINY_LATIN = """
.......#...
##.##..#.##
#...##.#.#.
#..#.#.#.#.
##.###.#.##
"""
TINY_LATIN_AT = (4, 10)

# How far the compact lettering may be squeezed (width : height of the ink).
COMPACT_ASPECT = {"name": 2.0, "latin": 1.8}

# A map silhouette in a unit box (x to the right, y down, 1.3 high): a river delta
# country with a broad north, a lobe in the north-east and a long south-eastern tail.
MAP_OUTLINE = [
    (0.20, 0.00), (0.31, 0.09), (0.29, 0.21), (0.42, 0.25), (0.60, 0.22), (0.76, 0.19),
    (0.95, 0.22), (1.00, 0.32), (0.90, 0.42), (0.80, 0.40), (0.74, 0.52), (0.79, 0.62),
    (0.70, 0.66), (0.80, 0.78), (0.88, 0.90), (0.93, 1.10), (0.98, 1.30), (0.89, 1.20),
    (0.80, 1.00), (0.72, 0.90), (0.62, 0.88), (0.52, 0.93), (0.40, 0.88), (0.28, 0.93),
    (0.18, 0.86), (0.16, 0.70), (0.08, 0.60), (0.14, 0.48), (0.02, 0.40), (0.10, 0.30),
    (0.05, 0.15),
]


def rounded_square(size, unit, inset_px):
    """Coverage of the icon's square (corner radius 6 units), inset by whole pixels."""
    radius = 6.0

    def draw(d, k):
        i = inset_px / unit
        lib.rounded_rect(d, k, i, i, 32.0 - i, 32.0 - i, max(radius - i, 1.0))
    return lib.coverage_px(size, size, unit, draw)


def body(size):
    def colour(x, y):
        return lib.interpolate([(0.0, GREEN_TOP), (float(size), GREEN_BOTTOM)], y)
    return lib.field(size, size, colour)


def fit_text(path, text, width, height):
    """The text's ink at the largest whole pixel size that fits width x height."""
    best = None
    for size in range(4, 400):
        mask = lib.text_mask(path, size, text)
        if mask.width > width or mask.height > height:
            break
        best = mask
    return best


def box_px(box, unit):
    return tuple(v * unit for v in box)


def place(canvas, mask, box, colour):
    left, top, right, bottom = box
    x = int(left + (right - left - mask.width) / 2.0 + 0.5)
    y = int(top + (bottom - top - mask.height) / 2.0 + 0.5)
    lib.paint(canvas, mask, colour, (x, y))


def reduced_text(path, text, width, height, aspect=None):
    """The text drawn large and reduced to fit width x height pixels, which keeps
    its proportions and spacing better than hinting at tiny sizes. With an aspect
    the ink may be squeezed across down to that width : height ratio."""
    big = lib.text_mask(path, 160, text)
    natural = big.width / big.height
    w, h = width, width / natural
    if h > height:
        w, h = height * natural, height
    elif aspect is not None:
        h = min(height, width / aspect)
    return lib.sharpen(big.resize((int(w), int(h)), Image.BOX), 60, 170)


def map_mask(size, unit, box):
    left, top, right, bottom = box
    scale = min(right - left, (bottom - top) / 1.3)

    def draw(d, k):
        lib.polygon(d, k, [(left + x * scale, top + y * scale) for x, y in MAP_OUTLINE])
    return lib.coverage_px(size, size, unit, draw)


def lettering(unit, layout, which, path, text):
    box = box_px(layout[which], unit)
    width, height = box[2] - box[0], box[3] - box[1]
    if layout is not LAYOUT:
        return reduced_text(path, text, width, height, COMPACT_ASPECT[which]), box
    if which == "latin":
        # Hinting spreads the short word unevenly at these sizes.
        return reduced_text(path, text, width, height), box
    return lib.sharpen(fit_text(path, text, width, height), 30, 220), box


def draw_design(canvas, size, offset=0):
    """The map and the lettering of the icon `size` pixels square, `offset` pixels right of and
    below the canvas's corner."""
    unit = size / 32.0
    layout = TINY if size <= 16 else COMPACT if size < 32 else LAYOUT
    lib.paint(canvas, map_mask(size, unit, layout["map"]), MAP_RED, (offset, offset))
    name, box = lettering(unit, layout, "name", lib.BENGALI_BOLD, NAME)
    shift = lambda box: tuple(v + offset for v in box)  # noqa: E731
    place(canvas, name, shift(box), WHITE)
    if layout is TINY:
        lib.paint(canvas, lib.pixel_art(TINY_LATIN), BLACK, shift(TINY_LATIN_AT))
    else:
        latin, box = lettering(unit, layout, "latin", lib.LATIN_BOLD, LATIN)
        place(canvas, latin, shift(box), BLACK)


def draw_icon(size):
    unit = size / 32.0
    inset = max(1, size // 48)
    canvas = Image.new("RGB", (size, size), GREEN_EDGE)
    lib.paint(canvas, rounded_square(size, unit, inset), body(size))
    draw_design(canvas, size)

    icon = canvas.convert("RGBA")
    icon.putalpha(rounded_square(size, unit, 0))
    return icon


def draw_full_bleed(size, share):
    """An opaque square of the body with the design across `share` of it, in the middle."""
    canvas = body(size)
    design = int(round(size * share))
    draw_design(canvas, design, (size - design) // 2)
    return canvas


def file_name(size, kind=None):
    return "varnik-calculator-%s%d.png" % (kind + "-" if kind else "", size)


def icons():
    """Every icon: (file name, image)."""
    for size in SIZES:
        yield file_name(size), draw_icon(size)
    for kind, size, share in FULL_BLEED:
        yield file_name(size, kind), draw_full_bleed(size, share)
