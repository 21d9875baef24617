#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Takes the README's screenshot of the Windows program under Wine, on a private Xvfb and Wine
prefix: types a number on the skin keypad (the keys' places read from the tables' layout.json),
leaves the pointer resting on a key and captures the client area, as the Linux screenshot
shows it (without a window manager, Wine draws a title bar of its own with stand-in glyphs).

Usage: tools/wine_screenshot.py PROGRAM.exe PROBE.exe LAYOUT.json OUTPUT.png
(build/windows/win32/varnik-calculator.exe, build/windows/tests/wine/probe.exe, the layout.json
of a Linux build; needs the packages of scripts/install-deps.sh windows)
"""

import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "wine"))
import wine_harness as harness  # noqa: E402

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")


def main(program, probe, layout_file, output):
    with open(layout_file, encoding="utf-8") as file:
        layout = json.load(file)
    centres, corners = {}, {}
    for key in layout["skinKeys"]:
        left, top, width, height = key["pixels"]
        centres[key["action"]] = (left + width // 2, top + height // 2)
        corners[key["action"]] = (left, top, key["highlightImage"])
    with harness.Desktop(probe, layout["caption"]) as desktop:
        window = desktop.start(program)
        for key in "1971.25":
            window.click(*centres[key])
        harness.poll_equal("the display", window.display_text, " 1971.25")
        window.click(*centres["*"])
        window.move(*centres["8"])
        left, top, image = corners["8"]
        lit = harness.Image.from_bmp(os.path.join(ASSETS, "keys", f"Image{image}.bmp"))
        harness.poll("the eight key to light up",
                     lambda: window.client_shot().differing(lit, left, top) == 0)
        x, y, width, height = window.window["client"]
        subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                        "+repage", "-define", "png:exclude-chunks=date,time", output],
                       env=desktop.env, check=True, timeout=20)
        window.end()
    print(f"wrote {output}")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
