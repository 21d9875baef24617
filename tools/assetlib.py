# SPDX-License-Identifier: MIT
"""Small drawing helpers shared by the key and icon generators.

Everything here is deterministic: no clocks, no random state, and the files
are written byte for byte by our own code (BMP) or by PIL without metadata (PNG).
"""

import struct

from PIL import Image, ImageDraw, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/noto"
BENGALI_BOLD = FONT_DIR + "/NotoSansBengali-Bold.ttf"
BENGALI_REGULAR = FONT_DIR + "/NotoSansBengali-Regular.ttf"
LATIN_BOLD = FONT_DIR + "/NotoSans-Bold.ttf"

# Supersampling factor for shape coverage (anti-aliased edges).
SUPERSAMPLE = 8


def write_bmp24(path, image, pixels_per_metre=3780):
    """Writes an RGB image as a 24-bit, uncompressed, palette-free BMP."""
    image = image.convert("RGB")
    width, height = image.size
    row_bytes = width * 3
    padding = (4 - row_bytes % 4) % 4
    stride = row_bytes + padding
    image_size = stride * height
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + image_size, 0, 0, 14 + 40)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size,
                              pixels_per_metre, pixels_per_metre, 0, 0)
    raw = image.tobytes("raw", "BGR")
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows run bottom-up
        rows.append(raw[y * row_bytes:(y + 1) * row_bytes] + b"\0" * padding)
    with open(path, "wb") as out:
        out.write(file_header + info_header + b"".join(rows))


def write_png(path, image):
    """Writes a PNG without time stamps or other varying chunks."""
    image.save(path, format="PNG", optimize=False, compress_level=9)


def coverage(width, height, scale, paint):
    """Anti-aliased coverage mask ('L') of shapes given in design units.

    paint(draw, k) draws white shapes on a supersampled canvas, where k converts
    design units to canvas pixels; the mask has width*scale by height*scale pixels.
    """
    return coverage_px(width * scale, height * scale, scale, paint)


def coverage_px(width, height, unit, paint):
    """As coverage(), for a mask of width x height pixels and unit pixels per design unit."""
    big = Image.new("L", (width * SUPERSAMPLE, height * SUPERSAMPLE), 0)
    paint(ImageDraw.Draw(big), unit * SUPERSAMPLE)
    return big.reduce(SUPERSAMPLE)


def rounded_rect(draw, k, left, top, right, bottom, radius):
    """Fills a rounded rectangle whose edges lie at the given design coordinates."""
    draw.rounded_rectangle(
        (round(left * k), round(top * k), round(right * k) - 1, round(bottom * k) - 1),
        radius=round(radius * k), fill=255)


def polygon(draw, k, points):
    draw.polygon([(x * k, y * k) for x, y in points], fill=255)


def interpolate(stops, t):
    """Piecewise-linear colour at position t; stops are (position, (r, g, b))."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            f = (t - t0) / (t1 - t0) if t1 > t0 else 1.0
            return tuple(a + (b - a) * f for a, b in zip(c0, c1))
    return stops[-1][1]


def field(width, height, colour_at):
    """An RGB image whose pixel (x, y) has colour colour_at(x + 0.5, y + 0.5)."""
    data = bytearray()
    for y in range(height):
        for x in range(width):
            r, g, b = colour_at(x + 0.5, y + 0.5)
            data += bytes((clamp(r), clamp(g), clamp(b)))
    return Image.frombytes("RGB", (width, height), bytes(data))


def clamp(value):
    return max(0, min(255, int(round(value))))


def paint(canvas, mask, colour, offset=(0, 0)):
    """Composites a solid colour (or an RGB image of the mask's size) through mask."""
    if isinstance(colour, tuple):
        colour = Image.new("RGB", mask.size, colour)
    canvas.paste(colour, offset, mask)


def font(path, size):
    return ImageFont.truetype(path, size, layout_engine=ImageFont.Layout.RAQM)


def text_mask(path, size, text):
    """The ink of a shaped text run as an 'L' mask cropped to its bounding box."""
    f = font(path, size)
    raw = f.getmask(text, mode="L")
    mask = Image.frombytes("L", raw.size, bytes(raw))
    box = mask.getbbox()
    return mask.crop(box) if box else mask


def pixel_art(rows):
    """A mask from rows of '#' (ink), '+', '-' (part ink) and '.' (none)."""
    levels = {"#": 255, "+": 170, "-": 90, ".": 0}
    lines = rows.strip().split("\n")
    mask = Image.new("L", (len(lines[0]), len(lines)), 0)
    mask.putdata([levels[c] for line in lines for c in line])
    return mask


def sharpen(mask, low=40, high=200):
    """Steepens the grey ramp of anti-aliased edges so that small glyphs stay crisp."""
    span = high - low
    table = [0 if v <= low else 255 if v >= high else (v - low) * 255 // span
             for v in range(256)]
    return mask.point(table)


def centred(outer, inner, origin=(0, 0)):
    """Integer offset that centres a box of size inner inside outer (rounded down)."""
    return (origin[0] + (outer[0] - inner[0]) // 2, origin[1] + (outer[1] - inner[1]) // 2)
