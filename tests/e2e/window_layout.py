# SPDX-License-Identifier: MIT
"""The calculator window's layout as the program's own tables give it: every build writes them
to layout.json. Set PATH to that file; the functions below answer from it, in the pixels of
the window's client area."""

import functools
import json

PATH = None  # layout.json of the build under test


@functools.lru_cache(maxsize=None)
def layout():
    with open(PATH, encoding="utf-8") as file:
        return json.load(file)


def pixels(twips, dpi=96):
    """A rectangle of the layout in pixels at dpi: each edge on the first pixel at or after it,
    as the programs draw them."""
    left, top, width, height = twips

    def edge(t):
        return -(-t * dpi // 1440)  # the first pixel at or after the edge

    return [edge(left), edge(top), edge(left + width) - edge(left), edge(top + height) - edge(top)]


def skin(action, dpi=96):
    """A skin key by its action ("1", "+", "=", "Quit" …): its centre, its normal picture's
    number and its rectangle (left, top, width, height)."""
    key = next(key for key in layout()["skinKeys"] if key["action"] == action)
    left, top, width, height = pixels(key["twips"], dpi)
    return (left + width // 2, top + height // 2), key["normalImage"], (left, top, width, height)


def tab_order():
    """The hidden buttons' captions in Tab order, from About (focused at start-up) on."""
    captions = [button["caption"] for button in layout()["commandButtons"]]
    start = captions.index("About ")
    return captions[start:] + captions[:start]


def accessible_name(caption):
    """What a screen reader calls the hidden button of this caption, in English; a name that is
    no caption of the table ("OK") stays as it is."""
    return next((button["accessibleName"] for button in layout()["commandButtons"]
                 if button["caption"] == caption), caption)


def caption_of(name):
    """The caption of the hidden button a screen reader calls by this name in English; a name
    that is no button's ("OK") stays as it is."""
    return next((button["caption"] for button in layout()["commandButtons"]
                 if button["accessibleName"] == name), name)


def bare():
    """A point of the bare window, just right of the one key."""
    (_, y), _, (left, _, _, _) = skin("1")
    return left + 32, y


def link_centre():
    left, top, width, height = layout()["link"]["pixels"]
    return left + width // 2, top + height // 2


def link_rect():
    """The web link's box, less what the client area cuts off at the bottom."""
    left, top, width, height = layout()["link"]["pixels"]
    return left, top, width, min(height, layout()["client"]["pixels"][3] - top)
