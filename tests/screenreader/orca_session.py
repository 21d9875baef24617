# SPDX-License-Identifier: MIT
"""A private desktop with the real screen reader Orca in it, and what Orca says.

Xvfb, a window manager, one private session bus (the accessibility bus is started on it),
speech-dispatcher with espeak-ng sounding into ALSA's null device, and Orca writing its debug
log, all in a temporary HOME. What Orca says is read from the log's "SPEECH OUTPUT" lines.
Only one Orca may run per user: a session waits until no other one runs.

    orca = OrcaSession("bn", locales)
    mark = orca.mark()
    ...  # drive a program on orca.env's display
    orca.expect(mark, "12")
    orca.close()
"""

import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from x_desktop import (  # noqa: E402,F401 (end_group: what the tests use through this module)
    PollTimeout, PrivateSession, end_group, poll, start_xvfb)

# Orca's log is block-buffered; the tests read it while Orca runs.
CUSTOMIZATIONS = """import orca.debug
orca.debug.debugFile.reconfigure(line_buffering=True)
"""
# Orca freezes in its first utterance when speech-dispatcher has no sound device.
ASOUNDRC = "pcm.!default { type null }\n"
SPEECH_LINE = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")
# Orca takes one to three seconds per event on two busy cores.
SPEECH_LIMIT = 60.0


def spoken_form(text):
    """What was said, without the blanks and the final stop Orca adds ("12." is "12")."""
    return text.strip().rstrip(".").strip()


def bengali_locale(folder):
    """A LOCPATH holding bn_BD.UTF-8, built with localedef when the system lacks it; None when
    the system has it."""
    have = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    if "bn_BD.utf8" in have or "bn_BD.UTF-8" in have:
        return None
    if not os.path.isdir(os.path.join(folder, "bn_BD.UTF-8")):
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["localedef", "-i", "bn_BD", "-f", "UTF-8",
                        os.path.join(folder, "bn_BD.UTF-8")], check=True, capture_output=True)
    return folder


class OrcaSession(PrivateSession):
    """Orca on a private desktop, in English ("en") or Bengali ("bn"), from its start to
    close()."""

    FOLDER_PREFIX = "varnik-orca-"

    def __init__(self, language, locale_dir):
        super().__init__()
        self.language, self.locale_dir = language, locale_dir
        self._offset = 0
        self.spoken = []  # every text Orca said, in order
        self.__enter__()

    @property
    def root(self):
        return self.work

    def spawn(self, command, env=None, **kwargs):
        """Starts a process of the test in a group of its own, ended with the session."""
        return super().spawn(command, env or self.env, **kwargs)

    def _start(self):
        home, runtime = os.path.join(self.root, "home"), os.path.join(self.root, "runtime")
        config = os.path.join(home, ".config", "speech-dispatcher")
        os.makedirs(config)
        os.makedirs(os.path.join(runtime, "speech-dispatcher"))
        os.chmod(runtime, 0o700)
        with open(os.path.join(home, ".asoundrc"), "w", encoding="ascii") as file:
            file.write(ASOUNDRC)
        shutil.copy("/etc/speech-dispatcher/speechd.conf", config)
        with open(os.path.join(config, "speechd.conf"), "a", encoding="ascii") as file:
            file.write('\nAudioOutputMethod "alsa"\n')
        self.prefs = os.path.join(self.root, "orca")
        os.makedirs(self.prefs)
        with open(os.path.join(self.prefs, "orca-customizations.py"), "w",
                  encoding="ascii") as file:
            file.write(CUSTOMIZATIONS)
        self.log = os.path.join(self.root, "orca.log")

        env = {k: v for k, v in os.environ.items() if k in ("PATH", "USER", "LOGNAME")}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime)
        if self.language == "bn":
            env.update(LANG="bn_BD.UTF-8", LANGUAGE="bn")
            locales = bengali_locale(self.locale_dir)
            if locales:
                env["LOCPATH"] = locales
        else:
            env.update(LANG="C.UTF-8", LANGUAGE="en")
        xvfb, env["DISPLAY"] = start_xvfb("1024x768x24", env=env)
        self.adopt(xvfb)
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        bus.stdout.close()
        assert env["DBUS_SESSION_BUS_ADDRESS"], "dbus-daemon did not start"
        self.env = env
        self.spawn(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The accessibility bus and its registry, activated on the session bus.
        subprocess.run(["/usr/bin/python3", "-c",
                        "import pyatspi; pyatspi.Registry.getDesktop(0)"],
                       env=env, check=True, timeout=30, capture_output=True)
        # In the foreground, so that it ends with the session (Orca would start a daemon).
        self.spawn(["speech-dispatcher", "--run-single", "--timeout", "0",
                    "--communication-method", "unix_socket", "--socket-path", "default"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll("speech-dispatcher's socket", lambda: os.path.exists(
            os.path.join(runtime, "speech-dispatcher", "speechd.sock")), 30)

        uid = str(os.getuid())
        poll("the user's other Orca to end", lambda: subprocess.run(
            ["pgrep", "-u", uid, "-x", "orca"], capture_output=True).returncode == 1, 60)
        self.orca = self.spawn(["orca", "-u", self.prefs, f"--debug-file={self.log}",
                                "-d", "braille"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll("Orca's first words", lambda: self._running() and self._read(), SPEECH_LIMIT)

    def _running(self):
        assert self.orca.poll() is None, f"Orca ended with status {self.orca.returncode}"
        return True

    def _read(self):
        """Takes what Orca has said since the last read into self.spoken; True if anything."""
        if not os.path.exists(self.log):
            return False
        with open(self.log, "rb") as file:
            file.seek(self._offset)
            data = file.read()
        complete = data[:data.rfind(b"\n") + 1]  # a line still being written waits
        self._offset += len(complete)
        before = len(self.spoken)
        self.spoken += SPEECH_LINE.findall(complete.decode("utf-8", errors="replace"))
        return len(self.spoken) > before

    def mark(self):
        """Where what Orca says next begins in self.spoken."""
        self._read()
        return len(self.spoken)

    def expect(self, since, wanted, what=None, prefix=False):
        """Waits until Orca says `wanted` after mark `since` (the whole utterance, or one that
        begins with it and a blank when `prefix`); returns the mark after it."""
        def said():
            self._running()
            self._read()
            for at in range(since, len(self.spoken)):
                text = spoken_form(self.spoken[at])
                if text == wanted or (prefix and text.startswith(wanted + " ")):
                    return at + 1
            return None

        try:
            return poll(what or repr(wanted), said, SPEECH_LIMIT, 0.1)
        except PollTimeout:
            heard = [spoken_form(text) for text in self.spoken[since:]][-30:]
            raise AssertionError(f"Orca did not say {wanted!r} ({what}); it said {heard}") \
                from None
