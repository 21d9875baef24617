#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a C++ source of the window model or a front end (window/, qt/, win32/, web/)
holds an English text that is neither in the template (so marked with N_ or NC_ somewhere)
nor one of the texts that stay as they are in every language (ALLOWED below).

A text is a string literal that reads as words: two words of letters with a space between
them, or one capitalised word ("Copy", "Display"), possibly ending in a full stop, a colon or
the like. Names for the machine (identifiers such as "textContent" or "wl_display_connect",
one lower-case word such as "keydown", capitals such as "EDIT", CSS and paths) are not. A
literal with tabs or line breaks is checked piece by piece ("Copy\\tCtrl+C" is the menu item
"Copy" and its key).

Usage: check_marked_texts.py SOURCE_DIR [--expect N FILE ...]
With files, only those are read, and exactly N unmarked texts must be found: the test of this
check gives it a sample with faults."""
import pathlib
import re
import sys

FOLDERS = ["window", "qt", "win32", "web"]
TEMPLATE = "po/varnik-calculator.pot"

# What stays as it is, as whole texts (regular expressions), and why.
ALLOWED = [
    # The window's caption, the message boxes' title, the hidden buttons' captions: the same
    # in every language, as the window has always shown them.
    r"Varnik Calculator", r"About ", r"M Rc", r"M -", r"M \+", r"Clear Memory", r"Clear",
    r"Quit",
    # The keys shown after a tab in the context menu.
    r"(Ctrl|Shift|Alt)\+[\w+]+",
    # Object names of the controls, which scripts and tests find them by.
    r"cmd\w+", r"txtnum", r"Image\d*", r"Label\d", r"Form1",
    # Font families.
    r"MS Sans Serif", r"Zelvik Normal", r"Arial",
    # Addresses, resource paths, file names and formats, the program's names for the system.
    r"https?://\S+", r":/\S+", r"\S+\.(png|bmp|ttf|exe)", r"png|bmp|@2x",
    r"varnik-calculator", r"org\.example\.varnik\.Calculator",
    # Names of system things: Qt and Win32 classes, a library function, a shell verb.
    r"QWidget", r"BUTTON", r"EDIT", r"VarnikCalculatorForm1", r"FcInit", r"open",
    # The language option, the page's query and the source language's code.
    r"--language", r"lang=", r"en",
    # The browser's names of keys.
    r"Enter|Escape|Delete|Backspace|Insert|Tab|Control|Shift|Alt|Meta", r"(Key|Numpad|Arrow)\w+",
    r"ContextMenu",
    # The browser's objects, and its names of the system's colours.
    r"AudioContext", r"Canvas|Field|FieldText|LinkText|Highlight|HighlightText",
]
WORDS_RE = re.compile(r"[A-Za-z]+(?:['-][A-Za-z]+)*")
WORDS_TEXT_RE = re.compile(r"[A-Za-z][A-Za-z' ,-]*[A-Za-z][.:!?]?|[A-Z][a-z]+[.:!?]?")


def reads_as_words(piece):
    """True for natural-language text, as the module's docstring says."""
    piece = piece.strip()
    if not WORDS_TEXT_RE.fullmatch(piece):
        return False
    words = WORDS_RE.findall(piece)
    return len(words) > 1 or (len(words) == 1 and re.fullmatch(r"[A-Z][a-z]+", words[0]))
ALLOWED_RE = re.compile("|".join(f"(?:{pattern})" for pattern in ALLOWED))

LITERAL_RE = re.compile(
    r"""//[^\n]*                                   # a line comment
      | /\*.*?\*/                                  # a block comment
      | ^[ \t]*\#[^\n]*                            # a preprocessor line (#include "…")
      | '(?:\\.|[^'\\\n])*'                        # a character
      | (?:u8|[uUL])?R"(?P<delimiter>[^(\s]*)\((?P<raw>.*?)\)(?P=delimiter)"  # a raw string
      | (?:u8|[uUL])?"(?P<text>(?:\\.|[^"\\\n])*)"  # a string
    """, re.VERBOSE | re.DOTALL | re.MULTILINE)

ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "\\": "\\", '"': '"', "'": "'", "?": "?", "0": "\0"}


def unescape(text):
    return re.sub(r"\\(x[0-9a-fA-F]+|[0-7]{1,3}|.)",
                  lambda m: ESCAPES.get(m.group(1), "\ufffd"), text)


def template_texts(root):
    """Every msgid and msgctxt of the template."""
    texts = set()
    current = None
    for line in (root / TEMPLATE).read_text(encoding="utf-8").splitlines():
        match = re.match(r'(msgid|msgctxt|msgstr) (".*")$', line)
        if match:
            if current is not None:
                texts.add(current)
            current = None if match.group(1) == "msgstr" else unescape(match.group(2)[1:-1])
        elif line.startswith('"') and current is not None:
            current += unescape(line[1:-1])
    return texts


def literals(source):
    """(line, text) of each string literal of `source`, adjacent ones joined as the compiler
    joins them."""
    joined = []
    end = None
    for match in LITERAL_RE.finditer(source):
        if match.group("text") is not None:
            text = unescape(match.group("text"))
        elif match.group("raw") is not None:
            text = match.group("raw")
        else:
            end = None  # a comment or character between two strings still parts them
            continue
        if end is not None and not source[end:match.start()].strip():
            joined[-1] = (joined[-1][0], joined[-1][1] + text)
        else:
            joined.append((source.count("\n", 0, match.start()) + 1, text))
        end = match.end()
    return joined


# What the compiler says to developers, never to users.
FOR_DEVELOPERS_RE = re.compile(r'static_assert\((?:[^;])*?\);|throw\s+"(?:\\.|[^"\\])*"')


def unmarked(source, known):
    """(line, text) of each English text of `source` that is not `known`."""
    source = FOR_DEVELOPERS_RE.sub(lambda m: "\n" * m.group(0).count("\n"), source)
    found = []
    for line, literal in literals(source):
        if literal in known:
            continue
        for piece in re.split(r"[\t\n]", literal):
            if reads_as_words(piece) and piece not in known and \
                    not ALLOWED_RE.fullmatch(piece) and not ALLOWED_RE.fullmatch(piece.strip()):
                found.append((line, piece))
    return found


def main():
    root = pathlib.Path(sys.argv[1])
    expected = 0
    files = []
    if len(sys.argv) > 3 and sys.argv[2] == "--expect":
        expected = int(sys.argv[3])
        files = [pathlib.Path(f) for f in sys.argv[4:]]
    if not files:
        files = sorted(path for folder in FOLDERS if (root / folder).is_dir()
                       for path in (root / folder).rglob("*") if path.suffix in (".cpp", ".h"))
    known = template_texts(root)
    faults = 0
    # The version resource's English description is the text whose translations the build
    # puts beside it.
    resource = root / "win32/varnik-calculator.rc.in"
    for description in re.findall(r'VARNIK_VERSION_STRINGS\("([^"]*)"\)', resource.read_text()):
        if description not in known:
            print(f"{resource}: the description {description!r} is not the one marked in "
                  "window/texts.h")
            faults += 1
    for path in files:
        for line, text in unmarked(path.read_text(encoding="utf-8"), known):
            print(f"{path}:{line}: unmarked text {text!r}: mark it with N_ or NC_ and run the "
                  "update-pot target, or add it to ALLOWED in this script if it stays English")
            faults += 1
    print(f"{len(files)} files, {faults} unmarked texts, {expected} expected")
    sys.exit(0 if faults == expected else 1)


if __name__ == "__main__":
    main()
