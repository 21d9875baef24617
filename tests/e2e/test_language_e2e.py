# SPDX-License-Identifier: MIT
"""End to end in the user's language: the real program on a private X server with the desktop's
language set as a desktop sets it (LANGUAGE), read back through the accessibility bus as a
screen reader reads it: the picture keys' and the display's names and the About box's text (the context menu's items are the widget tests'). An unknown language
gives English, and --language wins over the desktop.

Usage: test_language_e2e.py --binary build/qt/varnik-calculator [unittest options]
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

TITLE = "Varnik Calculator"
BINARY = None  # from the command line
ENGLISH_KEYS = {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "zero",
                "point", "plus", "minus", "times", "divided by", "equals", "Clear", "Quit"}
# A few of the Bengali names a screen reader speaks.
BENGALI_KEYS = {"সাত", "যোগ", "ভাগ", "সমান", "মুছুন", "সমাপ্ত"}


class Language(unittest.TestCase):
    def start(self, language, *args):
        session = harness.Session(BINARY, TITLE, program_env={"LANGUAGE": language},
                                  args=args).__enter__()
        self.addCleanup(session.close)
        return session

    def skin_key_names(self, session):
        return {node.name for node in session.tree() if node.role == "push button"
                and len(node.path) == 2 and "focusable" not in node.states}

    def test_bengali_desktop(self):
        s = self.start("bn")
        names = self.skin_key_names(s)
        self.assertEqual(len(names), 18)
        self.assertLessEqual(BENGALI_KEYS, names)
        self.assertEqual(names & ENGLISH_KEYS, set(), "every key's name is Bengali")
        self.assertEqual([node.name for node in s.tree() if node.role == "text"], ["ডিসপ্লে"])
        # The hidden buttons are named in the language too, their captions unchanged.
        self.assertIn("মেমরি মুছুন", {node.name for node in s.tree()
                                      if "focusable" in node.states})

        s.key("space")  # the About button has the focus
        box = harness.poll("the About box", lambda: next(
            (top for top in s.top_levels() if top.role == "alert"), None))
        self.assertEqual(box.name, TITLE, "the title stays")
        texts = [node.name for node in s.tree() if node.path[:1] == box.path
                 and node.role == "label" and node.name]
        self.assertTrue(any(text.startswith(TITLE + " \u09e7.") for text in texts), texts)

    def test_unknown_language_and_the_option(self):
        for language, args in (("xx", ()), ("bn", ("--language", "en"))):
            with self.subTest(language=language, args=args):
                self.assertEqual(self.skin_key_names(self.start(language, *args)), ENGLISH_KEYS)


if __name__ == "__main__":
    harness.run_tests(globals(), "binary")
