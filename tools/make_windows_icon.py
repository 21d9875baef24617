#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the Windows program's icon file from the icon art in assets/icons/.

The .ico holds 16, 24, 32 and 48 pixel images as 32-bit bitmaps with an AND mask (what every
Windows version reads) and the 256 pixel image as the PNG file itself (as Windows expects at
that size). Standard library only; the same input gives the same bytes.

Usage: make_windows_icon.py ICONS_DIR OUTPUT.ico
"""

import struct
import sys
import zlib
from pathlib import Path

SIZES = (16, 24, 32, 48, 256)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read_png_rgba(data):
    """Rows of RGBA bytes of an 8-bit RGBA, non-interlaced PNG."""
    if data[:8] != PNG_SIGNATURE:
        raise ValueError("not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError("only 8-bit RGBA, non-interlaced PNG files are read")
    raw = zlib.decompress(idat)
    stride, bpp = 4 * width, 4
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            left = line[x - bpp] if x >= bpp else 0
            up = previous[x]
            corner = previous[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[x] = (line[x] + predictor) & 0xFF
            elif kind != 0:
                raise ValueError(f"unknown PNG filter {kind}")
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def bitmap_image(width, height, rows):
    """An icon image as a DIB: the header (height doubled for the mask), BGRA bottom-up, and a
    1-bit AND mask that marks the fully transparent pixels."""
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(
        bytes(row[x + i] for x in range(0, len(row), 4) for i in (2, 1, 0, 3))
        for row in reversed(rows))
    mask_stride = (width + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(width):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make_windows_icon.py ICONS_DIR OUTPUT.ico")
    icons, output = Path(argv[1]), Path(argv[2])
    images = []
    for size in SIZES:
        png = (icons / f"varnik-calculator-{size}.png").read_bytes()
        width, height, rows = read_png_rgba(png)
        if (width, height) != (size, size):
            raise ValueError(f"varnik-calculator-{size}.png is {width}x{height}")
        images.append((size, png if size >= 256 else bitmap_image(width, height, rows)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        # A width or height of 256 is written as 0.
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data),
                                 offset)
        offset += len(data)
    output.write_bytes(directory + b"".join(data for _, data in images))


if __name__ == "__main__":
    main(sys.argv)
