#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the web calculator's site: the page with the window's controls placed from the key
table (layout.json) and its sizes, colours and fonts as the style's variables, sprite sheets of
the key pictures (normal and lit) as bitmaps at 1x and 2x and as vector drawings, the display
font, the icons, the web app manifest in every language of the catalogues, the install
prompt's screenshots, the program (varnik.js and varnik.wasm) and a service worker that keeps
every file of the site for offline use. Standard library only, and the same inputs give the
same bytes.

Usage: make_site.py --layout layout.json --assets assets --web web --program varnik.js
                    --template po/varnik-calculator.pot --catalogues DIR_OF_MO_FILES
                    --app-id ID --out DIR
"""

import argparse
import ast
import glob
import hashlib
import html
import json
import os
import re
import shutil
import string

from bitmaps import read_bmp, write_png
from brand import GREEN
from make_catalogue import read_mo

GAP = 1  # pixels between the pictures of the sprite sheet
FONT_FILE = "ZelvikNormal.ttf"
# The key pictures' bitmaps the page uses (Image1.bmp, Image1@2x.bmp …), drawn for their pixel
# grid and at 1x the described pictures exactly: on screens of about their density, while the
# window is at most its own size. Scaled up, the window's keys come from the vector drawings
# (Image1.svg …), sharp at any scale and smaller than the 2x sheet.
DENSITIES = (1, 2)
# Screens' device pixels per CSS pixel, as steps: a screen between two is taken as the higher.
SCREEN_DENSITIES = (1, 1.25, 1.5, 2, 2.5, 3, 4)
# The sheets: the normal pictures, which the first paint shows, and the highlights.
SHEETS = (("keys", "normalImage"), ("lit", "highlightImage"))
# The icons: (file in the site, file in assets/icons); the maskable ones fill their square, with
# everything that matters inside the middle circle that a phone's mask always keeps.
ICONS = {"icon-32.png": "varnik-calculator-32.png", "icon-192.png": "varnik-calculator-192.png",
         "icon-512.png": "varnik-calculator-512.png",
         "icon-maskable-192.png": "varnik-calculator-maskable-192.png",
         "icon-maskable-512.png": "varnik-calculator-maskable-512.png",
         "apple-touch-icon.png": "varnik-calculator-apple-touch-180.png"}
# The screenshots an install prompt shows: (file in assets/screenshots, form factor).
SCREENSHOTS = (("narrow.png", "narrow"), ("wide.png", "wide"))


def hex_colour(rgb):
    return "#" + "".join(f"{part:02x}" for part in rgb)


def sprite_places(keys):
    """Where each key's pictures lie on the 1x sheets, one key under the other: the normal
    pictures on one sheet, the highlights in the same places on another, which the first
    paint does not need. Returns ({key's normal image: (x, y)}, width, height)."""
    places, y = {}, 0
    for key in keys:
        places[key["normalImage"]] = (0, y)
        y += key["pixels"][3] + GAP
    return places, max(key["pixels"][2] for key in keys), y - GAP


def suffix(density):
    return "" if density == 1 else f"@{density}x"


def write_sprites(keys, assets, background, out):
    """keys.png and lit.png, and their denser twins keys@2x.png and lit@2x.png, on the
    window's background."""
    places, width, height = sprite_places(keys)
    pixel = bytes.fromhex(background.lstrip("#"))
    for sheet, picture in SHEETS:
        for scale in DENSITIES:
            canvas = [bytearray(pixel * (width * scale)) for _ in range(height * scale)]
            for key in keys:
                x, y = places[key["normalImage"]]
                name = f"Image{key[picture]}{suffix(scale)}.bmp"
                w, h, rows = read_bmp(os.path.join(assets, "keys", name))
                for row in range(h):
                    canvas[y * scale + row][3 * x * scale:3 * (x * scale + w)] = rows[row]
            write_png(os.path.join(out, f"{sheet}{suffix(scale)}.png"), width * scale,
                      height * scale, [bytes(row) for row in canvas])
    return places, width, height


def vector_picture(path, prefix, x, y):
    """One key's drawing as a part of a sheet: at (x, y), clipped to its size, its ids made
    its own."""
    with open(path, encoding="utf-8") as file:
        drawing = re.fullmatch(r"\s*<svg ([^>]*)>(.*)</svg>\s*", file.read(), re.S)
    attributes, body = drawing.groups()
    attributes = re.sub(r'\s*xmlns="[^"]*"', "", attributes).strip()
    body = re.sub(r'(id="|url\(#|href="#)', rf"\g<1>{prefix}", body)
    return f'<svg x="{x}" y="{y}" {attributes}>{body}</svg>'


def write_vector_sprites(keys, assets, places, width, height, out):
    """keys.svg and lit.svg: the vector drawings in the places the bitmaps have on the 1x
    sheets, so that one style serves both."""
    for sheet, picture in SHEETS:
        parts = [vector_picture(os.path.join(assets, "keys", f"Image{key[picture]}.svg"),
                                f"i{key[picture]}-", *places[key["normalImage"]]) for key in keys]
        with open(os.path.join(out, f"{sheet}.svg"), "w", encoding="utf-8") as file:
            file.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
                       f'viewBox="0 0 {width} {height}">\n' + "\n".join(parts) + "\n</svg>\n")


def needs_at_most(density, window):
    """A media query true where the window's pictures are drawn with at most `density` screen
    pixels per picture pixel (the screen's density times the window's scale, which is the
    smaller of the viewport's width and height over the window's) on a screen of more than
    half that density."""
    width, height = window
    queries = []
    for screen in (s for s in SCREEN_DENSITIES if density / 2 < s <= density):
        for side, size in (("width", width), ("height", height)):
            queries.append(f"(max-resolution:{screen}dppx) and "
                           f"(max-{side}:{size * density / screen:g}px)")
    return ",".join(queries)


def sheet_rules(window):
    """The sheets the page loads: the vector drawings by default, and each bitmap where it is
    dense enough, so that a key is never drawn from fewer picture pixels than screen pixels.
    The choice is the style's own, so the pictures load beside the program, not after it; the
    lit sheet loads once the calculator is on the screen (#Form1.painted)."""
    def rule(ending):
        return (f".key{{background-image:url(keys{ending})}}"
                f".key.lit{{background-image:url(lit{ending})}}"
                f"#Form1.painted::after{{content:url(lit{ending})}}")
    return [rule(".svg")] + [f"@media {needs_at_most(d, window)}{{{rule(suffix(d) + '.png')}}}"
                             for d in sorted(DENSITIES, reverse=True)]


def css_font(font):
    return f"{'bold ' if font['bold'] else ''}{font['points']:g}pt \"{font['family']}\", sans-serif"


def table_style(layout):
    """The window's sizes, colours and fonts from the tables, as the page's style reads them."""
    display, link = layout["display"], layout["link"]
    variables = {
        "window-width": f"{layout['client']['pixels'][2]}px",
        "window-height": f"{layout['client']['pixels'][3]}px",
        "window-background": layout["client"]["background"],
        "display-background": display["background"],
        "display-text": display["textColour"],
        "display-font": css_font(display["font"]),
        "link-rest": link["restColour"],
        "link-font": css_font(link["font"]),
        "mark-inset": f"{layout['focusMarkInset']}px",
        "theme": hex_colour(GREEN),
    }
    font = display["font"]
    return [f'@font-face{{font-family:"{font["family"]}";src:url({FONT_FILE}) format("truetype");'
            f'font-weight:{700 if font["bold"] else 400};font-display:block}}',
            ":root{" + ";".join(f"--{name}:{value}" for name, value in variables.items()) + "}"]


def box(pixels):
    left, top, width, height = pixels
    return f"left:{left}px;top:{top}px;width:{width}px;height:{height}px"


def read_template(web, name):
    with open(os.path.join(web, name), encoding="utf-8") as file:
        return file.read()


def compact_css(style):
    """The style without its comments and runs of white space: the page carries it before the
    first paint."""
    style = re.sub(r"/\*.*?\*/", "", style, flags=re.S)
    style = re.sub(r"\s+", " ", style)
    return re.sub(r"\s*([{};])\s*", r"\1", style).strip()


def compact_js(script):
    """The script without its comment lines and indentation (no string of ours holds "//" at a
    line's start)."""
    lines = (line.strip() for line in script.splitlines())
    return "\n".join(line for line in lines if line and not line.startswith("//"))


def page(layout, places, sheet, texts, web):
    keys = layout["skinKeys"]
    rules = table_style(layout) + sheet_rules(layout["client"]["pixels"][2:])
    rules.append(f".key{{background-size:{sheet[0]}px {sheet[1]}px}}")
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
    # The words the page shows when its program cannot start, in every language: the program,
    # which knows the user's language, is what did not come.
    not_started = {language: [words["page not started"], words["page try again"]]
                   for language, words in texts.items()}
    start_check = string.Template(compact_js(read_template(web, "start_check.js"))).substitute(
        texts=json.dumps(not_started, ensure_ascii=False, sort_keys=True))
    english = texts["en"]
    return string.Template(read_template(web, "page.html")).substitute(
        title=html.escape(layout["caption"]),
        description=html.escape(english["manifest description"]),
        short_name=html.escape(english["manifest short_name"]), theme=hex_colour(GREEN),
        style=compact_css(read_template(web, "page.css")) + "\n" + "\n".join(rules),
        client="width:{2}px;height:{3}px".format(*layout["client"]["pixels"]),
        display=box(layout["display"]["pixels"]),
        link=box(layout["link"]["pixels"]) + f";line-height:{layout['link']['pixels'][3]}px",
        link_caption=html.escape(layout["link"]["caption"]),
        controls="\n".join(markup), not_started=html.escape(english["page not started"]),
        try_again=html.escape(english["page try again"]), start_check=start_check)


# The catalogue's texts the site writes: the page's own and the manifest's fields.
SITE_CONTEXTS = ("page ", "manifest ")


def site_texts(template):
    """{context: English text} of the catalogue's entries whose context names a place of the
    site ("page not started", "manifest name" …), read from the template."""
    texts, entry, field = {}, {}, None
    with open(template, encoding="utf-8") as file:
        for line in file.read().splitlines() + [""]:
            keyword, _, rest = line.partition(" ")
            if keyword in ("msgctxt", "msgid", "msgstr"):
                field = keyword
                entry[field] = ast.literal_eval(rest)
            elif line.startswith('"') and field:
                entry[field] += ast.literal_eval(line)
            elif not line:
                context = entry.get("msgctxt", "")
                if context.startswith(SITE_CONTEXTS):
                    texts[context] = entry["msgid"]
                entry, field = {}, None
    return texts


def translated(english, translations):
    return {context: translations.get((context.encode(), text.encode()), text.encode()).decode()
            for context, text in english.items()}


def manifest(language, texts, app_id, background, screenshots):
    fields = {context.split(" ", 1)[1]: text for context, text in texts.items()
              if context.startswith("manifest ")}
    icons = [{"src": f"icon-{size}.png", "sizes": f"{size}x{size}", "type": "image/png",
              "purpose": "any"} for size in (192, 512)]
    icons += [{"src": f"icon-maskable-{size}.png", "sizes": f"{size}x{size}", "type": "image/png",
               "purpose": "maskable"} for size in (192, 512)]
    return json.dumps(dict(fields, **{
        # The same app in every language, wherever the site lies on its host.
        "id": app_id,
        "lang": language,
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": background,
        "theme_color": hex_colour(GREEN),
        "icons": icons,
        "screenshots": screenshots,
    }), ensure_ascii=False, indent=2) + "\n"


def png_size(path):
    with open(path, "rb") as file:
        head = file.read(24)
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def copy_screenshots(assets, out):
    """The install prompt's screenshots, copied into the site, as the manifest lists them."""
    listed = []
    for name, form_factor in SCREENSHOTS:
        source = os.path.join(assets, "screenshots", name)
        target = f"screenshot-{name}"
        shutil.copyfile(source, os.path.join(out, target))
        width, height = png_size(source)
        listed.append({"src": target, "sizes": f"{width}x{height}", "type": "image/png",
                       "form_factor": form_factor})
    return listed


def service_worker(web, out, files):
    """The service worker with the site's files and a version that changes with any of them."""
    digest = hashlib.sha256()
    for name in files:
        with open(os.path.join(out, name), "rb") as file:
            digest.update(name.encode() + b"\0" + file.read())
    return string.Template(read_template(web, "service_worker.js")).substitute(
        version=digest.hexdigest()[:16], files=json.dumps(["./"] + files))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("layout", "assets", "web", "program", "template", "catalogues", "app-id",
                   "out"):
        parser.add_argument(f"--{option}", required=True)
    args = parser.parse_args()
    with open(args.layout, encoding="utf-8") as file:
        layout = json.load(file)
    if os.path.isdir(args.out):
        shutil.rmtree(args.out)
    os.makedirs(args.out)

    english = site_texts(args.template)
    texts = {"en": english}
    for mo in sorted(glob.glob(os.path.join(args.catalogues, "*.mo"))):
        texts[os.path.splitext(os.path.basename(mo))[0]] = translated(english, read_mo(mo))

    keys = layout["skinKeys"]
    places, width, height = write_sprites(keys, args.assets, layout["client"]["background"],
                                          args.out)
    write_vector_sprites(keys, args.assets, places, width, height, args.out)
    shutil.copyfile(os.path.join(args.assets, "fonts", FONT_FILE),
                    os.path.join(args.out, FONT_FILE))
    for name, source in ICONS.items():
        shutil.copyfile(os.path.join(args.assets, "icons", source), os.path.join(args.out, name))
    screenshots = copy_screenshots(args.assets, args.out)
    program = os.path.dirname(args.program)
    for name in ("varnik.js", "varnik.wasm"):
        shutil.copyfile(os.path.join(program, name), os.path.join(args.out, name))
    with open(os.path.join(args.out, "index.html"), "w", encoding="utf-8") as file:
        file.write(page(layout, places, (width, height), texts, args.web))
    # One manifest a language: English, then one for each catalogue; the page picks its own.
    for language, words in texts.items():
        name = "manifest.webmanifest" if language == "en" else f"manifest.{language}.webmanifest"
        with open(os.path.join(args.out, name), "w", encoding="utf-8") as file:
            file.write(manifest(language, words, args.app_id, layout["client"]["background"],
                                screenshots))

    files = sorted(os.listdir(args.out))
    with open(os.path.join(args.out, "service-worker.js"), "w", encoding="utf-8") as file:
        file.write(service_worker(args.web, args.out, files))


if __name__ == "__main__":
    main()
