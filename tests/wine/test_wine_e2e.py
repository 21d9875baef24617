# SPDX-License-Identifier: MIT
"""End to end under Wine: the Windows program on a private X server, driven with real X input.

Checks only what a person sees: the controls' texts, enabled states and the focus through the
probe (public Win32 calls, as any program could make them), the skin's pictures through
screenshots, the clipboard, the message boxes, and what the program hands to the browser.

Usage: test_wine_e2e.py --program varnik-calculator.exe --probe probe.exe --assets assets
                        --layout layout.json [unittest options]
"""

import functools
import os
import stat
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wine_harness as harness  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import window_layout  # noqa: E402
from window_layout import bare, layout, link_centre, link_rect, pixels, skin, tab_order  # noqa: E402

PROGRAM = PROBE = ASSETS = LAYOUT = None  # from the command line
DESKTOP = None  # one X server and Wine prefix for every case: a prefix takes seconds to make
BROWSER_LOG = None


def title():
    return layout()["caption"]


def opened():
    """What the stand-in browser was asked to open."""
    if not os.path.exists(BROWSER_LOG):
        return ""
    with open(BROWSER_LOG, encoding="utf-8") as log:
        return log.read()


@functools.lru_cache(maxsize=None)
def key_bitmap(number, dense=False):
    name = f"Image{number}@2x.bmp" if dense else f"Image{number}.bmp"
    return harness.Image.from_bmp(os.path.join(ASSETS, "keys", name))


def key_picture(program, key, dpi=96):
    """Which of the key's pictures the screen shows: "normal", "highlight" or None."""
    _, normal, (left, top, _, _) = skin(key, dpi)
    shot = program.client_shot()
    for kind, number in (("normal", normal), ("highlight", normal + 1)):
        if shot.differing(key_bitmap(number, dpi > 96), left, top) == 0:
            return kind
    return None


def setUpModule():
    global DESKTOP, BROWSER_LOG
    window_layout.PATH = LAYOUT
    # A stand-in browser first on PATH: Wine's winebrowser hands the address to xdg-open.
    browser_dir = tempfile.mkdtemp(prefix="varnik-browser-")
    BROWSER_LOG = os.path.join(browser_dir, "opened")
    stand_in = os.path.join(browser_dir, "xdg-open")
    with open(stand_in, "w", encoding="utf-8") as script:
        script.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{BROWSER_LOG}"\n')
    os.chmod(stand_in, stat.S_IRWXU)
    DESKTOP = harness.Desktop(PROBE, title(), path_first=browser_dir).__enter__()


def tearDownModule():
    if DESKTOP:
        DESKTOP.close()


class WindowsProgram(unittest.TestCase):
    def setUp(self):
        self.p = DESKTOP.start(PROGRAM)
        self.addCleanup(self.p.end)

    # Helpers

    def click_skin(self, key):
        self.p.click(*skin(key)[0])

    def expect_display(self, text):
        harness.poll_equal("display text", self.p.display_text, text)

    def expect_focus(self, caption):
        harness.poll_equal("focused control", self.p.focus, caption)

    def tab_to(self, caption):
        """Presses Tab as often as the Tab order needs to reach the button, then checks it."""
        stops = [c["text"] for c in self.p.controls() if c["class"] == "Button" and c["enabled"]]
        cycle = [name for name in tab_order() if name in stops]
        steps = (cycle.index(caption) - cycle.index(self.p.focus())) % len(cycle)
        if steps:
            self.p.key(*["Tab"] * steps)
        self.expect_focus(caption)

    def press_buttons(self, *captions):
        for caption in captions:
            self.tab_to(caption)
            self.p.key("space")

    def key_picture(self, key):
        return key_picture(self.p, key)

    def expect_picture(self, key, kind):
        harness.poll_equal(f"picture of key {key}", lambda: self.key_picture(key), kind)

    def lit_keys(self):
        return [key["action"] for key in layout()["skinKeys"]
                if self.key_picture(key["action"]) == "highlight"]

    def blue_link_pixels(self):
        left, top, width, height = link_rect()
        shot = self.p.client_shot()
        return sum(b - max(r, g) > 100 for y in range(top, top + height)
                   for x in range(left, left + width) for r, g, b in [shot.at(x, y)])

    def open_box(self):
        return harness.poll("a message box", lambda: DESKTOP.ask("box"))

    def close_box(self, key):
        """Presses key on the open box; waits until it has gone."""
        self.p.key(key)
        harness.poll("the box to close", lambda: DESKTOP.ask("box") is None)

    # The window as it starts

    def test_start_up(self):
        self.expect_display(" ")
        self.assertEqual(self.p.window["client"][2:], layout()["client"]["pixels"][2:])
        controls = self.p.controls()
        buttons = [c for c in controls if c["class"] == "Button"]
        # Real push buttons in Tab order, each where the layout puts it: outside the client.
        self.assertEqual([b["text"] for b in buttons],
                         [b["caption"] for b in layout()["commandButtons"]])
        by_caption = {b["caption"]: b["pixels"] for b in layout()["commandButtons"]}
        width, height = layout()["client"]["pixels"][2:]
        for button in buttons:
            self.assertEqual(button["rect"], by_caption[button["text"]], button["text"])
            left, top = button["rect"][:2]
            self.assertTrue(left >= width or top >= height, f"{button['text']} is visible")
        edit = [c for c in controls if c["class"].lower() == "edit"]
        self.assertEqual(len(edit), 1)
        self.assertFalse(edit[0]["enabled"], "the display takes no focus and no typing")
        self.assertEqual(edit[0]["rect"], layout()["display"]["pixels"])
        self.assertEqual(self.lit_keys(), [], "no highlight after start-up")
        self.assertEqual(self.blue_link_pixels(), 0)

    # The skin

    def test_seven_plus_five_on_the_skin(self):
        self.p.move(*skin("7")[0])
        self.expect_picture("7", "highlight")
        self.click_skin("7")
        self.expect_display(" 7")
        self.assertEqual(self.key_picture("7"), "highlight", "a click keeps the highlight")
        self.click_skin("+")
        self.expect_picture("+", "highlight")
        self.assertEqual(self.lit_keys(), ["+"], "only one key is lit")
        self.click_skin("5")
        self.expect_display("5")
        self.click_skin("=")
        self.expect_display("12")
        self.p.move(*bare())  # the bare window puts the last key out again
        self.expect_picture("=", "normal")

    def test_hover_leave_and_the_link_colour(self):
        self.p.move(*skin("1")[0])
        self.expect_picture("1", "highlight")
        self.p.move(*link_centre())  # straight from the key: the key stays lit
        harness.poll("the link to turn blue", self.blue_link_pixels)
        self.assertEqual(self.key_picture("1"), "highlight")
        self.p.move(*bare())  # the bare window puts the key out and leaves the link blue
        self.expect_picture("1", "normal")
        self.assertGreater(self.blue_link_pixels(), 0)
        self.p.move(*skin("3")[0])  # entering a key gives the link its rest colour again
        self.expect_picture("3", "highlight")
        self.assertEqual(self.blue_link_pixels(), 0)

    def test_web_link_goes_to_the_browser(self):
        if os.path.exists(BROWSER_LOG):
            os.remove(BROWSER_LOG)
        self.click_skin("4")  # the skin gate is closed: 4 lands on the blank
        self.p.click(*link_centre())
        target = layout()["link"]["target"]
        harness.poll(f"the browser to be asked for {target}", lambda: target in opened(), 20)
        # The calculator did not wait and changed nothing.
        self.expect_display(" 4")
        self.click_skin("2")
        self.expect_display(" 42")

    # The hidden buttons, Tab and the space bar

    def test_tab_walks_the_tab_order_and_space_presses(self):
        cycle = tab_order()
        for caption in cycle[1:] + cycle[:1]:
            self.p.key("Tab")
            self.expect_focus(caption)
        self.p.key("shift+Tab")
        self.expect_focus(cycle[-1])
        self.press_buttons("1", "/", "3", "=")
        self.expect_display("0.3333333333333")
        self.press_buttons("Clear")
        self.expect_display("")

    def test_point_button_is_disabled_after_a_point(self):
        self.press_buttons("1", ".")
        self.expect_display(" 1.")
        point = lambda: next(c["enabled"] for c in self.p.controls() if c["text"] == ".")
        harness.poll_equal("the point button enabled", point, False)
        # It had the focus: the focus moves on to the next button in Tab order.
        self.expect_focus("0")
        self.p.key("space")
        self.expect_display(" 1.0")
        self.press_buttons("+")
        harness.poll_equal("the point button enabled", point, True)

    def test_equals_box_versus_the_silent_skin_equals(self):
        self.press_buttons("=")  # on the blank display: no number
        box = self.open_box()
        self.assertEqual(box["title"], title())
        self.assertEqual([text for text in box["texts"] if text], [], "an empty prompt")
        self.assertEqual(box["buttons"], ["OK"])
        self.close_box("space")
        self.expect_focus("=")
        self.expect_display(" ")
        # The skin's equals fails without a word: the next key lands at once.
        self.click_skin("=")
        self.click_skin("8")
        self.expect_display(" 8")
        self.assertIsNone(DESKTOP.ask("box"))

    def test_about_box(self):
        self.p.key("space")  # the About button has the focus after start-up
        box = self.open_box()
        self.assertEqual(box["title"], title())
        self.assertEqual(box["buttons"], ["OK"])
        self.assertTrue(any(text.startswith(title() + " ") for text in box["texts"]), box)
        self.close_box("Return")
        self.expect_focus("About ")
        self.expect_display(" ")

    # Ending the program

    def test_quit_button(self):
        self.press_buttons("7", "+")  # quits also with an operation pending
        self.p.key("shift+Tab", "shift+Tab")
        self.tab_to("Quit")
        self.p.key("space")
        self.assertEqual(self.p.wait_exit(), 0)

    def test_skin_quit(self):
        self.p.move(*skin("Quit")[0])
        self.expect_picture("Quit", "highlight")
        self.click_skin("Quit")
        self.assertEqual(self.p.wait_exit(), 0)

    def test_close_box(self):
        close_box = DESKTOP.ask("closebox")
        self.assertIsNotNone(close_box, "the title bar has a close box")
        DESKTOP.xdotool("mousemove", *close_box)
        DESKTOP.xdotool("click", 1)
        self.assertEqual(self.p.wait_exit(), 0)

    # Keyboard, clipboard and visible feedback

    def test_typing_and_enter(self):
        self.p.key("1", "2", "plus", "3", "Return")
        self.expect_display("15")
        self.p.key("Escape")
        self.expect_display("")
        self.p.key("KP_7", "KP_Multiply", "KP_2", "KP_Enter")
        self.expect_display("14")

    def test_copy_and_paste(self):
        self.p.key("1", "5", "Return")
        self.expect_display(" 15")
        self.p.key("ctrl+c")
        harness.poll_equal("the clipboard", lambda: DESKTOP.ask("clipboard"), "\u09e7\u09eb")
        self.p.key("ctrl+shift+c")
        harness.poll_equal("the clipboard", lambda: DESKTOP.ask("clipboard"), "15")
        self.assertTrue(DESKTOP.ask("setclipboard \u09e8.\u09eb"))
        self.p.key("ctrl+v")
        self.expect_display("2.5")
        self.p.key("1")  # a pasted number is extended like a typed one
        self.expect_display("2.51")

    def test_context_menu_pastes(self):
        self.p.key("Menu")  # the keyboard's way to the same menu
        harness.poll("the context menu from the Menu key", lambda: DESKTOP.ask("menu"))
        self.p.key("Escape")
        harness.poll("the menu to close", lambda: DESKTOP.ask("menu") is None)
        self.expect_focus("About ")
        self.assertTrue(DESKTOP.ask("setclipboard 42"))
        self.p.click(*bare(), button=3)
        harness.poll("the context menu", lambda: DESKTOP.ask("menu"))
        self.p.key("Down", "Down", "Down", "Return")  # Copy, Copy with Latin digits, Paste
        self.expect_display("42")
        harness.poll("the menu to close", lambda: DESKTOP.ask("menu") is None)

    def test_tab_lights_the_focused_buttons_twin(self):
        self.tab_to("/")
        self.expect_picture("/", "highlight")
        self.assertEqual(self.lit_keys(), ["/"])
        self.p.key("Tab")  # "=": its twin lights instead
        self.expect_picture("=", "highlight")
        self.p.key("shift+Tab", "shift+Tab")  # "M Rc" has no twin: nothing is lit
        self.expect_focus("M Rc")
        harness.poll_equal("lit keys", self.lit_keys, [])

    def test_a_failed_key_flashes_the_display(self):
        left, top, width, height = layout()["display"]["pixels"]
        x, y = self.p.screen(left + 6, top + height // 2)
        # Nothing on the display to operate on.
        changes = DESKTOP.watch_pixel(x, y, 1000, during=lambda: self.p.key("plus"))
        self.assertEqual([colour for colour, _ in changes], ["efefef", "9a9a9a", "efefef"],
                         "the display flashes grey")
        flash = changes[2][1] - changes[1][1]
        self.assertTrue(100 <= flash <= 600, f"the flash lasts {flash} ms")

    # Screen readers

    def test_skin_keys_for_screen_readers(self):
        children = DESKTOP.ask("accessible")
        keys = [c for c in children if c["role"] == 43 and c["action"] == "Press"]
        self.assertEqual([k["name"] for k in keys], [k["name"] for k in layout()["skinKeys"]])
        for key in keys:
            action = next(k for k in layout()["skinKeys"] if k["name"] == key["name"])
            self.assertEqual(key["location"], [*self.p.screen(*action["pixels"][:2]),
                                               *action["pixels"][2:]], key["name"])
        self.assertEqual(DESKTOP.ask("press seven"), {"pressed": True})
        self.expect_display(" 7")
        self.assertEqual(DESKTOP.ask("press plus"), {"pressed": True})  # the skin gate is open
        self.assertEqual(DESKTOP.ask("press two"), {"pressed": True})
        self.assertEqual(DESKTOP.ask("press equals"), {"pressed": True})
        self.expect_display("9")


class DenseMonitor(unittest.TestCase):
    """At 192 dpi (200 %) the layout doubles and the keys show their twice-as-dense pictures."""

    DPI = 192

    @classmethod
    def setUpClass(cls):
        cls.desktop = harness.Desktop(PROBE, title(), dpi=cls.DPI, screen="1024x768").__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.p = self.desktop.start(PROGRAM)
        self.addCleanup(self.p.end)

    def test_layout_and_pictures_scale(self):
        client = pixels(layout()["client"]["twips"], self.DPI)
        self.assertEqual(self.p.window["client"][2:], client[2:])
        edit = next(c for c in self.p.controls() if c["class"].lower() == "edit")
        self.assertEqual(edit["rect"], pixels(layout()["display"]["twips"], self.DPI))
        self.assertEqual(key_picture(self.p, "9", self.DPI), "normal")
        self.p.move(*skin("9", self.DPI)[0])
        harness.poll_equal("picture of key 9", lambda: key_picture(self.p, "9", self.DPI),
                           "highlight")
        self.p.click(*skin("9", self.DPI)[0])
        harness.poll_equal("display text", self.p.display_text, " 9")


if __name__ == "__main__":
    harness.run_tests(globals(), "program", "probe", "assets", "layout")
