# SPDX-License-Identifier: MIT
"""Starting the real executable inside a session, and its one stored setting."""

import datetime
import os
import urllib.parse

SETTINGS_FILE = "kv-dwellstar.conf"
_SHIFT = 85


def shifted(text):
    return "".join(chr(ord(c) + _SHIFT) for c in text)


class Program:
    def __init__(self, session, executable):
        self.session = session
        self.executable = executable
        self.process = None
        self.log_name = None

    def start(self, tag="program", language=None):
        env = dict(self.session.env)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_ACCESSIBILITY": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        if language:
            env["LANG"] = language
        self.log_name = f"{tag}-{len(os.listdir(self.session.root))}.log"
        self.process = self.session.spawn(tag, [self.executable], env=env, log_name=self.log_name)
        return self

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process is not None and self.process.poll() is None

    def exit_code(self):
        return None if self.process is None else self.process.poll()

    def kill(self):
        if self.process is not None and self.process.poll() is None:
            self.session.end(self.process)

    def output(self):
        try:
            with open(self.session.path(self.log_name), encoding="utf-8", errors="replace") as log:
                text = log.read()
        except (OSError, TypeError):
            return "(no output)"
        return text[-1500:] if text.strip() else "(no output)"


def settings_path(session):
    return os.path.join(session.config_home, SETTINGS_FILE)


def write_reminder_date(session, date):
    """Stores the reminder date the way the program keeps it: key and value shifted, the key
    percent-encoded by the settings file format, the value as UTF-8."""
    key = urllib.parse.quote(shifted("Duration").encode("latin-1"), safe="")
    os.makedirs(session.config_home, exist_ok=True)
    with open(settings_path(session), "w", encoding="utf-8") as settings:
        settings.write(f"[Settings]\n{key}={shifted(date.isoformat())}\n")


def read_reminder_date(session):
    """The stored reminder date, or None when there is none or it does not read as a date."""
    key = urllib.parse.quote(shifted("Duration").encode("latin-1"), safe="")
    try:
        with open(settings_path(session), encoding="utf-8") as settings:
            lines = settings.read().split("\n")  # not splitlines: U+0085 is a shifted "0"
    except FileNotFoundError:
        return None
    for line in lines:
        name, _, value = line.partition("=")
        if name == key:
            text = "".join(chr(ord(c) - _SHIFT) for c in value)
            try:
                return datetime.date.fromisoformat(text)
            except ValueError:
                return None
    return None


def settings_text(session):
    try:
        with open(settings_path(session), encoding="utf-8", errors="replace") as settings:
            return settings.read()
    except FileNotFoundError:
        return "(no settings file)"
