#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Compiles message catalogues (.mo files from msgfmt) into C++ for the window model, so that
every front end shows the same texts without a gettext library, and optionally into the
Windows version resource's translated blocks.

Usage: make_catalogue.py --cpp OUT.cpp [--rc OUT.rc] [LANGUAGE=FILE.mo ...]

The output depends on nothing but the catalogues: entries sorted by context and msgid."""
import argparse
import locale
import struct
import sys

CONTEXT_SEPARATOR = b"\x04"
FILE_DESCRIPTION_CONTEXT = b"Windows file description"

# Windows language ids by language, where Python's table lacks some (it has no bn_BD).
EXTRA_WINDOWS_LANGUAGES = {0x0845: "bn_BD"}


def read_mo(path):
    """The catalogue as {(context, msgid): text}, in bytes (UTF-8), header left out."""
    with open(path, "rb") as f:
        data = f.read()
    magic = data[:4]
    if magic == b"\xde\x12\x04\x95":
        order = "<"
    elif magic == b"\x95\x04\x12\xde":
        order = ">"
    else:
        sys.exit(f"{path}: not a .mo file")
    _, count, originals, translations = struct.unpack(order + "4I", data[4:20])
    entries = {}
    for i in range(count):
        length, offset = struct.unpack(order + "2I", data[originals + 8 * i:originals + 8 * i + 8])
        key = data[offset:offset + length]
        length, offset = struct.unpack(order + "2I",
                                       data[translations + 8 * i:translations + 8 * i + 8])
        text = data[offset:offset + length]
        if not key:
            continue  # the header
        if b"\x00" in key:
            sys.exit(f"{path}: plural forms are not supported ({key!r})")
        context, _, msgid = key.rpartition(CONTEXT_SEPARATOR)
        entries[(context, msgid)] = text
    return entries


def cpp_string(data):
    """A C++ string literal of UTF-8 bytes: printable ASCII as it is, the rest as octal escapes
    (which, unlike hex escapes, end after three digits)."""
    out = []
    for byte in data:
        char = chr(byte)
        if char in '"\\?':
            out.append("\\" + char)
        elif 0x20 <= byte < 0x7F:
            out.append(char)
        else:
            out.append(f"\\{byte:03o}")
    return '"' + "".join(out) + '"'


def identifier(language):
    return "catalogue_" + "".join(c if c.isalnum() else "_" for c in language)


def write_cpp(path, catalogues):
    lines = [
        "// Written by tools/make_catalogue.py from po/*.po: do not edit.",
        '#include "catalogue.h"',
        "",
        "#include <iterator>",
        "",
        "namespace varnik {",
        "",
        "namespace {",
        "",
    ]
    for language, entries in catalogues:
        if not entries:
            continue
        lines.append(f"constexpr CatalogueEntry {identifier(language)}[] = {{")
        for (context, msgid), text in sorted(entries.items()):
            lines.append(f"    {{{cpp_string(context)}, {cpp_string(msgid)}, {cpp_string(text)}}},")
        lines += ["};", ""]
    lines += ["} // namespace", "", "CatalogueList compiledCatalogues() {"]
    if catalogues:
        lines.append("    static constexpr Catalogue catalogues[] = {")
        for language, entries in catalogues:
            if entries:
                name = identifier(language)
                lines.append(f'        {{"{language}", {name}, std::size({name})}},')
            else:
                lines.append(f'        {{"{language}", nullptr, 0}},')
        lines += ["    };", "    return {catalogues, std::size(catalogues)};"]
    else:
        lines.append("    return {nullptr, 0};")
    lines += ["}", "", "} // namespace varnik", ""]
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines))


def windows_language_ids(language):
    """Windows' language ids of a catalogue: its region's, or every region's of its language."""
    names = dict(locale.windows_locale)
    names.update(EXTRA_WINDOWS_LANGUAGES)
    exact = sorted(lcid for lcid, name in names.items() if name == language)
    if exact:
        return exact
    return sorted((lcid for lcid, name in names.items() if name.split("_")[0] == language),
                  reverse=True)


def rc_wide_string(text):
    """A wide string for windres: every character outside plain ASCII letters and signs as a
    four-digit escape, so that no letter after an escape is read as one of its digits."""
    out = []
    for char in text:
        if char.isascii() and (char.isalpha() or char in " :,.-()") and not char in "abcdefABCDEF":
            out.append(char)
        else:
            out.append(f"\\x{ord(char):04x}")
    return 'L"' + "".join(out) + '"'


def write_rc(path, catalogues):
    """One StringFileInfo block per Windows language id of every catalogue that translates the
    file description, and the list of them for VarFileInfo's Translation value."""
    blocks = []
    translations = []
    for language, entries in catalogues:
        matches = [text for (context, _), text in entries.items()
                   if context == FILE_DESCRIPTION_CONTEXT]
        if not matches:
            continue
        description = rc_wide_string(matches[0].decode("utf-8"))
        for lcid in windows_language_ids(language):
            blocks += [f'        BLOCK "{lcid:04X}04B0"', "        BEGIN",
                       f"            VARNIK_VERSION_STRINGS({description})", "        END"]
            translations.append(f", 0x{lcid:04X}, 1200")
    lines = ["// Written by tools/make_catalogue.py from po/*.po: do not edit."] + blocks
    lines.append("#define VARNIK_VERSION_TRANSLATIONS " + "".join(translations))
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cpp", required=True)
    parser.add_argument("--rc")
    parser.add_argument("catalogues", nargs="*", metavar="LANGUAGE=FILE.mo")
    args = parser.parse_args()
    catalogues = []
    for argument in args.catalogues:
        language, _, path = argument.partition("=")
        if not language or not path:
            sys.exit(f"expected LANGUAGE=FILE.mo, not {argument}")
        catalogues.append((language, read_mo(path)))
    catalogues.sort()
    write_cpp(args.cpp, catalogues)
    if args.rc:
        write_rc(args.rc, catalogues)


if __name__ == "__main__":
    main()
