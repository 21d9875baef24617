#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Draws the skin keypad's 36 key pictures (bitmaps at 1x, 2x, 3x and 4x, and vector
drawings) and the window icon (also in the web app's maskable and home-screen forms).

Debian packages: python3 (run with /usr/bin/python3), python3-pil (built with
libraqm for Bengali shaping), fonts-noto-core (Noto Sans and Noto Sans Bengali),
python3-fonttools and libharfbuzz-bin (the vector pictures' lettering).

Usage: /usr/bin/python3 tools/draw_assets.py --layout build/test/layout.json [--out DIR]
Writes DIR/keys/Image1.bmp ... Image36.bmp, the same at 2x, 3x and 4x (Image1@2x.bmp ...
Image36@4x.bmp), Image1.svg ... Image36.svg, DIR/icons/varnik-calculator-<size>.png and the
web app's varnik-calculator-maskable-<size>.png and varnik-calculator-apple-touch-180.png; DIR
defaults to the repository's assets/. The keys,
their picture numbers and sizes come from the window's tables, as the build writes them to
layout.json.
Running it again gives byte-identical files.
"""

import argparse
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import features  # noqa: E402

import assetlib  # noqa: E402
import iconart  # noqa: E402
import keyart  # noqa: E402
import keysvg  # noqa: E402

DEFAULT_OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "assets")

# Pixels per metre recorded in the BMP header: 96 dpi at 1x, 192 dpi at 2x ...
PIXELS_PER_METRE = {scale: round(96 * scale / 0.0254) for scale in keyart.SCALES}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--layout", required=True, help="layout.json of a build")
    parser.add_argument("--out", default=DEFAULT_OUT, help="assets directory to write into")
    args = parser.parse_args()

    if not features.check("raqm"):
        sys.exit("python3-pil lacks raqm text shaping; the Bengali words would be wrong")
    for path in (assetlib.BENGALI_BOLD, assetlib.BENGALI_REGULAR, assetlib.LATIN_BOLD):
        if not os.path.exists(path):
            sys.exit("missing font %s (Debian package fonts-noto-core)" % path)
    if not shutil.which("hb-shape"):
        sys.exit("missing hb-shape, which shapes the vector pictures' lettering "
                 "(Debian package libharfbuzz-bin)")

    keys_dir = os.path.join(args.out, "keys")
    icons_dir = os.path.join(args.out, "icons")
    os.makedirs(keys_dir, exist_ok=True)
    os.makedirs(icons_dir, exist_ok=True)

    count = 0
    for name, scale, image in keyart.pictures(keyart.keys(args.layout)):
        assetlib.write_bmp24(os.path.join(keys_dir, name), image, PIXELS_PER_METRE[scale])
        count += 1
    for name, text in keysvg.pictures(keyart.keys(args.layout)):
        with open(os.path.join(keys_dir, name), "w", encoding="utf-8", newline="\n") as file:
            file.write(text)
        count += 1
    for name, image in iconart.icons():
        assetlib.write_png(os.path.join(icons_dir, name), image)
        count += 1
    print("wrote %d files under %s" % (count, os.path.normpath(args.out)))


if __name__ == "__main__":
    main()
