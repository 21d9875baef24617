# SPDX-License-Identifier: MIT
"""End-to-end test: the real program used as a screen reader uses it, through AT-SPI only.

No mouse and no keyboard: every key is found in the accessibility tree by its role and
name and pressed through its action, and every result is read back from the tree.

Usage: test_accessibility_e2e.py --binary build/qt/varnik-calculator [unittest options]
"""

import json
import os
import select
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

TITLE = "Varnik Calculator"
BINARY = None  # set from the command line

PRESS = "Press"
SKIN_NAMES = ["one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "zero",
              "point", "plus", "minus", "times", "divided by", "equals", "Clear", "Quit"]
# The hidden command buttons are named in words too, whatever their captions ("X", "M Rc"):
# as their picture twins are, and the five without a twin by names of their own.
BUTTON_NAMES = SKIN_NAMES + ["memory plus", "memory minus", "memory recall", "clear memory",
                             "About"]
# Skin keys and their twin hidden buttons share their names: a screen reader tells them apart
# by the hidden buttons taking the focus.
SKIN, BUTTONS = "skin", "buttons"


class ScreenReaderSession(harness.Session):
    """A session that also lists actions and presses keys through the accessibility bus."""

    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self._key_paths = None  # (name, SKIN or BUTTONS) -> path, read at the first press

    def request(self, request, limit=5.0):
        """Sends one request line to the reader (see atspi_reader.py); returns its answer."""
        self.reader.stdin.write(request + "\n")
        self.reader.stdin.flush()
        ready, _, _ = select.select([self.reader.stdout], [], [], limit)
        assert ready, "the accessibility reader does not answer"
        return json.loads(self.reader.stdout.readline())

    def actions(self):
        """Every accessible object with its action names: (Node, [action names])."""
        answer = self.request("actions")
        assert "nodes" in answer, f"accessibility reader: {answer.get('error')}"
        return [(harness.Node(**{k: v for k, v in node.items() if k != "actions"}),
                 node["actions"]) for node in answer["nodes"]]

    def key_node(self, name, keypad):
        """The push button of this name on the skin or among the hidden buttons, now."""
        found = [node for node in self.find("push button", name)
                 if ("focusable" in node.states) == (keypad == BUTTONS)]
        assert len(found) == 1, f"{keypad} push button {name!r}: {found}"
        return found[0]

    def key_path(self, name, keypad):
        """Where the key sits in the tree: read once, the window's children keep their places."""
        if self._key_paths is None:
            self._key_paths = {}
            for node in self.tree():
                if node.role == "push button" and len(node.path) == 2:  # not a box's
                    keypad_of = BUTTONS if "focusable" in node.states else SKIN
                    assert (node.name, keypad_of) not in self._key_paths, node
                    self._key_paths[node.name, keypad_of] = node.path
        assert (name, keypad) in self._key_paths, f"no {keypad} push button {name!r}"
        return self._key_paths[name, keypad]

    def press(self, name, keypad=SKIN):
        """Runs the key's press action as a screen reader does, and waits until it has run.

        A skin key runs while the action is asked for; a hidden button animates its click
        and is "pressed" until the click has run, about 100 ms later.
        """
        path = self.key_path(name, keypad)
        answer = self.request(json.dumps({"do": PRESS, "role": "push button", "name": name,
                                          "path": path}))
        assert answer.get("done") is True, f"pressing {keypad} {name!r}: {answer}"
        if answer["states"] and "pressed" in answer["states"]:
            harness.poll(f"the click of {name!r}", lambda: self._released(path))

    def _released(self, path):
        """Whether the button at path is up again, or its click has ended the program."""
        if self.process.poll() is not None:
            return True
        nodes = self.request("tree").get("nodes")  # None while the program is ending
        return nodes is not None and not any(
            node["path"] == path and "pressed" in node["states"] for node in nodes)

    def alerts(self):
        return [top for top in self.top_levels() if top.role == "alert"]

    def other_window(self):
        """A visible window of the program's title besides the calculator, or None."""
        return self.find_window(self.title, exclude=(self.window,))

    def press_ok(self, box):
        """Presses the OK button of a message box (its node among the top levels)."""
        ok = self.find("push button", "OK", under=box.path)
        assert len(ok) == 1, f"OK buttons in the box: {ok}"
        answer = self.request(json.dumps({"do": PRESS, "role": "push button", "name": "OK",
                                          "path": ok[0].path}))
        assert answer.get("done") is True, f"pressing OK: {answer}"
        harness.poll("the box to close", lambda: self.alerts() == [])


class ScreenReaderUse(unittest.TestCase):
    def setUp(self):
        self.s = ScreenReaderSession(BINARY, TITLE).__enter__()
        self.addCleanup(self.s.close)

    # Helpers

    def press(self, *names, keypad=SKIN):
        for name in names:
            self.s.press(name, keypad)

    def expect_display(self, text):
        harness.poll_equal("display text", self.s.display_text, text)

    def expect_no_box(self, seconds=0.5):
        """No message box shows up, neither on the X server nor on the accessibility bus."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertIsNone(self.s.other_window())
            self.assertEqual(self.s.alerts(), [])
            time.sleep(0.05)

    def expect_exit(self):
        self.assertEqual(self.s.wait_exit(5), 0)

    # Tests

    def test_every_key_is_a_named_button_with_a_press_action(self):
        nodes = self.s.actions()
        window = [node for node, _ in nodes if len(node.path) == 1]
        self.assertEqual([node.name for node in window], [TITLE])
        buttons = [(node, actions) for node, actions in nodes if node.role == "push button"]
        skin = [(node, actions) for node, actions in buttons if "focusable" not in node.states]
        hidden = [(node, actions) for node, actions in buttons if "focusable" in node.states]

        self.assertEqual(sorted(node.name for node, _ in skin), sorted(SKIN_NAMES))
        for node, actions in skin:
            with self.subTest(skin_key=node.name):
                self.assertEqual(actions, [PRESS])
                self.assertLessEqual({"enabled", "sensitive", "showing", "visible"},
                                     set(node.states))
        self.assertEqual(sorted(node.name for node, _ in hidden), sorted(BUTTON_NAMES))
        for node, actions in hidden:
            with self.subTest(button=node.name):
                self.assertIn(PRESS, actions)
                self.assertIn("sensitive", node.states)

        # The highlights are only the pictures of lit keys: nothing of their own.
        self.assertEqual([node for node, _ in nodes if node.role == "image"], [])

        displays = [node for node, _ in nodes if node.role == "text"]
        self.assertEqual([(node.name, node.text) for node in displays], [("Display", " ")])

    def test_seven_plus_five_on_the_skin(self):
        self.press("seven")
        self.expect_display(" 7")
        self.press("plus")
        self.expect_display(" 7")
        self.press("five")
        self.expect_display("5")
        self.press("equals")
        self.expect_display("12")
        # Pressing through the accessibility bus leaves the keyboard focus where it was.
        self.assertEqual(self.s.focused_name(), "About")
        self.press("Quit")
        self.expect_exit()

    def test_skin_gate_and_clear(self):
        # Closed since start-up: plus does nothing, so five is appended to the blank.
        self.press("plus", "five")
        self.expect_display(" 5")
        # A skin digit has opened it: plus now starts a new number.
        self.press("plus", "seven")
        self.expect_display("7")
        self.press("equals")
        self.expect_display("12")
        # The key named Clear clears; a click on its unlit picture would have entered a zero.
        self.press("Clear")
        self.expect_display("")
        # And it closes the gate again: the hidden digit does not open it, times is ignored.
        self.press("four", keypad=BUTTONS)
        self.expect_display("4")
        self.press("times", "three")
        self.expect_display("43")

    def test_point(self):
        point_button = lambda: self.s.key_node("point", BUTTONS)  # noqa: E731
        self.press("point")
        self.expect_display(" .")
        self.assertNotIn("sensitive", point_button().states, "the point button is disabled")
        self.press("point", "five")  # a second point in one entry does nothing
        self.expect_display(" .5")
        self.press("plus", "two", "equals")
        self.expect_display("2.5")
        self.assertIn("sensitive", point_button().states, "equals enables it again")

    def test_skin_equals_is_silent_where_the_button_shows_a_box(self):
        self.press("eight", "divided by", "zero")
        self.expect_display("0")
        self.press("equals")
        self.expect_no_box()
        self.assertEqual(self.s.display_text(), "0")
        # The hidden equals button fails the same division with a box, closed with its OK.
        self.press("equals", keypad=BUTTONS)
        box = harness.poll("the equals error box", self.s.alerts)
        self.assertEqual([top.name for top in box], [TITLE])
        self.assertIsNotNone(self.s.other_window(), "the box is a window of its own")
        self.s.press_ok(box[0])
        self.expect_display("0")

    def test_no_key_reaches_the_window_behind_the_about_box(self):
        self.press("About", keypad=BUTTONS)
        box = harness.poll("the About box", self.s.alerts)
        # A skin key runs while its action is asked for: had it run, the display would show it.
        self.press("seven")
        self.assertEqual(self.s.display_text(), " ")
        self.s.press_ok(box[0])
        self.press("seven")
        self.expect_display(" 7")

    def test_memory_buttons(self):
        self.press("five", keypad=BUTTONS)
        self.expect_display(" 5")
        self.press("memory plus", keypad=BUTTONS)
        self.press("three")  # memory add began a new entry
        self.expect_display("3")
        self.press("memory plus", "memory recall", keypad=BUTTONS)
        self.expect_display("8")
        self.press("clear memory", "memory recall", keypad=BUTTONS)
        self.expect_display("0")
        self.press("Quit", keypad=BUTTONS)
        self.expect_exit()


if __name__ == "__main__":
    harness.run_tests(globals(), "binary")
