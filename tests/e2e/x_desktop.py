# SPDX-License-Identifier: MIT
"""What the tests that drive a real program on a private X server share, whether the program
is the Qt one (harness.py) or the Windows one under Wine (../wine/wine_harness.py): entering
and leaving a private session, polling with a time limit, pictures from screenshots and
bitmaps, the screen's pixels, a private Xvfb, clicks spaced so that two never make a
double-click, and running a test file's cases."""

import argparse
import ctypes
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from bitmaps import read_bmp  # noqa: E402 (as the site's builder reads the pictures)

PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def end_with_this_process():
    """Runs in a child before exec: it gets SIGTERM when the test dies, even killed."""
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def start_group(command, env, **kwargs):
    """Starts a process in a process group of its own, so that end_group() ends whatever it
    starts too; it also gets SIGTERM when the test dies."""
    return subprocess.Popen(command, env=env, start_new_session=True,
                            preexec_fn=end_with_this_process, **kwargs)


def end_group(process):
    """Ends the process's group (SIGTERM, then SIGKILL after 5 s) and waits for the process."""
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait(5)


class PrivateSession:
    """What a test starts for itself: a private folder and the processes started for it. A
    context manager: entering runs _start(); leaving, or a start that fails half way, runs
    _stop() (for what must end gently first) and then ends every process started, newest
    first, each with its process group, and removes the folder."""

    FOLDER_PREFIX = "varnik-"

    def __init__(self):
        self.work = None  # the private folder
        self._started = []

    def __enter__(self):
        self.work = tempfile.mkdtemp(prefix=self.FOLDER_PREFIX)
        os.chmod(self.work, 0o700)
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _start(self):
        raise NotImplementedError

    def _stop(self):
        pass

    def spawn(self, command, env, **kwargs):
        """Starts a process in a group of its own that close() ends, with all it started."""
        return self.adopt(start_group(command, env, **kwargs))

    def adopt(self, process):
        """Has close() end a process started elsewhere (in a group of its own)."""
        self._started.append(process)
        return process

    def close(self):
        try:
            if self.work:
                self._stop()
        finally:
            for process in reversed(self._started):
                end_group(process)
                for pipe in (process.stdin, process.stdout):
                    if pipe:
                        pipe.close()
            self._started = []
            if self.work:
                shutil.rmtree(self.work, ignore_errors=True)
                self.work = None


class PollTimeout(AssertionError):
    pass


class NotYet(Exception):
    """Raised by a probe whose answer is "not there yet" (no window, no clipboard owner, no
    object on the bus): poll() asks again, and shows the reason if time runs out."""


# What a probe may raise while the thing it reads is not there yet: a tool that exits non-zero
# or hangs because there is nothing to read (xclip with no clipboard owner, xdotool with no
# window, import with a window not yet mapped).
NOT_YET = (NotYet, subprocess.CalledProcessError, subprocess.TimeoutExpired)
_ANY = object()


def _seen(error):
    if isinstance(error, subprocess.CalledProcessError):
        said = (error.stderr or error.stdout or "").strip()
        return f"{error.cmd[0]} exited {error.returncode}" + (f": {said}" if said else "")
    return str(error) or type(error).__name__


def poll(what, probe, limit=10.0, interval=0.02, *, expected=_ANY):
    """Calls probe() until it returns something true (or equal to expected, when given) and
    returns that. A probe that raises one of NOT_YET has no answer yet. Fails only after limit
    seconds, with the last answer or reason seen; any other exception is a failure at once."""
    deadline = time.monotonic() + limit
    while True:
        try:
            last = probe()
            if last == expected if expected is not _ANY else last:
                return last
            seen = repr(last)
        except NOT_YET as error:
            seen = f"no answer yet ({_seen(error)})"
        if time.monotonic() > deadline:
            wanted = f"{expected!r}" if expected is not _ANY else "it"
            raise PollTimeout(f"timed out after {limit:g} s waiting for {what}: expected "
                              f"{wanted}, last seen {seen}")
        time.sleep(interval)


def poll_equal(what, probe, expected, limit=10.0):
    """Waits until probe() == expected (see poll)."""
    return poll(what, probe, limit, expected=expected)


def run(*command, env=None, timeout=10):
    return subprocess.run(command, env=env, check=True, capture_output=True, text=True,
                          timeout=timeout).stdout


class Image:
    """An RGB picture: rows of (r, g, b) tuples."""

    def __init__(self, width, height, pixels):
        self.width, self.height, self.pixels = width, height, pixels

    def at(self, x, y):
        return self.pixels[y * self.width + x]

    @staticmethod
    def from_bmp(path):
        """An uncompressed 24-bit BMP, as the key pictures are stored."""
        width, height, rows = read_bmp(path)
        return Image(width, height, [tuple(row[i:i + 3]) for row in rows
                                     for i in range(0, 3 * width, 3)])

    def differing(self, other, left, top):
        """How many of other's pixels differ from this picture's at (left, top) onwards."""
        return sum(self.at(left + x, top + y) != other.at(x, y)
                   for y in range(other.height) for x in range(other.width))

    def share_matching(self, other, left, top):
        """Share of other's pixels that equal this picture's at (left, top) onwards."""
        return 1 - self.differing(other, left, top) / (other.width * other.height)


class _XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, as far as reading a ZPixmap needs them.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong),
                ("blue_mask", ctypes.c_ulong)]


_X_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class XScreen:
    """The pixels of an X server's screen, read with XGetImage through libX11: a screenshot
    in a few milliseconds, where a run of ImageMagick's import takes a third of a second."""

    _xlib = None
    # Xlib's default handler ends the process on an X error; XGetImage then answers nothing.
    _on_error = _X_ERROR_HANDLER(lambda display, event: 0)

    def __init__(self, display_name):
        if XScreen._xlib is None:
            xlib = ctypes.CDLL("libX11.so.6")
            xlib.XOpenDisplay.restype = ctypes.c_void_p
            xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
            xlib.XDefaultRootWindow.restype = ctypes.c_ulong
            xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
            xlib.XGetImage.restype = ctypes.POINTER(_XImage)
            xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
            xlib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
            xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
            xlib.XSetErrorHandler.argtypes = [_X_ERROR_HANDLER]
            xlib.XSetErrorHandler.restype = ctypes.c_void_p
            uint = ctypes.POINTER(ctypes.c_uint)
            xlib.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                          ctypes.POINTER(ctypes.c_ulong),
                                          ctypes.POINTER(ctypes.c_int),
                                          ctypes.POINTER(ctypes.c_int), uint, uint, uint, uint]
            xlib.XSetErrorHandler(XScreen._on_error)
            XScreen._xlib = xlib
        self._display = XScreen._xlib.XOpenDisplay(display_name.encode())
        assert self._display, f"cannot open X display {display_name}"
        self._root = XScreen._xlib.XDefaultRootWindow(self._display)

    def size(self, window):
        """A window's width and height."""
        root, number = ctypes.c_ulong(), [ctypes.c_int() for _ in range(2)]
        sizes = [ctypes.c_uint() for _ in range(4)]
        if not XScreen._xlib.XGetGeometry(self._display, window, ctypes.byref(root),
                                          *map(ctypes.byref, number + sizes)):
            raise NotYet(f"no window {window}")
        return sizes[0].value, sizes[1].value

    def grab(self, left, top, width, height, window=None):
        """The pixels the screen shows in a rectangle of the screen, or of a window, as an
        Image."""
        ZPIXMAP, ALL_PLANES = 2, 0xFFFFFFFFFFFFFFFF
        image = XScreen._xlib.XGetImage(self._display, window or self._root, left, top, width,
                                        height, ALL_PLANES, ZPIXMAP)
        if not image:  # a window not (yet) mapped, or a rectangle off the screen
            raise NotYet(f"no pixels at {width}x{height}+{left}+{top}")
        try:
            x = image.contents
            assert x.bits_per_pixel == 32 and x.byte_order == 0 and x.red_mask == 0xFF0000, \
                "expected 24-bit colour in 32-bit pixels, blue first"
            stride = x.bytes_per_line  # read before the image is freed below
            data = ctypes.string_at(x.data, stride * height)
        finally:
            XScreen._xlib.XDestroyImage(image)
        pixels = []
        for row in range(height):
            line = data[row * stride:row * stride + 4 * width]
            pixels += zip(line[2::4], line[1::4], line[0::4])
        return Image(width, height, pixels)

    def close(self):
        if self._display:
            XScreen._xlib.XCloseDisplay(self._display)
            self._display = None


def start_xvfb(screen, dpi=96, env=None):
    """Starts Xvfb on a free display; returns the process and the display's name once it
    takes clients.

    Display numbers are drawn at random from a high range: sandboxes that share this
    machine's network namespace share the abstract X socket names too, and the low numbers
    are the busy ones.
    """
    for _ in range(20):
        number = random.randrange(100, 1000)
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            # No reset when the last client leaves: a short visit by another client would
            # make it refuse the program's connection for a moment.
            ["Xvfb", f":{number}", "-displayfd", str(write_end), "-nolisten", "tcp",
             "-noreset", "-screen", "0", screen, "-dpi", str(dpi)],
            env=env, pass_fds=(write_end,), stderr=subprocess.DEVNULL,
            start_new_session=True, preexec_fn=end_with_this_process)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            written = pipe.readline().strip()  # nothing when the display was taken
        if written == str(number):
            return xvfb, f":{number}"
        xvfb.wait(5)
    raise AssertionError("found no free X display")


class ClickPacer:
    """Two clicks within the desktop's double-click time and distance make a double-click:
    before a click that would join the last one, wait the time out."""

    def __init__(self, seconds, pixels):
        self.seconds, self.pixels = seconds, pixels
        self._last = None  # (x, y, monotonic time)

    def before(self, x, y):
        if self._last:
            last_x, last_y, when = self._last
            waited = time.monotonic() - when
            if (abs(x - last_x) <= self.pixels and abs(y - last_y) <= self.pixels
                    and waited <= self.seconds):
                time.sleep(self.seconds + 0.05 - waited)

    def clicked(self, x, y):
        self._last = (x, y, time.monotonic())


def run_tests(module_globals, *paths):
    """Runs the calling test file's unittest cases. Takes the --<path> options it names (for
    example "binary", "assets") from the command line into the module's globals BINARY,
    ASSETS …, as absolute paths, and passes the rest of the command line to unittest."""
    parser = argparse.ArgumentParser()
    for name in paths:
        parser.add_argument(f"--{name}", required=True)
    args, rest = parser.parse_known_args()
    for name in paths:
        module_globals[name.upper()] = os.path.abspath(getattr(args, name))
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
