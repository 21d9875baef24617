#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks the drawn key pictures and icons: file format, exact sizes at every density, that a
key's normal and highlight pictures carry their glyph in the same place, and that each vector
picture is an SVG of its key's size that needs no font.

Usage: /usr/bin/python3 tools/check_assets.py --layout build/test/layout.json [ASSETS_DIR]
(exit status 1 on a fault)
"""

import argparse
import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import iconart  # noqa: E402
import keyart  # noqa: E402
import keysvg  # noqa: E402


def bmp_faults(path, width, height):
    """Header faults of a file that must be a 24-bit, uncompressed, palette-free BMP."""
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 54 or data[:2] != b"BM":
        return ["not a BMP"]
    file_size, offset = struct.unpack_from("<I4xI", data, 2)
    (header, w, h, planes, bits, compression, _, _, _, colours_used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    stride = (w * 3 + 3) // 4 * 4
    checks = [
        (header == 40, "info header of %d bytes" % header),
        ((w, h) == (width, height), "size %dx%d, want %dx%d" % (w, h, width, height)),
        (planes == 1 and bits == 24, "%d bits per pixel" % bits),
        (compression == 0, "compression %d" % compression),
        (colours_used == 0 and offset == 54, "has a palette"),
        (file_size == len(data) == 54 + stride * abs(h), "file size %d" % len(data)),
    ]
    return [message for ok, message in checks if not ok]


def exact_ink(image, colour):
    """Pixels of exactly the glyph's colour: those the glyph covers fully."""
    width = image.width
    return {(i % width, i // width) for i, p in enumerate(image.getdata()) if p == colour}


def check_keys(keys_dir, layout):
    faults = []
    for key in keyart.keys(layout):
        for scale in keyart.SCALES:
            width, height = key.size[0] * scale, key.size[1] * scale
            pair = []
            for highlight in (False, True):
                name = keyart.file_name(key.image + highlight, scale)
                path = os.path.join(keys_dir, name)
                if not os.path.exists(path):
                    faults.append("%s: missing" % name)
                    break
                faults += ["%s: %s" % (name, m) for m in bmp_faults(path, width, height)]
                ink = keyart.QUIT_RED if highlight and key.glyph == "quit" else keyart.BLACK
                pair.append(exact_ink(Image.open(path).convert("RGB"), ink))
            if len(pair) == 2:
                name = keyart.file_name(key.image, scale)
                if not pair[0]:
                    faults.append("%s: no glyph" % name)
                elif pair[0] != pair[1]:
                    faults.append("%s: glyph differs from its highlight picture" % name)
                else:
                    xs = [x for x, _ in pair[0]]
                    ys = [y for _, y in pair[0]]
                    print("%-16s glyph core %2dx%-3d at %d,%d" % (
                        name, max(xs) - min(xs) + 1, max(ys) - min(ys) + 1, min(xs), min(ys)))
    return faults


def svg_faults(path, width, height):
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as error:
        return ["not XML: %s" % error]
    size = (root.get("width"), root.get("height"), root.get("viewBox"))
    checks = [
        (root.tag == "{http://www.w3.org/2000/svg}svg", "not an SVG"),
        (size == (str(width), str(height), "0 0 %d %d" % (width, height)), "size %s" % (size,)),
        (not any(e.tag.endswith(("}text", "}image", "}use")) for e in root.iter()),
         "draws text or other files: the lettering must be paths"),
    ]
    return [message for ok, message in checks if not ok]


def check_vectors(keys_dir, layout):
    faults = []
    for key in keyart.keys(layout):
        for image in (key.image, key.image + 1):
            name = keysvg.file_name(image)
            path = os.path.join(keys_dir, name)
            if not os.path.exists(path):
                faults.append("%s: missing" % name)
                continue
            faults += ["%s: %s" % (name, m) for m in svg_faults(path, *key.size)]
    return faults


def check_icons(icons_dir):
    faults = []
    for size in iconart.SIZES:
        name = iconart.file_name(size)
        path = os.path.join(icons_dir, name)
        if not os.path.exists(path):
            faults.append("%s: missing" % name)
            continue
        icon = Image.open(path)
        if icon.format != "PNG" or icon.mode != "RGBA" or icon.size != (size, size):
            faults.append("%s: %s %s %s" % (name, icon.format, icon.mode, icon.size))
            continue
        # The corner pixel may catch a trace of the anti-aliased rounding.
        if icon.getpixel((0, 0))[3] > 16 or icon.getpixel((size // 2, size // 2))[3] != 255:
            faults.append("%s: corners must be clear and the square opaque" % name)
    for kind, size, _ in iconart.FULL_BLEED:
        name = iconart.file_name(size, kind)
        path = os.path.join(icons_dir, name)
        icon = Image.open(path) if os.path.exists(path) else None
        if not icon or icon.format != "PNG" or icon.mode != "RGB" or icon.size != (size, size):
            faults.append("%s: missing, or not an opaque PNG of %d pixels" % (name, size))
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--layout", required=True, help="layout.json of a build")
    parser.add_argument("assets", nargs="?", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), os.pardir, "assets"))
    args = parser.parse_args()
    keys_dir = os.path.join(args.assets, "keys")
    faults = (check_keys(keys_dir, args.layout) + check_vectors(keys_dir, args.layout)
              + check_icons(os.path.join(args.assets, "icons")))
    for fault in faults:
        print("FAULT", fault)
    print("%d faults" % len(faults))
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
