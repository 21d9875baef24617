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
    """What a driver provides. Points are skin keys by action, "bare" or "link"; every reading
    is of the program as it is now; the expectations poll with a time limit."""

    def move(self, point): ...
    def click_here(self): ...
    def double_click_here(self): ...
    def key(self, *names): ...
    def press_buttons(self, *captions): ...
    def expect_display(self, text): ...
    def expect_picture(self, key, kind): ...
    def expect_focus_mark(self, key): ...
    def expect_focus(self, caption): ...
    def offer_clipboard(self, text): ...
    def expect_clipboard(self, text): ...


def run(driver, scenario):
    """Runs each step of one scenario on driver."""
    for verb, *args in scenario["steps"]:
        if verb == "move":
            driver.move(args[0])
        elif verb == "click":
            driver.move(args[0])
            driver.click_here()
        elif verb == "clickHere":
            driver.click_here()
        elif verb == "doubleClick":
            driver.move(args[0])
            driver.double_click_here()
        elif verb == "key":
            driver.key(*args)
        elif verb == "type":
            driver.key(*(KEY_NAMES.get(c, c) for c in args[0]))
        elif verb == "buttons":
            driver.press_buttons(*args)
        elif verb == "display":
            driver.expect_display(args[0])
        elif verb == "picture":
            driver.expect_picture(args[0], args[1])
        elif verb == "focusMark":
            driver.expect_focus_mark(args[0])
        elif verb == "focus":
            driver.expect_focus(args[0])
        elif verb == "offerClipboard":
            driver.offer_clipboard(args[0])
        elif verb == "clipboard":
            driver.expect_clipboard(args[0])
        else:
            raise ValueError(f"unknown step {verb!r} in scenario {scenario['name']!r}")


def add_tests(case_class):
    """Adds one test method per scenario to a unittest.TestCase class whose instances are
    drivers: test_scenario_<n>, named in its docstring."""
    for number, scenario in enumerate(scenarios()):
        def test(self, scenario=scenario):
            run(self, scenario)
        test.__doc__ = scenario["name"]
        setattr(case_class, f"test_scenario_{number:02d}", test)
    return case_class
