# SPDX-License-Identifier: MIT
"""Runs the end-to-end scenarios of scenarios.json on a driver: one object per program and
session that knows how to act on its program and read it back (see Driver below). The Linux
and the Windows tests run them through this module; the web tests read the same file."""

import json
import os

PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "scenarios.json")

# Typed characters as X key names.
KEY_NAMES = {".": "period", "+": "plus", "-": "minus", "*": "asterisk", "/": "slash",
             "=": "equal", " ": "space"}


def scenarios():
    with open(PATH, encoding="utf-8") as file:
        return json.load(file)["scenarios"]


class Driver:
    """What a driver provides: one method per verb of scenarios.json (see its "verbs"). Points
    are skin keys by action, "bare" or "link"; every reading is of the program as it is now;
    the expectations poll with a time limit. tests/e2e/desktop_driver.py is the desktop
    programs' driver; tests/web/page_driver.js is the page's."""

    def move(self, point): ...
    def click_here(self, button=1): ...
    def double_click_here(self): ...
    def key(self, *names): ...
    def press_buttons(self, *captions): ...
    def walk_tab_cycle(self): ...
    def expect_display(self, text): ...
    def expect_picture(self, key, kind): ...
    def expect_lit(self, *keys): ...
    def expect_focus_mark(self, key): ...
    def expect_focus(self, caption): ...
    def expect_enabled(self, caption, enabled): ...
    def expect_link(self, colour): ...
    def expect_box(self, prompt): ...
    def expect_menu(self, shown): ...
    def expect_flash(self, key): ...
    def offer_clipboard(self, text): ...
    def expect_clipboard(self, text): ...
    def expect_ended(self): ...


def verbs(driver):
    """Each verb of scenarios.json as a call on driver."""
    def click(point, button=1):
        driver.move(point)
        driver.click_here(button)

    def double_click(point):
        driver.move(point)
        driver.double_click_here()

    return {
        "move": driver.move, "click": click, "clickHere": driver.click_here,
        "doubleClick": double_click, "rightClick": lambda point: click(point, 3),
        "key": driver.key, "type": lambda text: driver.key(*(KEY_NAMES.get(c, c) for c in text)),
        "buttons": driver.press_buttons, "tabCycle": driver.walk_tab_cycle,
        "display": driver.expect_display, "picture": driver.expect_picture,
        "lit": driver.expect_lit, "focusMark": driver.expect_focus_mark,
        "focus": driver.expect_focus, "enabled": driver.expect_enabled,
        "link": driver.expect_link, "box": driver.expect_box, "menu": driver.expect_menu,
        "flash": driver.expect_flash, "offerClipboard": driver.offer_clipboard,
        "clipboard": driver.expect_clipboard, "ended": driver.expect_ended,
    }


def run(driver, scenario):
    """Runs each step of one scenario on driver."""
    table = verbs(driver)
    for verb, *args in scenario["steps"]:
        if verb not in table:
            raise ValueError(f"unknown step {verb!r} in scenario {scenario['name']!r}")
        table[verb](*args)


def add_tests(case_class):
    """Adds one test method per scenario to a unittest.TestCase class whose instances are
    drivers: test_scenario_<n>, named in its docstring."""
    for number, scenario in enumerate(scenarios()):
        def test(self, scenario=scenario):
            run(self, scenario)
        test.__doc__ = scenario["name"]
        setattr(case_class, f"test_scenario_{number:02d}", test)
    return case_class
