# SPDX-License-Identifier: MIT
"""The key pictures' files: reading uncompressed 24-bit BMPs and writing plain PNGs, with the
standard library only. The site's builder and the end-to-end tests both read the pictures."""

import struct
import zlib


def read_bmp(path):
    """An uncompressed 24-bit BMP as (width, height, rows of RGB bytes), top row first."""
    with open(path, "rb") as file:
        data = file.read()
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    if data[:2] != b"BM" or int.from_bytes(data[28:30], "little") != 24:
        raise ValueError(f"{path}: not a 24-bit BMP")
    stride = (3 * width + 3) // 4 * 4
    rows = []
    for row in range(abs(height)):
        stored = abs(height) - 1 - row if height > 0 else row  # bottom-up unless negative
        start = offset + stored * stride
        bgr = data[start:start + 3 * width]
        rows.append(bytes(b for i in range(0, len(bgr), 3) for b in bgr[i:i + 3][::-1]))
    return width, abs(height), rows


def write_png(path, width, height, rows):
    """An 8-bit RGB PNG, no filters, no time stamp."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height,
                                                                       8, 2, 0, 0, 0))
                   + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
