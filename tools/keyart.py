# SPDX-License-Identifier: MIT
"""The skin keypad's key pictures: frame, normal and highlight faces, glyphs.

All measures are in design pixels (the 96 dpi picture); a key drawn at scale 2, 3 or 4
is drawn afresh at that resolution, not enlarged. The shapes' measures below are the one
drawing that both the bitmaps (here) and the vector pictures (keysvg.py) are made from.
"""

import json
import math

from PIL import Image

import assetlib as lib

BEIGE = (224, 220, 201)      # outer ring, a shade off the window's cream
NAVY = (0, 60, 116)          # key border
BLACK = (0, 0, 0)
QUIT_RED = (158, 0, 0)       # the quit word on the highlight picture

class Key:
    def __init__(self, image, glyph, size, text=""):
        self.image = image    # number of the normal picture; the highlight is image + 1
        self.glyph = glyph    # which glyph painter draws the face's sign
        self.size = size      # (width, height) in pixels
        self.text = text

    @property
    def strong(self):
        """The nine digit keys get the strong metal highlight, all others the soft one."""
        return self.glyph == "digit"


# The face of each key that is not a digit 1 to 9, by the action the window's tables give it.
GLYPHS = {"0": "zero", "=": "equals", ".": "point", "Quit": "quit", "Clear": "clear",
          "+": "plus", "-": "minus", "*": "asterisk", "/": "slash"}
TEXTS = {"0": "\u09e6", "Quit": "\u09b8\u09ae\u09be\u09aa\u09cd\u09a4",  # ০, সমাপ্ত
         "Clear": "C"}


def keys(layout_path):
    """The skin keys, their picture numbers and sizes read from the window's tables
    (layout.json, written by the build: build/<dir>/layout.json)."""
    with open(layout_path, encoding="utf-8") as file:
        rows = json.load(file)["skinKeys"]
    found = []
    for row in rows:
        action, size = row["action"], tuple(row["pixels"][2:])
        if action in ("1", "2", "3", "4", "5", "6", "7", "8", "9"):
            found.append(Key(row["normalImage"], "digit", size, chr(0x09E6 + int(action))))
        else:
            found.append(Key(row["normalImage"], GLYPHS[action], size, TEXTS.get(action, "")))
    return found


# --- faces -------------------------------------------------------------------

# The frame: the navy border and the face inside it, as (inset from the picture's edge,
# corner radius).
BORDER = (1, 2.2)
FACE = (2, 1.3)
# Fine streaks along the highlight's brushing direction, fixed by position, not by chance:
# (amplitude in grey levels, waves per pixel down the face, phase).
GRAIN = ((1.6, 2.9, 0.7), (1.1, 7.3, 2.1))


def normal_stops(height):
    """The normal face's colours down the picture: (y, colour)."""
    top, bottom = 2.0, height - 2.0
    return [
        (top, (254, 254, 254)),
        (top + 1.0, (252, 252, 250)),
        (height / 2.0, (243, 243, 238)),
        (bottom - 6.0, (240, 240, 234)),
        (bottom - 5.0, (235, 235, 229)),
        (bottom, (226, 223, 214)),
    ]


def highlight_stops(strong):
    """The highlight's greys from the face's upper left corner (0) to its lower right (1)."""
    if strong:
        stops = [(0.0, 154), (0.30, 236), (0.40, 255), (0.47, 250), (1.0, 79)]
    else:
        stops = [(0.0, 168), (0.30, 240), (0.40, 255), (0.47, 252), (1.0, 160)]
    return [(t, (v, v, v)) for t, v in stops]


def normal_face(width, height, scale):
    """Near white, brightest at the top, a darker band along the bottom: a raised button."""
    stops = normal_stops(height)
    rows = [lib.interpolate(stops, (y + 0.5) / scale) for y in range(height * scale)]
    return lib.field(width * scale, height * scale, lambda x, y: rows[int(y)])


def highlight_face(width, height, scale, strong):
    """Brushed metal lit from the upper left: grey, a white band above the middle, grey."""
    stops = highlight_stops(strong)
    span = (width - 4.0) + (height - 4.0)

    def colour(x, y):
        u, v = x / scale - 2.0, y / scale - 2.0
        grey = lib.interpolate(stops, (u + v) / span)[0]
        grain = sum(a * math.sin(v * waves + phase) for a, waves, phase in GRAIN)
        grey += grain * (1.0 - grey / 320.0)
        return (grey, grey, grey - 1.0)

    return lib.field(width * scale, height * scale, colour)


def frame_masks(width, height, scale):
    """Coverage of the navy border and of the face inside it (rounded, soft corners)."""
    def ring(inset, radius):
        return lambda d, k: lib.rounded_rect(d, k, inset, inset, width - inset, height - inset,
                                             radius)
    return lib.coverage(width, height, scale, ring(*BORDER)), lib.coverage(
        width, height, scale, ring(*FACE))


# --- glyphs ------------------------------------------------------------------

def _solid(width, height):
    return Image.new("L", (width, height), 255)


def _bars(width, height, bars):
    """A mask of width x height with full-width horizontal bars at (top, thickness)."""
    mask = Image.new("L", (width, height), 0)
    for top, thickness in bars:
        mask.paste(255, (0, top, width, top + thickness))
    return mask


# The signs' measures in design pixels. The plus: a square of PLUS[0] with bars PLUS[1] thick
# across its middle; the minus: one bar; equals: two bars (top, thickness) in their box.
PLUS = (11, 2)
MINUS = (12, 2)
EQUALS = ((11, 7), ((0, 2), (5, 2)))
# The slash, a slanted stroke in a box of 5 by 15.
SLASH = ((5, 15), [(3.0, 0.0), (5.0, 0.0), (2.0, 15.0), (0.0, 15.0)])
# The asterisk in a box of 9 by 8: three strokes through its middle and a dot on them
# (left, top, right, bottom).
ASTERISK_BOX = (9, 8)
ASTERISK_DOT = (3.2, 2.7, 5.8, 5.3)
# The point: a round dot of this diameter whose top lies on this line of the key.
POINT = (3, 19)
# The lettered faces: font and size in pixels (the em) by glyph kind; the regular weight
# keeps the small quit word's strokes apart.
LETTERING = {"digit": (lib.BENGALI_BOLD, 19), "zero": (lib.BENGALI_BOLD, 17),
             "quit": (lib.BENGALI_REGULAR, 13), "clear": (lib.LATIN_BOLD, 18)}


def asterisk_arms():
    """The asterisk's three strokes, an upright one and two slanting across it, as polygons."""
    half = 0.6
    cx, cy = 4.5, 4.0
    arms = []
    for angle in (90.0, 29.0, -29.0):
        a = math.radians(angle)
        reach = 4.0 if angle == 90.0 else 4.5 / math.cos(a)
        dx, dy = math.cos(a) * reach, -math.sin(a) * reach
        nx, ny = -math.sin(a) * half, -math.cos(a) * half
        arms.append([(cx - dx + nx, cy - dy + ny), (cx + dx + nx, cy + dy + ny),
                     (cx + dx - nx, cy + dy - ny), (cx - dx - nx, cy - dy - ny)])
    return arms


def glyph_plus(scale):
    size, bar = PLUS[0] * scale, PLUS[1] * scale
    at = (size - bar) // 2
    mask = Image.new("L", (size, size), 0)
    mask.paste(255, (0, at, size, at + bar))
    mask.paste(255, (at, 0, at + bar, size))
    return mask


def glyph_minus(scale):
    return _solid(MINUS[0] * scale, MINUS[1] * scale)


def glyph_equals(scale):
    (width, height), bars = EQUALS
    return _bars(width * scale, height * scale, [(t * scale, h * scale) for t, h in bars])


ASTERISK_1X = """
....#....
#-..#..-#
-##-#-##-
...###...
...###...
-##-#-##-
#-..#..-#
....#....
"""


def glyph_asterisk(scale):
    """Six arms, 9 by 8: an upright stroke and two strokes slanting across it; at 1x drawn
    pixel by pixel."""
    if scale == 1:
        return lib.pixel_art(ASTERISK_1X)

    def draw(d, k):
        for arm in asterisk_arms():
            lib.polygon(d, k, arm)
        d.ellipse(tuple(round(v * k) for v in ASTERISK_DOT), fill=255)
    return lib.sharpen(lib.coverage(*ASTERISK_BOX, scale, draw), 50, 190)


def glyph_slash(scale):
    (width, height), outline = SLASH
    return lib.sharpen(lib.coverage(width, height, scale,
                                    lambda d, k: lib.polygon(d, k, outline)), 40, 215)


def glyph_point(scale):
    """A round dot of 3 by 3 (6 by 6 at scale 2)."""
    size = POINT[0]

    def draw(d, k):
        d.ellipse((0, 0, size * k - 1, size * k - 1), fill=255)
    dot = lib.coverage(size, size, scale, draw)
    return lib.sharpen(dot, 20, 150)


def glyph_mask(key, scale):
    kind = key.glyph
    if kind in LETTERING:
        path, size = LETTERING[kind]
        mask = lib.text_mask(path, size * scale, key.text)
        return lib.sharpen(mask, 20, 160) if kind == "quit" else lib.sharpen(mask)
    return {
        "plus": glyph_plus,
        "minus": glyph_minus,
        "equals": glyph_equals,
        "asterisk": glyph_asterisk,
        "slash": glyph_slash,
        "point": glyph_point,
    }[kind](scale)


def glyph_offset(key, scale, mask):
    width, height = key.size[0] * scale, key.size[1] * scale
    x, y = lib.centred((width, height), mask.size)
    if key.glyph == "point":
        y = POINT[1] * scale  # the point sits on the baseline, not in the middle
    return x, y


# --- whole pictures ------------------------------------------------------------

def draw_key(key, scale, highlight):
    width, height = key.size
    canvas = Image.new("RGB", (width * scale, height * scale), BEIGE)
    border, face_mask = frame_masks(width, height, scale)
    lib.paint(canvas, border, NAVY)
    face = (highlight_face(width, height, scale, key.strong) if highlight
            else normal_face(width, height, scale))
    lib.paint(canvas, face_mask, face)
    mask = glyph_mask(key, scale)
    ink = QUIT_RED if highlight and key.glyph == "quit" else BLACK
    lib.paint(canvas, mask, ink, glyph_offset(key, scale, mask))
    return canvas


# The densities the desktops draw at: 1x is the picture at 96 dpi, the others are drawn afresh
# at 2, 3 and 4 times its resolution.
SCALES = (1, 2, 3, 4)


def file_name(image, scale):
    return "Image%d%s.bmp" % (image, "@%dx" % scale if scale > 1 else "")


def pictures(all_keys):
    """Every key picture: (file name, scale, image)."""
    for key in all_keys:
        for scale in SCALES:
            for highlight in (False, True):
                image = key.image + (1 if highlight else 0)
                yield file_name(image, scale), scale, draw_key(key, scale, highlight)
