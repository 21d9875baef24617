# SPDX-License-Identifier: MIT
"""End-to-end test: closing the window from its title bar ends the program.

There is no window manager on the private X server, so the test does what a window
manager's close box does: it sends the window a WM_DELETE_WINDOW client message. It talks
to the X server through libX11 (installed with xdotool) by ctypes: no extra package.

Usage: test_close_window_e2e.py --binary build/qt/varnik-calculator [unittest options]
"""

import ctypes
import ctypes.util
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

TITLE = "Varnik Calculator"
BINARY = None  # set from the command line
EXIT_LIMIT = 5.0  # seconds from the close request to the program's end
SEVEN, PLUS = (21, 126), (140, 56)  # skin keys' centres in window pixels

CLIENT_MESSAGE = 33  # X event type
NO_EVENT_MASK = 0  # sent to the client that created the window, as window managers do


class ClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessageEvent), ("pad", ctypes.c_long * 24)]


def _xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(XEvent)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


def send_delete_window(display_name, window):
    """Asks the window to close, as a window manager does when its close box is clicked."""
    xlib = _xlib()
    display = xlib.XOpenDisplay(display_name.encode())
    assert display, f"cannot open display {display_name}"
    try:
        event = XEvent()
        message = event.xclient
        message.type = CLIENT_MESSAGE
        message.window = window
        message.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", False)
        message.format = 32
        message.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", False)
        message.data[1] = 0  # CurrentTime
        assert xlib.XSendEvent(display, window, False, NO_EVENT_MASK, ctypes.byref(event))
        xlib.XFlush(display)
    finally:
        xlib.XCloseDisplay(display)


class CloseWindow(unittest.TestCase):
    def setUp(self):
        self.s = harness.Session(BINARY, TITLE).__enter__()
        self.addCleanup(self.s.close)

    def close_and_expect_exit(self):
        # A window manager offers the close box's message only to windows that ask for it.
        self.assertIn("WM_DELETE_WINDOW", self.s.xprop("WM_PROTOCOLS"))
        started = time.monotonic()
        send_delete_window(self.s.env["DISPLAY"], self.s.window)
        self.assertEqual(self.s.wait_exit(EXIT_LIMIT), 0)
        self.assertLess(time.monotonic() - started, EXIT_LIMIT)

    def test_closing_after_start_up(self):
        self.close_and_expect_exit()

    def test_closing_in_the_middle_of_a_calculation(self):
        self.s.click(*SEVEN)
        harness.poll_equal("display text", self.s.display_text, " 7")
        self.s.click(*PLUS)  # nothing is saved, nothing asks
        self.close_and_expect_exit()


if __name__ == "__main__":
    harness.run_tests(globals(), "binary")
