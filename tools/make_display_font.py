#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Builds the display font "Zelvik Normal" Bold and its licence file.

The display's text stays ASCII; this font draws "0".."9" as the Bengali digits
U+09E6..U+09EF. Glyphs come from Debian's fonts-noto-core: the digits, ".", "-",
"+" and space from the Bengali bold face, "e" and "E" (exponent notation) from
the Latin bold face. Output is byte-identical on every run for the same sources.

Usage: /usr/bin/python3 tools/make_display_font.py [--out-dir DIR]
Needs the Debian packages python3-fonttools and fonts-noto-core.
"""

import argparse
import copy
import io
import os
import re
import sys
import textwrap

from fontTools import subset
from fontTools.misc.timeTools import timestampFromString
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4

NOTO_DIR = "/usr/share/fonts/truetype/noto"
BENGALI_SOURCE = os.path.join(NOTO_DIR, "NotoSansBengali-Bold.ttf")
LATIN_SOURCE = os.path.join(NOTO_DIR, "NotoSans-Bold.ttf")
DEBIAN_COPYRIGHT = "/usr/share/doc/fonts-noto-core/copyright"

FAMILY = "Zelvik Normal"
STYLE = "Bold"
POSTSCRIPT_NAME = "ZelvikNormal-Bold"
VENDOR_ID = "ZLVK"
# Fixed so that the output does not depend on when it was built.
TIMESTAMP = timestampFromString("Mon Jan  1 00:00:00 2024")

BENGALI_ZERO = 0x09E6
SYMBOLS = [0x20, 0x2B, 0x2D, 0x2E]  # space + - .
LATIN_LETTERS = [0x45, 0x65]  # E e, for results such as 1.23456789e+17

# Line height in font units (UPM 1000): 19 px at 14.25 pt, 96 dpi, which is
# about the text area of the 27 px display once its frame is taken off.
LINE_HEIGHT = 1100


def subset_font(path, unicodes):
    options = subset.Options()
    options.layout_features = []
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "DSIG"]
    # The two sources carry different hinting programs; mixed glyphs would
    # break them, so the font ships unhinted.
    options.hinting = False
    options.notdef_glyph = True
    options.notdef_outline = True
    options.glyph_names = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    font = TTFont(path, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)
    return font


def reload(font):
    buffer = io.BytesIO()
    font.save(buffer)
    buffer.seek(0)
    return TTFont(buffer, recalcTimestamp=False)


def add_latin_glyphs(font, latin):
    latin_cmap = latin.getBestCmap()
    order = font.getGlyphOrder()
    for code in LATIN_LETTERS:
        name = latin_cmap[code]
        if name in order:
            raise SystemExit(f"glyph name {name} already in the Bengali font")
        glyph = copy.deepcopy(latin["glyf"][name])
        if glyph.isComposite():
            raise SystemExit(f"glyph {name} is composite; copy its components too")
        font["glyf"].glyphs[name] = glyph
        font["hmtx"].metrics[name] = latin["hmtx"].metrics[name]
        order.append(name)
    font["glyf"].glyphOrder = order
    font.setGlyphOrder(order)
    return reload(font)


def make_digits_tabular(font, digit_names):
    """Gives every digit the widest digit's advance, outline centred."""
    glyf, hmtx = font["glyf"], font["hmtx"]
    width = max(hmtx.metrics[name][0] for name in digit_names)
    for name in digit_names:
        advance, lsb = hmtx.metrics[name]
        shift = (width - advance) // 2
        glyph = glyf[name]
        if shift and glyph.numberOfContours > 0:
            glyph.coordinates.translate((shift, 0))
            glyph.recalcBounds(glyf)
        hmtx.metrics[name] = (width, lsb + shift)


def build_cmap(font, mapping):
    subtables = []
    for platform, encoding in [(0, 3), (3, 1)]:
        table = cmap_format_4(4)
        table.platformID, table.platEncID, table.language = platform, encoding, 0
        table.cmap = dict(mapping)
        subtables.append(table)
    cmap = newTable("cmap")
    cmap.tableVersion = 0
    cmap.tables = subtables
    font["cmap"] = cmap


def set_vertical_metrics(font, digit_names):
    """Centres the digits' ink in a line of LINE_HEIGHT units."""
    glyf = font["glyf"]
    inked = [glyf[name] for name in font.getGlyphOrder() if glyf[name].numberOfContours]
    for glyph in inked:
        glyph.recalcBounds(glyf)
    digits = [glyf[name] for name in digit_names]
    centre = (min(g.yMin for g in digits) + max(g.yMax for g in digits)) // 2
    ascent = centre + LINE_HEIGHT // 2
    descent = LINE_HEIGHT - ascent
    # Windows clips at usWinAscent/usWinDescent, so they must hold every glyph.
    ascent = max(ascent, max(g.yMax for g in inked))
    descent = max(descent, -min(g.yMin for g in inked))

    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, -descent, 0
    os2.usWinAscent, os2.usWinDescent = ascent, descent
    os2.fsSelection |= 1 << 7  # USE_TYPO_METRICS: the same line on every platform


def set_style(font, mapping):
    os2, head = font["OS/2"], font["head"]
    os2.usWeightClass = 700
    os2.fsSelection = (os2.fsSelection | 1 << 5) & ~(1 << 6 | 1 << 0)  # bold, not regular/italic
    os2.achVendID = VENDOR_ID
    os2.usFirstCharIndex = min(mapping)
    os2.usLastCharIndex = max(mapping)
    os2.recalcUnicodeRanges(font)
    os2.recalcAvgCharWidth(font)
    os2.ulCodePageRange1 = 1  # Latin 1
    os2.ulCodePageRange2 = 0
    head.macStyle = (head.macStyle | 1) & ~2  # bold, not italic
    head.created = head.modified = TIMESTAMP
    font["gasp"].gaspRange = {0xFFFF: 0x000A}  # smoothing at every size, no hints


def copyrights_of(*paths):
    return [TTFont(path, lazy=True)["name"].getDebugName(0) for path in paths]


def set_names(font):
    bengali_name = font["name"]
    version = "Version %.3f" % font["head"].fontRevision
    values = {
        0: " ".join(copyrights_of(BENGALI_SOURCE, LATIN_SOURCE)),
        1: FAMILY,
        2: STYLE,
        3: "%.3f;%s;%s" % (font["head"].fontRevision, VENDOR_ID, POSTSCRIPT_NAME),
        4: f"{FAMILY} {STYLE}",
        5: version,
        6: POSTSCRIPT_NAME,
        10: "Display font of Varnik Calculator: draws the digits 0-9 as Bengali "
            "digits. A Modified Version of fonts under the SIL Open Font License 1.1.",
    }
    kept = {8, 9, 12, 13, 14}  # maker, designer and licence records stay as they are
    records = []
    for record in bengali_name.names:
        if record.nameID in values:
            record.string = values[record.nameID]
        elif record.nameID not in kept:
            continue  # trademark, vendor URL, preferred names: they name the source
        records.append(record)
    bengali_name.names = records
    for record in records:
        if "noto" in record.toUnicode().lower():
            raise SystemExit(f"name {record.nameID} still names the source font")


def build_font():
    digit_codes = list(range(BENGALI_ZERO, BENGALI_ZERO + 10))
    font = subset_font(BENGALI_SOURCE, SYMBOLS + digit_codes)
    latin = subset_font(LATIN_SOURCE, LATIN_LETTERS)
    bengali_cmap = font.getBestCmap()
    latin_cmap = latin.getBestCmap()
    missing = [hex(code) for code in SYMBOLS + digit_codes if code not in bengali_cmap]
    if missing:
        raise SystemExit(f"{BENGALI_SOURCE} lacks {missing}")

    font = add_latin_glyphs(font, latin)
    digit_names = [bengali_cmap[code] for code in digit_codes]
    mapping = {code: bengali_cmap[code] for code in SYMBOLS + digit_codes}
    mapping.update({0x30 + i: name for i, name in enumerate(digit_names)})
    mapping.update({code: latin_cmap[code] for code in LATIN_LETTERS})

    build_cmap(font, mapping)
    make_digits_tabular(font, digit_names)
    set_vertical_metrics(font, digit_names)
    set_style(font, mapping)
    set_names(font)
    buffer = io.BytesIO()
    font.save(buffer)
    return buffer.getvalue()


def ofl_text(font_copyrights):
    """The OFL 1.1 as Debian ships it for fonts-noto-core, with the copyrights."""
    with open(DEBIAN_COPYRIGHT, encoding="utf-8") as handle:
        text = handle.read()
    stanzas = text.split("\n\n")
    licence = next(s for s in stanzas if s.startswith("License: OFL-1.1\n"))
    package = next(s for s in stanzas if s.startswith("Files: *\n"))
    package_years = re.search(r"Copyright:\n((?: .*\n)+)", package + "\n").group(1)

    paragraphs = [[]]
    for line in licence.splitlines()[1:]:
        line = line.strip()
        if line == ".":
            paragraphs.append([])
        else:
            paragraphs[-1].append(line)
    body = "\n\n".join(textwrap.fill(" ".join(p), width=76) for p in paragraphs if p)

    lines = list(font_copyrights)
    lines += ["Copyright " + year.strip() for year in package_years.splitlines()]
    rule = "-" * 60
    return (
        "\n".join(lines) + "\n\n"
        "This Font Software is licensed under the SIL Open Font License, Version 1.1.\n"
        "This license is copied below, and is also available with a FAQ at:\n"
        "http://scripts.sil.org/OFL\n\n"
        f"{rule}\nSIL OPEN FONT LICENSE Version 1.1 - 26 February 2007\n{rule}\n\n"
        + body + "\n"
    )


def write_if_changed(path, data):
    try:
        with open(path, "rb") as handle:
            if handle.read() == data:
                return
    except FileNotFoundError:
        pass
    with open(path, "wb") as handle:
        handle.write(data)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(root, "assets", "fonts"))
    args = parser.parse_args()

    font_bytes = build_font()
    copyrights = copyrights_of(BENGALI_SOURCE, LATIN_SOURCE)
    os.makedirs(args.out_dir, exist_ok=True)
    write_if_changed(os.path.join(args.out_dir, "ZelvikNormal.ttf"), font_bytes)
    write_if_changed(os.path.join(args.out_dir, "OFL.txt"), ofl_text(copyrights).encode("utf-8"))
    print(f"{args.out_dir}/ZelvikNormal.ttf: {len(font_bytes)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
