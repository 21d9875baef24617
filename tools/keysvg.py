# SPDX-License-Identifier: MIT
"""The key pictures as vector drawings (SVG), drawn from the same shapes as the bitmaps
(keyart.py): the frame, the faces' gradients and streaks, the signs, and the lettering, shaped
by HarfBuzz (hb-shape) and turned into paths from the font's outlines (fontTools), so that a
picture needs no font where it is shown.

Measures are design pixels: a picture's size is its 1x bitmap's, and it scales to any density.
The bitmaps' pixel snapping (a sign centred on whole pixels, the 1x asterisk set by hand) is
theirs alone; here every sign sits where the design puts it. Numbers are written with at most
three decimals, so a run gives the same bytes every time.
"""

import functools
import json
import math
import subprocess

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

import keyart

# Samples per wave of a streak; its shade between them is the gradient's.
GRAIN_STEPS = 16
# The grey at which the streaks' veils match the bitmaps' streaks: the metal's middle.
GRAIN_GREY = 180


def number(value):
    text = ("%.3f" % value).rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def colour(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(c)))) for c in rgb)


def file_name(image):
    return "Image%d.svg" % image


# --- lettering -----------------------------------------------------------------

@functools.lru_cache(maxsize=None)
def _font(path):
    font = TTFont(path)
    return font, font.getGlyphSet(), font["head"].unitsPerEm


def shape(path, text):
    """HarfBuzz's glyphs for the text: [(glyph id, x offset, y offset, x advance)], font units."""
    run = subprocess.run(["hb-shape", "--output-format=json", "--no-glyph-names", path, text],
                         check=True, capture_output=True, text=True)
    return [(g["g"], g["dx"], g["dy"], g["ax"]) for g in json.loads(run.stdout)]


def lettering(path, size, text):
    """The shaped text's outlines as SVG path data at `size` pixels to the em, y downwards
    from the baseline, and their bounds (left, top, right, bottom)."""
    font, glyphs, em = _font(path)
    order = font.getGlyphOrder()
    scale = size / em
    outline = SVGPathPen(glyphs, ntos=number)
    bounds = BoundsPen(glyphs)
    pen_x = 0
    for glyph, dx, dy, advance in shape(path, text):
        place = (scale, 0, 0, -scale, (pen_x + dx) * scale, -dy * scale)
        glyphs[order[glyph]].draw(TransformPen(outline, place))
        glyphs[order[glyph]].draw(TransformPen(bounds, place))
        pen_x += advance
    return outline.getCommands(), bounds.bounds


# --- signs ---------------------------------------------------------------------

def _rect(x, y, width, height):
    return "M%s %sh%sv%sh%sz" % (number(x), number(y), number(width), number(height),
                                 number(-width))


def _polygon(points):
    return "M" + "L".join("%s %s" % (number(x), number(y)) for x, y in points) + "z"


def _circle(left, top, right, bottom):
    cx, cy, r = (left + right) / 2, (top + bottom) / 2, (right - left) / 2
    return '<circle cx="%s" cy="%s" r="%s"/>' % (number(cx), number(cy), number(r))


def sign(kind):
    """A sign's box (width, height) and its shapes as SVG elements inside the box."""
    path = '<path d="%s"/>'
    if kind == "plus":
        size, bar = keyart.PLUS
        at = (size - bar) / 2
        return (size, size), [path % (_rect(0, at, size, bar) + _rect(at, 0, bar, size))]
    if kind == "minus":
        return keyart.MINUS, [path % _rect(0, 0, *keyart.MINUS)]
    if kind == "equals":
        (width, height), bars = keyart.EQUALS
        return (width, height), [path % "".join(_rect(0, t, width, h) for t, h in bars)]
    if kind == "asterisk":
        # Each stroke its own element: two outlines of opposite turn would cut each other out.
        return keyart.ASTERISK_BOX, ([path % _polygon(arm) for arm in keyart.asterisk_arms()]
                                     + [_circle(*keyart.ASTERISK_DOT)])
    if kind == "slash":
        box, outline = keyart.SLASH
        return box, [path % _polygon(outline)]
    if kind == "point":
        size = keyart.POINT[0]
        return (size, size), [_circle(0, 0, size, size)]
    raise ValueError(kind)


def glyph(key):
    """The key's glyph as SVG elements placed on the key: centred, the point on its line."""
    width, height = key.size
    if key.glyph in keyart.LETTERING:
        path, size = keyart.LETTERING[key.glyph]
        commands, (left, top, right, bottom) = lettering(path, size, key.text)
        x, y = (width - (right - left)) / 2 - left, (height - (bottom - top)) / 2 - top
        elements = ['<path d="%s"/>' % commands]
    else:
        (w, h), elements = sign(key.glyph)
        x, y = (width - w) / 2, (height - h) / 2
        if key.glyph == "point":
            y = keyart.POINT[1]
    return '<g transform="translate(%s %s)">%s</g>' % (number(x), number(y), "".join(elements))


# --- faces ---------------------------------------------------------------------

def _stops(stops):
    return "".join('<stop offset="%s" stop-color="%s"/>' % (number(t), colour(c))
                   for t, c in stops)


def _ring(width, height, inset, radius, fill):
    return '<rect x="%d" y="%d" width="%d" height="%d" rx="%s" fill="%s"/>' % (
        inset, inset, width - 2 * inset, height - 2 * inset, number(radius), fill)


def normal_face(width, height):
    top, bottom = keyart.FACE[0], height - keyart.FACE[0]
    stops = [((y - top) / (bottom - top), c) for y, c in keyart.normal_stops(height)]
    gradient = ('<linearGradient id="face" gradientUnits="userSpaceOnUse" x1="0" y1="%s" '
                'x2="0" y2="%s">%s</linearGradient>' % (number(top), number(bottom),
                                                         _stops(stops)))
    return gradient, [_ring(width, height, *keyart.FACE, "url(#face)")]


def _veil(shade):
    """The opacity of a white (shade > 0) or black veil that moves the face's middle grey by
    the bitmaps' streak there, shade * (1 - grey / 320) levels."""
    grey = GRAIN_GREY
    change = abs(shade) * (1 - grey / 320)
    return change / (255 - grey) if shade > 0 else change / grey


def highlight_face(width, height, strong):
    """Lit along the diagonal from the face's upper left corner, with the streaks laid over it
    as repeating light and dark bands."""
    inset = keyart.FACE[0]
    reach = ((width - 2 * inset) + (height - 2 * inset)) / 2  # where (u + v) / span is 1
    stops = [(t, (g[0], g[1], g[2] - 1)) for t, g in keyart.highlight_stops(strong)]
    defs = ['<linearGradient id="face" gradientUnits="userSpaceOnUse" x1="%d" y1="%d" '
            'x2="%s" y2="%s">%s</linearGradient>' % (inset, inset, number(inset + reach),
                                                      number(inset + reach), _stops(stops))]
    shapes = [_ring(width, height, *keyart.FACE, "url(#face)")]
    for n, (amplitude, waves, phase) in enumerate(keyart.GRAIN):
        start = inset - phase / waves
        bands = []
        for step in range(GRAIN_STEPS + 1):
            shade = amplitude * math.sin(2 * math.pi * step / GRAIN_STEPS)
            if step == GRAIN_STEPS // 2:  # light turns dark where the wave crosses zero
                bands.append('<stop offset="0.5" stop-color="#fff" stop-opacity="0"/>')
            bands.append('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (
                number(step / GRAIN_STEPS), "#fff" if step < GRAIN_STEPS / 2 else "#000",
                number(_veil(shade))))
        defs.append('<linearGradient id="grain%d" gradientUnits="userSpaceOnUse" '
                    'spreadMethod="repeat" x1="0" y1="%s" x2="0" y2="%s">%s</linearGradient>' % (
                        n, number(start), number(start + 2 * math.pi / waves), "".join(bands)))
        shapes.append(_ring(width, height, *keyart.FACE, "url(#grain%d)" % n))
    return "".join(defs), shapes


def picture(key, highlight):
    """The SVG text of the key's normal or highlight picture."""
    width, height = key.size
    defs, face = (highlight_face(width, height, key.strong) if highlight
                  else normal_face(width, height))
    ink = keyart.QUIT_RED if highlight and key.glyph == "quit" else keyart.BLACK
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
        % (width, height, width, height),
        "<defs>%s</defs>" % defs,
        '<rect width="%d" height="%d" fill="%s"/>' % (width, height, colour(keyart.BEIGE)),
        _ring(width, height, *keyart.BORDER, colour(keyart.NAVY)),
        *face,
        '<g fill="%s">%s</g>' % (colour(ink), glyph(key)),
        "</svg>",
    ]
    return "\n".join(parts) + "\n"


def pictures(all_keys):
    """Every key's vector pictures: (file name, SVG text)."""
    for key in all_keys:
        for highlight in (False, True):
            yield file_name(key.image + highlight), picture(key, highlight)
