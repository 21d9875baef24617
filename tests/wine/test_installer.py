# SPDX-License-Identifier: MIT
"""The Windows installer under Wine, in a prefix of its own: a silent install puts the program,
its licences, the Start menu shortcut and the uninstaller where they belong and registers the
uninstaller with Windows; the installed program starts and shows its window; a silent uninstall
leaves nothing behind.

Usage: test_installer.py --installer varnik-calculator-<version>-win64.exe --probe probe.exe
                         --layout layout.json [unittest options]
"""

import json
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wine_harness as harness  # noqa: E402

INSTALLER = PROBE = LAYOUT = None  # from the command line

PROGRAM_DIR = "Program Files/Varnik Calculator"
INSTALLED = ["LICENSE.txt", "OFL.txt", "Uninstall.exe", "varnik-calculator.exe"]
SHORTCUTS = "ProgramData/Microsoft/Windows/Start Menu/Programs/Varnik Calculator"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnik Calculator"
# Where the installer notes the Start menu folder it chose.
VENDOR_KEY = r"HKLM\Software\The Varnik Calculator developers\Varnik Calculator"


def tree(root):
    """Every file and folder under root, relative, without following links (a prefix links
    the user's folders to HOME). Temporary folders are left out: the uninstaller runs from a
    copy of itself there, which Windows removes at the next start."""
    found = set()
    for folder, folders, files in os.walk(root, followlinks=False):
        relative = os.path.relpath(folder, root)
        folders[:] = [f for f in folders if f.lower() != "temp"]
        found.update(os.path.normpath(os.path.join(relative, name)) for name in folders + files)
    return found


class Installer(unittest.TestCase):
    def setUp(self):
        with open(LAYOUT, encoding="utf-8") as file:
            title = json.load(file)["caption"]
        self.desktop = harness.Desktop(PROBE, title).__enter__()
        self.addCleanup(self.desktop.close)
        self.drive_c = os.path.join(self.desktop.env["WINEPREFIX"], "drive_c")

    def registry(self, key):
        """The values of a registry key as `reg query` prints them, or None without the key."""
        done = subprocess.run([self.desktop.loader, "reg", "query", key], env=self.desktop.env,
                              capture_output=True, text=True, timeout=60)
        return done.stdout if done.returncode == 0 else None

    def test_silent_install_run_and_uninstall(self):
        before = tree(self.drive_c)

        installer = self.desktop.wine(INSTALLER, "/S")
        self.assertEqual(installer.wait(120), 0, "the silent install")
        program_dir = os.path.join(self.drive_c, PROGRAM_DIR)
        self.assertEqual(sorted(os.listdir(program_dir)), INSTALLED)
        shortcuts = os.path.join(self.drive_c, SHORTCUTS)
        self.assertEqual(sorted(os.listdir(shortcuts)), ["Uninstall.lnk", "Varnik Calculator.lnk"])
        with open(os.path.join(shortcuts, "Varnik Calculator.lnk"), "rb") as link:
            target = link.read()
        self.assertTrue(b"varnik-calculator.exe" in target
                        or "varnik-calculator.exe".encode("utf-16-le") in target,
                        "the shortcut starts the program")
        registered = self.registry(UNINSTALL_KEY)
        self.assertIsNotNone(registered, "the uninstaller is registered")
        self.assertIn("Varnik Calculator", registered)
        self.assertIn(r"C:\Program Files\Varnik Calculator\Uninstall.exe", registered)
        self.assertIsNotNone(self.registry(VENDOR_KEY))

        program = self.desktop.start(os.path.join(program_dir, "varnik-calculator.exe"))
        harness.poll_equal("the display", program.display_text, " ")
        program.end()

        uninstaller = self.desktop.wine(os.path.join(program_dir, "Uninstall.exe"), "/S")
        self.assertEqual(uninstaller.wait(60), 0, "the silent uninstall")
        # It hands over to a copy of itself and returns at once: wait for the copy's work.
        harness.poll("the program folder to go", lambda: not os.path.exists(program_dir), 60)
        harness.poll("the shortcuts to go", lambda: not os.path.exists(shortcuts), 60)
        self.assertIsNone(self.registry(UNINSTALL_KEY), "the uninstaller's registration")
        self.assertIsNone(self.registry(VENDOR_KEY), "the Start menu folder's note")
        left = sorted(tree(self.drive_c) - before)
        self.assertEqual(left, [], "files left behind")


if __name__ == "__main__":
    harness.run_tests(globals(), "installer", "probe", "layout")
