# SPDX-License-Identifier: MIT
"""The shared scenarios' driver (tests/scenarios) for a program on a private X desktop: the
Linux program (calculator_case.py) and the Windows one under Wine (../wine/test_wine_e2e.py).
Each verb is written here once, in terms of the few inputs and readings each harness gives."""

import skin_pictures
import x_desktop
from window_layout import bare, layout, link_centre, link_rect, skin, tab_order

# Long enough for the display's flash (150 ms) and the moment it takes to start.
FLASH_WATCH_MILLISECONDS = 1000


class DesktopDriver:
    """Mixed into a unittest.TestCase that starts the program for each test. The class that
    mixes it in provides:

        pointer_to(x, y), click_at(x, y, button, count), press_keys(*names)
        client_shot()          the client area as an x_desktop.Image
        display_text()         the display's text as a screen reader reads it
        focused_caption()      the caption of the focused control, or None
        buttons()              the hidden buttons as [(caption, enabled)]
        clipboard_text(), put_on_clipboard(text)
        message_box()          the open box as {"title", "prompt", "buttons"}, or None
        menu_open()            whether the context menu is open
        display_colours(key)   the colours a pixel of the display showed, in turn, from just
                               before key was pressed until FLASH_WATCH_MILLISECONDS later
        exit_status(limit)     the program's exit status once it has ended
    """

    pointer = None

    # Readings built on those

    def key_picture(self, key):
        """Which of the key's two pictures the screen shows: "normal", "highlight" or None."""
        return skin_pictures.picture(self.client_shot(), key)

    def lit_keys(self):
        shot = self.client_shot()
        return [key["action"] for key in layout()["skinKeys"]
                if skin_pictures.picture(shot, key["action"]) == "highlight"]

    def blue_link_pixels(self):
        """How many pixels of the web link's text are drawn in blue."""
        left, top, width, height = link_rect()
        shot = self.client_shot()
        return sum(b - max(r, g) > 100 for y in range(top, top + height)
                   for x in range(left, left + width) for r, g, b in [shot.at(x, y)])

    def click_skin(self, key):
        self.click_at(*skin(key)[0])

    def tab_to(self, caption):
        """Presses Tab as often as the Tab order of the enabled buttons needs to reach the
        button with this caption, then waits for the focus there."""
        enabled = {name for name, on in self.buttons() if on}
        cycle = [name for name in tab_order() if name in enabled]
        steps = (cycle.index(caption) - cycle.index(self.focused_caption())) % len(cycle)
        if steps:
            self.press_keys(*["Tab"] * steps)
        self.expect_focus(caption)

    # The scenarios' verbs (tests/scenarios/scenarios.py)

    def move(self, point):
        self.pointer = {"bare": bare, "link": link_centre}.get(point, lambda: skin(point)[0])()
        self.pointer_to(*self.pointer)

    def click_here(self, button=1):
        self.click_at(*self.pointer, button=button)

    def double_click_here(self):
        self.click_at(*self.pointer, count=2)

    def key(self, *names):
        self.press_keys(*names)

    def press_buttons(self, *captions):
        for caption in captions:
            self.tab_to(caption)
            self.press_keys("space")

    def walk_tab_cycle(self):
        enabled = {name for name, on in self.buttons() if on}
        cycle = [name for name in tab_order() if name in enabled]
        start = cycle.index(self.focused_caption())
        for caption in cycle[start + 1:] + cycle[:start + 1]:
            self.press_keys("Tab")
            self.expect_focus(caption)
        self.press_keys("shift+Tab")
        self.expect_focus(cycle[start - 1])

    def expect_display(self, text):
        x_desktop.poll_equal("the display's text", self.display_text, text)

    def expect_picture(self, key, kind):
        x_desktop.poll_equal(f"the picture of key {key}", lambda: self.key_picture(key), kind)

    def expect_lit(self, *keys):
        x_desktop.poll_equal("the lit keys", self.lit_keys, list(keys))

    def expect_focus_mark(self, key):
        x_desktop.poll_equal("the focus mark", lambda: skin_pictures.marked_keys(
            self.client_shot()), [key] if key else [])

    def expect_focus(self, caption):
        x_desktop.poll_equal("the focused control", self.focused_caption, caption)

    def expect_enabled(self, caption, enabled):
        x_desktop.poll_equal(f"button {caption!r} enabled", lambda: dict(self.buttons())[caption],
                             enabled)

    def expect_link(self, colour):
        x_desktop.poll_equal("the link's colour",
                             lambda: "blue" if self.blue_link_pixels() else "rest", colour)

    def expect_box(self, prompt):
        def seen():
            box = self.message_box()
            if box is None or prompt is None:
                return box
            opening = box["prompt"] if prompt == "" else box["prompt"][:len(prompt)]
            return {**box, "prompt": opening}

        expected = None if prompt is None else {"title": layout()["caption"], "prompt": prompt,
                                                "buttons": ["OK"]}
        x_desktop.poll_equal("the message box", seen, expected)

    def expect_menu(self, shown):
        x_desktop.poll_equal("the context menu open", self.menu_open, shown)

    def expect_flash(self, key):
        colours = self.display_colours(key)
        changes = [c for i, c in enumerate(colours) if i == 0 or c != colours[i - 1]]
        self.assertEqual(len(changes), 3, f"the display's colours in turn: {changes}")
        self.assertEqual(changes[0], changes[2], "the display's own colour comes back")
        self.assertLess(sum(changes[1]), sum(changes[0]), "it flashes darker")

    def offer_clipboard(self, text):
        self.put_on_clipboard(text)
        x_desktop.poll_equal("the offered clipboard", self.clipboard_text, text)

    def expect_clipboard(self, text):
        x_desktop.poll_equal("the clipboard", self.clipboard_text, text)

    def expect_ended(self):
        self.assertEqual(self.exit_status(10), 0)
