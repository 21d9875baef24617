#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the web calculator's site: the page with the window's controls placed from the key
table (layout.json), sprite sheets of the key pictures (normal and lit, at 1x and 2x), the
display font, the icons, the web app manifest in every language of the catalogues, the program
(varnik.js and varnik.wasm) and a service worker that keeps every file of the site for
offline use. Standard library only, and the same inputs give the same bytes.

Usage: make_site.py --layout layout.json --assets assets --web web --program varnik.js
                    --template po/varnik-calculator.pot --catalogues DIR_OF_MO_FILES --out DIR
"""

import argparse
import glob
import hashlib
import html
import json
import os
import shutil
import string

from bitmaps import read_bmp, write_png
from make_catalogue import read_mo

CREAM = "rgb(244, 244, 227)"
GAP = 1  # pixels between the pictures of the sprite sheet


def sprite_places(keys):
    """Where each key's pictures lie on the 1x sheets, one key under the other: the normal
    pictures on one sheet, the highlights in the same places on another, which the first
    paint does not need. Returns ({key's normal image: (x, y)}, width, height)."""
    places, y = {}, 0
    for key in keys:
        places[key["normalImage"]] = (0, y)
        y += key["pixels"][3] + GAP
    return places, max(key["pixels"][2] for key in keys), y - GAP


def write_sprites(keys, assets, out):
    """keys.png and lit.png, and their twice-as-dense twins keys@2x.png and lit@2x.png."""
    places, width, height = sprite_places(keys)
    for sheet, picture in (("keys", "normalImage"), ("lit", "highlightImage")):
        for scale, suffix in ((1, ""), (2, "@2x")):
            canvas = [bytearray(b"\xf4\xf4\xe3" * (width * scale)) for _ in range(height * scale)]
            for key in keys:
                x, y = places[key["normalImage"]]
                name = f"Image{key[picture]}{suffix}.bmp"
                w, h, rows = read_bmp(os.path.join(assets, "keys", name))
                for row in range(h):
                    canvas[y * scale + row][3 * x * scale:3 * (x * scale + w)] = rows[row]
            write_png(os.path.join(out, f"{sheet}{suffix}.png"), width * scale, height * scale,
                      [bytes(row) for row in canvas])
    return places, width, height


def box(pixels):
    left, top, width, height = pixels
    return f"left:{left}px;top:{top}px;width:{width}px;height:{height}px"


def page(layout, places, sheet, web):
    keys = layout["skinKeys"]
    rules = [f".key{{background-size:{sheet[0]}px {sheet[1]}px}}"]
    markup = []
    for key in keys:
        x, y = places[key["normalImage"]]
        name = f"Image{key['normalImage']}"
        rules.append(f"#{name}{{{box(key['pixels'])};background-position:{-x}px {-y}px}}")
        markup.append(f'<div class="key" id="{name}" role="button" '
                      f'aria-label="{html.escape(key["name"])}"></div>')
    # The hidden buttons in tab order: never seen (the window clips them), but they take the
    # keyboard's focus.
    for button in sorted(layout["commandButtons"], key=lambda b: b["tabIndex"]):
        markup.append(f'<button class="cmd" id="{button["name"]}" '
                      f'style="{box(button["pixels"])}">{html.escape(button["caption"])}</button>')
    with open(os.path.join(web, "page.html"), encoding="utf-8") as file:
        template = string.Template(file.read())
    with open(os.path.join(web, "page.css"), encoding="utf-8") as file:
        style = file.read()
    return template.substitute(
        title=html.escape(layout["caption"]), style=style + "\n".join(rules),
        client="width:{2}px;height:{3}px".format(*layout["client"]["pixels"]),
        display=box(layout["display"]["pixels"]),
        link=box(layout["link"]["pixels"]), link_caption=html.escape(layout["link"]["caption"]),
        controls="\n".join(markup))


# The manifest's texts in English, as window/texts.h marks them for translation.
MANIFEST_TEXTS = {"name": "Varnik Calculator", "short_name": "Varnik",
                  "description": "A calculator whose display and keypad speak Bengali digits."}


def check_marked(template):
    """Fails unless every English text of the manifest is a text of the catalogues."""
    with open(template, encoding="utf-8") as file:
        msgids = set(line[len('msgid "'):-1] for line in file.read().splitlines()
                     if line.startswith('msgid "'))
    missing = [text for text in MANIFEST_TEXTS.values() if text not in msgids]
    if missing:
        raise SystemExit(f"make_site.py: not in {template}: {missing}")


def manifest(language, translations):
    texts = {field: translations.get((b"", text.encode()), text.encode()).decode()
             for field, text in MANIFEST_TEXTS.items()}
    return json.dumps(dict(texts, **{
        "lang": language,
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": "#f4f4e3",
        "theme_color": "#147c38",
        "icons": [{"src": f"icon-{size}.png", "sizes": f"{size}x{size}", "type": "image/png",
                   "purpose": "any"} for size in (192, 512)],
    }), ensure_ascii=False, indent=2) + "\n"


def service_worker(web, out, files):
    """The service worker with the site's files and a version that changes with any of them."""
    digest = hashlib.sha256()
    for name in files:
        with open(os.path.join(out, name), "rb") as file:
            digest.update(name.encode() + b"\0" + file.read())
    with open(os.path.join(web, "service_worker.js"), encoding="utf-8") as file:
        template = string.Template(file.read())
    return template.substitute(version=digest.hexdigest()[:16],
                               files=json.dumps(["./"] + files))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("layout", "assets", "web", "program", "template", "catalogues", "out"):
        parser.add_argument(f"--{option}", required=True)
    args = parser.parse_args()
    with open(args.layout, encoding="utf-8") as file:
        layout = json.load(file)
    if os.path.isdir(args.out):
        shutil.rmtree(args.out)
    os.makedirs(args.out)

    places, width, height = write_sprites(layout["skinKeys"], args.assets, args.out)
    shutil.copyfile(os.path.join(args.assets, "fonts", "ZelvikNormal.ttf"),
                    os.path.join(args.out, "ZelvikNormal.ttf"))
    for size in (32, 192, 512):
        shutil.copyfile(os.path.join(args.assets, "icons", f"varnik-calculator-{size}.png"),
                        os.path.join(args.out, f"icon-{size}.png"))
    program = os.path.dirname(args.program)
    for name in ("varnik.js", "varnik.wasm"):
        shutil.copyfile(os.path.join(program, name), os.path.join(args.out, name))
    with open(os.path.join(args.out, "index.html"), "w", encoding="utf-8") as file:
        file.write(page(layout, places, (width, height), args.web))
    # One manifest a language: English, then one for each catalogue; the page picks its own.
    check_marked(args.template)
    manifests = {"manifest.webmanifest": manifest("en", {})}
    for mo in sorted(glob.glob(os.path.join(args.catalogues, "*.mo"))):
        language = os.path.splitext(os.path.basename(mo))[0]
        manifests[f"manifest.{language}.webmanifest"] = manifest(language, read_mo(mo))
    for name, text in manifests.items():
        with open(os.path.join(args.out, name), "w", encoding="utf-8") as file:
            file.write(text)

    files = sorted(os.listdir(args.out))
    with open(os.path.join(args.out, "service-worker.js"), "w", encoding="utf-8") as file:
        file.write(service_worker(args.web, args.out, files))


if __name__ == "__main__":
    main()
