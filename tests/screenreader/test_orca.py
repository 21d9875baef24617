# SPDX-License-Identifier: MIT
"""A blind user's calculation with the real screen reader Orca, in one language: the Linux
program, then the page in Chromium, read back from what Orca says (its debug log).

7 + 5 Enter speaks 12, Escape the blank display, Tab the buttons' names in words, 1 / 0 Enter
why it failed; on the page the typed digits reach the calculator (Orca's browse mode would
take 1 to 6 for its own navigation).

Usage: test_orca.py --program build/test/qt/varnik-calculator --site build/web/site
                    --locales DIR --language en|bn
"""

import argparse
import os
import re
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import OrcaSession, end_group  # noqa: E402

SERVER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                      "serve_site.js")

# What Orca is to say, in the program's language: the catalogue's words (po/bn.po).
WORDS = {
    "en": {"about": "About", "blank": "blank", "reason": "Cannot divide by zero",
           "tab": ["memory plus", "memory minus", "memory recall", "divided by"]},
    "bn": {"about": "পরিচিতি", "blank": "ফাঁকা", "reason": "শূন্য দিয়ে ভাগ করা যায় না",
           "tab": ["মেমরি যোগ", "মেমরি বিয়োগ", "মেমরি দেখান", "ভাগ"]},
}

ARGS = None  # from the command line


class Calculation(unittest.TestCase):
    """One Orca for both front ends: only one may run per user, and it takes a while to start."""

    @classmethod
    def setUpClass(cls):
        cls.words = WORDS[ARGS.language]
        cls.orca = OrcaSession(ARGS.language, ARGS.locales)

    @classmethod
    def tearDownClass(cls):
        cls.orca.close()

    def start(self, command, **kwargs):
        process = self.orca.spawn(command, **kwargs)
        self.addCleanup(self.end, process)
        return process

    @staticmethod
    def end(process):
        end_group(process)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], env=self.orca.env,
                       check=True, timeout=30)

    def calculate(self, mark, result_said):
        """The calculation and the walk both front ends answer alike; returns the next mark."""
        w = self.words
        self.keys("7", "plus", "5", "Return")
        mark = self.orca.expect(mark, result_said("12"), "the result")
        self.keys("Escape")
        mark = self.orca.expect(mark, w["blank"], "the blank display")
        for name in w["tab"]:
            self.keys("Tab")
            mark = self.orca.expect(mark, name, f"the button {name} in words", prefix=True)
        self.keys("1", "slash", "0", "Return")
        mark = self.orca.expect(mark, w["reason"], "why the division failed")
        self.keys("Return")  # closes the box
        return mark

    def test_the_program(self):
        mark = self.orca.mark()
        env = dict(self.orca.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # Qt complains when Orca is slow to answer for a key; it goes on all the same.
        self.start([ARGS.program], env=env, stderr=subprocess.DEVNULL)
        mark = self.orca.expect(mark, self.words["about"], "the focus on About", prefix=True)
        self.calculate(mark, lambda number: number)

    def test_the_page(self):
        server = self.start(["node", SERVER, ARGS.site, "0"], stdout=subprocess.PIPE, text=True)
        url = re.search(r"http://\S+/", server.stdout.readline()).group(0)
        server.stdout.close()
        mark = self.orca.mark()
        self.start(["chromium", "--no-sandbox", "--force-renderer-accessibility",
                    f"--user-data-dir={os.path.join(self.orca.root, 'chromium')}",
                    "--no-first-run", "--no-default-browser-check", "--password-store=basic",
                    # Its offer to translate a Bengali page would be one more window to read.
                    "--disable-features=Translate",
                    "--window-size=900,800", f"{url}?lang={ARGS.language}"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        mark = self.orca.expect(mark, self.words["about"], "the focus on About", prefix=True)
        # 1 and 2 are browse mode's heading keys: heard back, they reached the calculator.
        self.keys("1", "2")
        mark = self.orca.expect(mark, "12", "the typed digits")
        self.keys("Escape")
        self.calculate(mark, lambda number: number)


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--site", required=True)
    parser.add_argument("--locales", required=True, help="where a Bengali locale may be built")
    parser.add_argument("--language", choices=sorted(WORDS), required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.program, ARGS.site = os.path.abspath(ARGS.program), os.path.abspath(ARGS.site)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
