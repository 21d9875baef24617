# SPDX-License-Identifier: MIT
"""End to end under Wine: the Windows program on a private X server, driven with real X input.

Checks only what a person sees: the controls' texts, enabled states and the focus through the
probe (public Win32 calls, as any program could make them), the skin's pictures and the focus
mark through screenshots, the clipboard, the message boxes, what the program hands to the
browser, and what screen readers are told. The shared scenarios (tests/scenarios) run here too,
with WindowsProgram as their driver.

Usage: test_wine_e2e.py --program varnik-calculator.exe --probe probe.exe --assets assets
                        --layout layout.json --uia_double UIAutomationCore.dll
                        [unittest options]
"""

import json
import os
import shutil
import stat
import sys
import tempfile
import unittest

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
sys.path.insert(0, os.path.join(here, "..", "e2e"))
sys.path.insert(0, os.path.join(here, "..", "scenarios"))
import scenarios  # noqa: E402
import skin_pictures  # noqa: E402
import wine_harness as harness  # noqa: E402
import window_layout  # noqa: E402
from desktop_driver import FLASH_WATCH_MILLISECONDS, DesktopDriver  # noqa: E402
from key_edges import check_keys_answer_where_drawn, check_pictures_sharp_enough  # noqa: E402
from window_layout import bare, layout, link_centre, pixels, skin  # noqa: E402

PROGRAM = PROBE = ASSETS = LAYOUT = UIA_DOUBLE = None  # from the command line
# One X server and Wine prefix for every case: a prefix takes seconds to make, a program a
# quarter of one to start. The screen has room for the window at 200 %.
DESKTOP = None
BROWSER_LOG = None
BROWSER_DIR = None
HOT_TRACKED = 0x80  # STATE_SYSTEM_HOTTRACKED
ROLE_ALERT = 8  # ROLE_SYSTEM_ALERT


def title():
    return layout()["caption"]


def opened():
    """What the stand-in browser was asked to open."""
    if not os.path.exists(BROWSER_LOG):
        return ""
    with open(BROWSER_LOG, encoding="utf-8") as log:
        return log.read()


def setUpModule():
    global DESKTOP, BROWSER_LOG, BROWSER_DIR
    window_layout.PATH = LAYOUT
    skin_pictures.ASSETS = ASSETS
    # A stand-in browser first on PATH: Wine's winebrowser hands the address to xdg-open.
    BROWSER_DIR = tempfile.mkdtemp(prefix="varnik-browser-")
    BROWSER_LOG = os.path.join(BROWSER_DIR, "opened")
    stand_in = os.path.join(BROWSER_DIR, "xdg-open")
    with open(stand_in, "w", encoding="utf-8") as script:
        script.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{BROWSER_LOG}"\n')
    os.chmod(stand_in, stat.S_IRWXU)
    DESKTOP = harness.Desktop(PROBE, title(), path_first=BROWSER_DIR,
                              screen="1024x768").__enter__()


def tearDownModule():
    if DESKTOP:
        DESKTOP.close()
    if BROWSER_DIR:
        shutil.rmtree(BROWSER_DIR, ignore_errors=True)


@scenarios.add_tests
class WindowsProgram(DesktopDriver, unittest.TestCase):
    """The program at 96 dpi, started afresh for each test; the Windows program's driver of the
    shared end-to-end scenarios."""

    def setUp(self):
        self.p = DESKTOP.start(PROGRAM)
        self.addCleanup(self.p.end)

    # What desktop_driver.py asks of a harness

    def pointer_to(self, x, y):
        self.p.move(x, y)

    def click_at(self, x, y, button=1, count=1):
        self.p.click(x, y, button, count)

    def press_keys(self, *names):
        self.p.key(*names)

    def client_shot(self):
        return self.p.client_shot()

    def display_text(self):
        return self.p.display_text()

    def focused_caption(self):
        return self.p.focus()

    def buttons(self):
        return [(c["text"], c["enabled"]) for c in self.p.controls() if c["class"] == "Button"]

    def clipboard_text(self):
        return DESKTOP.ask("clipboard")

    def put_on_clipboard(self, text):
        # Another program may hold the clipboard open for a moment.
        harness.poll("the clipboard to take the text", lambda: DESKTOP.ask(f"setclipboard {text}"))

    def message_box(self):
        box = DESKTOP.ask("box")
        return box and {"title": box["title"], "prompt": "\n".join(t for t in box["texts"] if t),
                        "buttons": box["buttons"]}

    def menu_open(self):
        return DESKTOP.ask("menu") is not None

    def display_colours(self, key):
        left, top, _, height = layout()["display"]["pixels"]
        x, y = self.p.screen(left + 10, top + height // 2)
        changes = DESKTOP.watch_pixel(x, y, FLASH_WATCH_MILLISECONDS,
                                      during=lambda: self.p.key(key))
        return [tuple(bytes.fromhex(colour)) for colour, _ in changes]

    def exit_status(self, limit):
        return self.p.wait_exit(limit)

    # Helpers

    def told(self, text):
        """Waits until the last text the window told screen readers is `text`, through its MSAA
        alert (Wine has no UI Automation notifications); returns the box alerts heard."""
        heard, boxes = [], []
        def hear():
            for event in DESKTOP.ask("events"):
                if event["event"] == "alert" and event["role"] == ROLE_ALERT:
                    heard.append(event["name"])
                elif event["event"] == "alert" and event["class"] == "#32770":
                    boxes.append(event)
            return heard and heard[-1] == text
        harness.poll(f"screen readers told {text!r} (heard {heard})", hear)
        return boxes

    # The window as it is made

    def test_controls_as_made(self):
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

    def test_a_high_contrast_theme_alone_keeps_the_described_colours(self):
        """The colours of a high-contrast theme arrive, but not the setting: Wine always
        reports it off (measured; test_win32_units draws the window under it)."""
        self.p.move(*bare())
        before = self.p.client_shot()
        self.addCleanup(DESKTOP.ask, "highcontrast off")
        theme = DESKTOP.ask("highcontrast on")
        self.assertEqual((theme["on"], theme["colours"]["window"]), (False, "000000"))
        # A key lit and put out again: the window has read its messages up to here.
        self.p.move(*skin("5")[0])
        self.expect_picture("5", "highlight")
        self.p.move(*bare())
        self.expect_picture("5", "normal")
        self.assertEqual(self.p.client_shot().pixels, before.pixels)

    # The web link

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

    # Words, the close box and the menu

    def test_words_in_bengali(self):
        self.p.end()
        self.p = DESKTOP.start(PROGRAM, "--language", "bn")
        self.addCleanup(self.p.end)
        names = [c["name"] for c in DESKTOP.ask("accessible")]
        self.assertLessEqual({"সাত", "যোগ", "ভাগ", "সমান", "মুছুন", "সমাপ্ত", "ডিসপ্লে", "গুণ",
                              "দশমিক", "মেমরি যোগ", "মেমরি দেখান", "মেমরি মুছুন"}, set(names))
        self.assertNotIn("seven", names)
        self.assertFalse({"X", "M Rc", "."} & set(names), "no button is named by its caption")
        DESKTOP.ask("events")  # listens from now on
        self.p.key("7", "plus", "5", "Return")
        self.told("12")  # in Latin digits, which a Bengali voice reads
        self.p.key("Escape")
        self.told("ফাঁকা")  # "blank"
        self.assertIn("Clear Memory", [c["text"] for c in self.p.controls()],
                      "the hidden buttons keep their captions")
        self.p.key("space")  # About: the title stays, the version in Bengali digits
        self.expect_box(title() + " \u09e7.")
        self.p.key("Return")
        self.expect_box(None)

    # What screen readers are told after each key: keys typed, then the text told last.
    TOLD = [
        ("the result", ("7", "plus", "5", "Return"), "12"),
        ("the blank display", ("Escape",), "blank"),
        ("Backspace", ("4", "2", "BackSpace"), "4"),
    ]

    def test_screen_readers_are_told_each_result(self):
        DESKTOP.ask("events")  # listens from now on
        for name, keys, text in self.TOLD:
            self.p.key(*keys)
            boxes = self.told(text)
        # The equals box says why the key failed: its prompt stays empty, its accessible
        # description gives the reason, and it raises an alert as it opens.
        self.p.key("1", "slash", "0", "Return")
        self.expect_box("")  # an empty prompt
        boxes = boxes or harness.poll("the box's alert", lambda: [
            e for e in DESKTOP.ask("events") if e["event"] == "alert" and e["class"] == "#32770"])
        self.assertEqual([b["description"] for b in boxes], ["Cannot divide by zero"])
        self.p.key("Return")
        self.expect_box(None)

    def test_ui_automation_notifications(self):
        """Where Windows has UI Automation notification events, the texts go there instead, from
        the window's provider, which only adds to its MSAA objects. Wine has none: a stand-in
        core library beside the program records what the program hands it."""
        self.p.end()
        folder = tempfile.mkdtemp(prefix="varnik-uia-")
        self.addCleanup(shutil.rmtree, folder, True)
        for path in (PROGRAM, UIA_DOUBLE):
            shutil.copy(path, folder)
        self.p = DESKTOP.start(os.path.join(folder, os.path.basename(PROGRAM)))
        self.addCleanup(self.p.end)
        DESKTOP.ask("events")
        self.p.key("7", "plus", "5", "Return")
        log = os.path.join(folder, os.path.basename(UIA_DOUBLE) + ".log")

        def calls():
            if not os.path.exists(log):
                return []
            with open(log, encoding="utf-8") as lines:
                return [json.loads(line) for line in lines]
        override = 0x2 | 0x8 | 0x20  # server side, overriding, called on the window's thread
        notified = harness.poll("the notification of 12", lambda: [
            call for call in calls() if call["call"] == "notify"] if any(
                call.get("text") == "12" for call in calls()) else None)
        self.assertEqual([call["text"] for call in notified], ["7", "5", "12"])
        for call in notified:
            self.assertEqual((call["kind"], call["processing"], call["options"], call["host"]),
                             (2, 3, override, "VarnikCalculatorForm1"),
                             "action completed, the most recent, from the window's provider")
        self.assertEqual(len({call["activity"] for call in notified}), 1)
        DESKTOP.ask("uiaroot")
        harness.poll("UI Automation's root query answered", lambda: any(
            call == {"call": "root", "options": override} for call in calls()))
        self.assertFalse([e for e in DESKTOP.ask("events") if e["role"] == ROLE_ALERT],
                         "told once: no MSAA alert beside the notifications")

    def test_close_box(self):
        close_box = DESKTOP.ask("closebox")
        self.assertIsNotNone(close_box, "the title bar has a close box")
        DESKTOP.xdotool("mousemove", *close_box)
        DESKTOP.xdotool("click", 1)
        self.assertEqual(self.p.wait_exit(), 0)

    def test_context_menu_pastes(self):
        self.offer_clipboard("42")
        self.click_at(*bare(), button=3)
        self.expect_menu(True)
        self.p.key("Down", "Down", "Down", "Return")  # Copy, Copy with Latin digits, Paste
        self.expect_display("42")
        self.expect_menu(False)

    # Screen readers

    def test_skin_keys_for_screen_readers(self):
        children = DESKTOP.ask("accessible")
        keys = [c for c in children if c["role"] == 43 and c["action"] == "Press"]
        self.assertEqual([k["name"] for k in keys], [k["name"] for k in layout()["skinKeys"]])
        for key in keys:
            action = next(k for k in layout()["skinKeys"] if k["name"] == key["name"])
            self.assertEqual(key["location"], [*self.p.screen(*action["pixels"][:2]),
                                               *action["pixels"][2:]], key["name"])
        # The keys, then every child window: the 23 buttons and the display, named as on Linux.
        self.assertEqual(len(children), len(keys) + len(layout()["commandButtons"]) + 1)
        self.assertEqual([c["name"] for c in children[len(keys):]],
                         [b["accessibleName"] for b in layout()["commandButtons"]] + ["Display"],
                         "the hidden buttons in words, then the display")
        walked = DESKTOP.ask("navigate")
        self.assertEqual(walked["forward"], [c["name"] for c in children])
        self.assertEqual(walked["backward"], [c["name"] for c in reversed(children)])

        # Found at a point as the pointer finds them: a key's first pixel is the key, the one
        # before it the bare window.
        (x, y), _, (left, top, width, height) = skin("1")
        hit = lambda x, y: DESKTOP.ask("hittest {} {}".format(*self.p.screen(x, y)))
        self.assertEqual(hit(left, top)["name"], "one")
        self.assertEqual(hit(left - 1, top), "self")
        self.assertEqual(hit(left + width - 1, top + height - 1)["name"], "one")
        display = layout()["display"]["pixels"]
        self.assertEqual(hit(display[0] + 5, display[1] + 5)["name"], "Display")

        # The key under the pointer is hot-tracked.
        self.assertEqual(hit(x, y)["state"], 0)
        self.p.move(x, y)
        harness.poll_equal("the key under the pointer hot-tracked", lambda: hit(x, y)["state"],
                           HOT_TRACKED)

        self.assertEqual(DESKTOP.ask("press seven"), {"pressed": True})
        self.expect_display(" 7")
        self.assertEqual(DESKTOP.ask("press plus"), {"pressed": True})  # the skin gate is open
        self.assertEqual(DESKTOP.ask("press two"), {"pressed": True})
        self.assertEqual(DESKTOP.ask("press equals"), {"pressed": True})
        self.expect_display("9")


class Densities(unittest.TestCase):
    """At other densities the layout scales on the pixel rule of every front end (each edge on
    the first pixel at or after it), and a key answers the pointer on exactly the pixels it is
    drawn on, from pictures at least as dense as the monitor. Wine reads the density when a
    program starts: each test sets it, then starts the program."""

    def setUp(self):
        self.addCleanup(DESKTOP.set_dpi, 96)

    def start(self, dpi):
        DESKTOP.set_dpi(dpi)
        program = DESKTOP.start(PROGRAM)
        self.addCleanup(program.end)
        self.assertEqual(program.window["client"][2:], pixels(layout()["client"]["twips"], dpi)[2:],
                         f"the client area at {dpi} dpi")
        return program

    def test_keys_answer_where_they_are_drawn(self):
        for dpi in (96, 120, 144, 192, 288):
            program = self.start(dpi)
            shot = lambda x, y, width, height: DESKTOP.screenshot(*program.screen(x, y), width,
                                                                  height)
            # Wine's smooth scaling (StretchBlt, HALFTONE) samples at a pixel's top left corner.
            with self.subTest(dpi=dpi, check="picture density"):
                check_pictures_sharp_enough(self, shot, dpi / 96, skin_pictures.CORNERS)
            check_keys_answer_where_drawn(self, shot, program.move, dpi / 96,
                                          skin_pictures.CORNERS)
            program.end()

    def test_twice_as_dense_pictures_at_200_percent(self):
        dpi = 192
        program = self.start(dpi)
        edit = next(c for c in program.controls() if c["class"].lower() == "edit")
        self.assertEqual(edit["rect"], pixels(layout()["display"]["twips"], dpi))
        picture = lambda key: skin_pictures.picture(program.client_shot(), key, dpi)
        self.assertEqual(picture("9"), "normal")
        program.move(*skin("9", dpi)[0])
        harness.poll_equal("picture of key 9", lambda: picture("9"), "highlight")
        program.click(*skin("9", dpi)[0])
        harness.poll_equal("display text", program.display_text, " 9")
        # The focus mark keeps its place inside the key's frame, scaled.
        program.key("shift+Tab")  # About to Quit
        harness.poll_equal("the focus mark", lambda: skin_pictures.marked_keys(
            program.client_shot(), dpi), ["Quit"])


if __name__ == "__main__":
    harness.run_tests(globals(), "program", "probe", "assets", "layout", "uia_double")
