#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes key pictures (24-bit BMP files) as PNG files of the same pixels, for a program that
carries its dense pictures compressed: a fifth to a tenth of the bitmaps' size. Standard
library only; the same input gives the same bytes.

Usage: png_pictures.py OUTPUT_DIR PICTURE.bmp ...   (writes OUTPUT_DIR/PICTURE.png)
"""

import os
import sys

from bitmaps import read_bmp, write_png


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for path in sys.argv[2:]:
        name = os.path.splitext(os.path.basename(path))[0] + ".png"
        write_png(os.path.join(out, name), *read_bmp(path))


if __name__ == "__main__":
    main()
