# SPDX-License-Identifier: MIT
"""The common ground of the end-to-end tests: one private desktop per test process, the program
started in it, and checks phrased as what a person sees."""

import atexit
import datetime
import os
import unittest
import urllib.parse

from . import program as program_module
from .access import Role, ScreenReader, role_name
from .program import Program
from .screen import BOX_CAPTION, WINDOW_CAPTION, Screen
from .session import DesktopSession
from .waiting import wait_until


class Config:
    executable = None
    main_site = None  # "https://host", as the program was built
    help_site = None
    product_site = None


def pages():
    """Every fixed address the program opens, by opener."""
    return {
        "home": Config.main_site + "/",
        "softwares": Config.main_site + "/velmorasoftwares",
        "help": Config.product_site + "/kv-free-dwellstar-help.html",
        "download": Config.product_site + "/download-kv-free-dwellstar.html",
        "donate": Config.help_site + "/donate.html",
        "full brand": Config.help_site + "/fully-branded.html",
        "co-brand": Config.help_site + "/co-brand.html",
    }


def referral_address(sender, email, message, friend, friend_email):
    values = [sender, email, message, friend, friend_email, Config.product_site + "/"]
    query = "&".join(f"taf{i}={urllib.parse.quote(v, safe='-._~')}"
                     for i, v in enumerate(values, start=1))
    return f"{Config.main_site}/kvvs-refer-a-friend.php?{query}"


class _Nothing:
    """Stands for a window that is not there: it holds nothing."""

    def find(self, *args, **kwargs):
        return None

    def find_all(self, *args, **kwargs):
        return []


Nothing = _Nothing()

_session = None


def desktop():
    global _session
    if _session is None:
        _session = DesktopSession("suite").start()
        atexit.register(stop_desktop)
    return _session


def stop_desktop():
    global _session
    if _session is not None:
        _session.stop()
        _session = None


class ProgramTest(unittest.TestCase):
    """Each test starts with fresh settings and an empty launcher record; every program it
    started is ended afterwards, whatever happened."""

    maxDiff = None

    def setUp(self):
        self.session = desktop()
        self.screen = Screen(self.session)
        self.programs = []
        for leftover in (program_module.settings_path(self.session), self.session.opened_log):
            try:
                os.remove(leftover)
            except FileNotFoundError:
                pass
        self.addCleanup(self._end_programs)

    def _end_programs(self):
        for started in self.programs:
            started.kill()
        wait_until(lambda: not self.screen.windows(), "every window to go away after the test",
                   self.screen.describe, timeout=10)

    # -- starting ------------------------------------------------------------------------------

    def start(self, expect_input_window=True, language=None, first_name="First Name"):
        started = Program(self.session, Config.executable).start(language=language)
        self.programs.append(started)
        self.program = started
        self.reader = ScreenReader(self.session, started.pid)
        if expect_input_window:
            self.wait_for_windows(["input window"])
            self.wait_for_focus(first_name)
        return started

    def reader_for(self, started):
        return ScreenReader(self.session, started.pid)

    # -- looking -------------------------------------------------------------------------------

    def seen(self):
        """Everything a failure message should tell: the screen, the program's own view, and the
        addresses the launcher got."""
        parts = [f"on screen: {self.screen.describe()}"]
        if getattr(self, "program", None) is not None:
            state = "running" if self.program.running() else f"ended ({self.program.exit_code()})"
            parts.append(f"program {state}")
            try:
                parts.append("through AT-SPI:\n" + self.reader.describe())
            except Exception as error:
                parts.append(f"AT-SPI unreadable: {error!r}")
            if not self.program.running():
                parts.append("program output: " + self.program.output())
        parts.append(f"launcher got: {self.session.opened_addresses()}")
        return "\n".join(parts)

    def wait_for_windows(self, kinds, active=None):
        """Waits until exactly these windows are on screen (by kind, any order), each with its
        caption, and the last of them (or `active`) holding the keyboard."""
        wanted = sorted(kinds)
        active = active or (kinds[-1] if kinds else None)

        def matches():
            shown = self.screen.windows()
            if sorted(w.kind for w in shown) != wanted:
                return None
            for window in shown:
                caption = BOX_CAPTION if window.kind == "message box" else WINDOW_CAPTION
                if window.title != caption:
                    return None
            if active and not any(w.active and w.kind == active for w in shown):
                return None
            return shown
        return wait_until(matches, f"exactly {wanted} on screen with {active!r} active",
                          self.seen)

    def window_node(self, kind):
        """The program's showing window of this kind, read through AT-SPI."""
        signature = {
            "input window": (Role.TEXT, "First Name"),
            "result window": (Role.PUSH_BUTTON, "Back"),
            "exit window": (Role.PUSH_BUTTON, "Refer A Friend Now"),
            "about window": (Role.PUSH_BUTTON, "OK"),
        }[kind]
        for window in self.reader.windows():
            if window.find(*signature) is not None:
                return window
        return None

    def read_window(self, kind):
        return wait_until(lambda: self.window_node(kind), f"the {kind} through AT-SPI", self.seen)

    def focused(self):
        for window in self.reader.windows():
            for node in window.walk():
                if node.focused and node.role not in (Role.FRAME, Role.FILLER, Role.PANEL,
                                                      Role.ALERT, Role.DIALOG, Role.MENU_BAR):
                    return node
        return None

    def wait_for_focus(self, says):
        """Waits until the control that holds the keyboard is the one named `says`."""
        def there():
            node = self.focused()
            return node if node is not None and node.says == says else None
        return wait_until(there, f"the keyboard focus on {says!r}", self.seen)

    def message_box(self, text):
        """Waits for a message box with this text, titled with the program's name, holding the
        keyboard, and read by a screen reader as an alert; returns its AT-SPI node."""
        self.wait_for_windows(self.kinds_behind_box() + ["message box"], active="message box")

        def alert():
            for window in self.reader.windows():
                if window.role == Role.ALERT and window.name == BOX_CAPTION:
                    labels = [n.name for n in window.find_all(Role.LABEL) if n.name]
                    if text in labels:
                        return window
            return None
        return wait_until(alert, f"an alert {BOX_CAPTION!r} saying {text!r}", self.seen)

    def kinds_behind_box(self):
        return [w.kind for w in self.screen.windows() if w.kind != "message box"]

    def answer(self, key="Return"):
        """Closes the message box with the keyboard."""
        self.screen.keys(key)
        wait_until(lambda: not [w for w in self.screen.windows() if w.kind == "message box"],
                   "the message box to close", self.seen)

    def text_of(self, window_kind, name, role=Role.TEXT):
        node = self.read_window(window_kind).find(role, name)
        self.assertIsNotNone(
            node, f"no {role_name(role)} {name!r} in the {window_kind}; {self.seen()}")
        return node.text

    def wait_for_opened(self, count):
        return wait_until(lambda: len(self.session.opened_addresses()) >= count and
                          self.session.opened_addresses(),
                          f"{count} address(es) at the launcher", self.seen)

    def wait_for_end(self, started=None):
        started = started or self.program
        wait_until(lambda: not started.running(), "the program to end", self.seen)
        return started.exit_code()

    # -- hands ---------------------------------------------------------------------------------

    def click_node(self, node, what, button=1, repeat=1):
        extents = node.extents()
        self.assertTrue(extents and extents[2] > 0 and extents[3] > 0,
                        f"{what} has no place on screen; {self.seen()}")
        x, y, width, height = extents
        self.screen.click(x + width // 2, y + height // 2, button, repeat)

    def pick(self, month=None, day=None, year=None):
        """Picks the date by typing into the lists, as a person does: from the month list, with
        Tab from one list to the next. A part left out is passed over."""
        for part, says in ((month, "Date Of Birth: Month"), (day, "Date Of Birth: Day"),
                           (year, "Date Of Birth: Year")):
            self.wait_for_focus(says)
            if part is not None:
                self.screen.type(str(part))
            if says != "Date Of Birth: Year":
                self.screen.keys("Tab")


def today():
    return datetime.date.today()
