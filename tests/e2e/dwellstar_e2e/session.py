# SPDX-License-Identifier: MIT
"""A private desktop session: Xvfb, openbox, a D-Bus session bus with the AT-SPI bus, private
HOME and XDG folders, and a fake `xdg-open` that records the addresses it is asked to open.

Everything started here carries a marker in its environment, so that teardown can find and end
whatever was left behind (a browser launcher, a bus activated service), and nothing else.
"""

import ctypes
import ctypes.util
import os
import shlex
import shutil
import signal
import stat
import subprocess
import tempfile
import time

from .waiting import wait_until

MARKER = "DWELLSTAR_E2E_SESSION"
PREFIX = "dwellstar-e2e-"
RUNNER_FILE = "runner.pid"
WM_STARTED_FILE = "window-manager.started"

FAKE_XDG_OPEN = """#!/bin/sh
# Records each address instead of opening a browser: one line per call, arguments tab-separated.
( IFS='	'; printf '%s\\n' "$*" ) >> "$DWELLSTAR_E2E_OPENED"
"""


UNCACHED_FONTS_CONFIG = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <cachedir>{cache}</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
"""

# Letters the tests type that a US keymap lacks. Bound to spare keys before anything starts:
# xdotool would otherwise remap a key for each of them while typing, a race the program can lose.
EXTRA_KEYSYMS = ("ediaeresis", "eacute")


class SessionError(RuntimeError):
    pass


class DesktopSession:
    def __init__(self, name, screen="1280x1024x24", fonts_uncached=False):
        self.name = name
        self.screen = screen
        self.fonts_uncached = fonts_uncached
        self.root = None
        self.env = None
        self.display = None
        self.accessibility_bus = None
        self._groups = []  # (description, Popen) whose process groups we own

    # -- life cycle -------------------------------------------------------------------------

    def start(self):
        sweep_abandoned_sessions()
        try:
            self._prepare_folders()
            self._start_xvfb()
            self._add_keys(EXTRA_KEYSYMS)
            self._start_session_bus()
            self._start_accessibility_bus()
            self._start_window_manager()
        except BaseException:
            self.stop()
            raise
        return self

    def stop(self):
        """Ends every process of the session, whatever state it is in, and removes its files."""
        for _, process in reversed(self._groups):
            _signal_group(process, signal.SIGTERM)
        deadline = time.monotonic() + 3
        for _, process in reversed(self._groups):
            try:
                process.wait(timeout=max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                pass
            _signal_group(process, signal.SIGKILL)
            try:
                process.wait(timeout=2)
            except subprocess.TimeoutExpired:
                pass
        self._groups.clear()
        if self.root:
            for pid in self.marked_processes():
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            if not os.environ.get("DWELLSTAR_E2E_KEEP"):
                shutil.rmtree(self.root, ignore_errors=True)
            self.root = None

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()
        return False

    # -- helpers for the tests --------------------------------------------------------------

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    @property
    def config_home(self):
        return self.path("config")

    @property
    def opened_log(self):
        return self.path("opened.log")

    def opened_addresses(self):
        """Every address the fake launcher was asked to open, in order."""
        try:
            with open(self.opened_log, encoding="utf-8") as log:
                return [line.rstrip("\n") for line in log]
        except FileNotFoundError:
            return []

    def spawn(self, description, args, env=None, log_name=None, **kwargs):
        """Starts a process in a process group of its own, owned by the session."""
        log = open(self.path(log_name or f"{description}.log"), "ab")
        try:
            process = subprocess.Popen(
                args, env=env or self.env, stdin=subprocess.DEVNULL,
                stdout=kwargs.pop("stdout", log), stderr=log, start_new_session=True,
                preexec_fn=_die_with_parent, **kwargs)
        finally:
            log.close()
        self._groups.append((description, process))
        return process

    def end(self, process, sig=signal.SIGKILL):
        """Ends one process group started by `spawn`."""
        _signal_group(process, sig)
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            _signal_group(process, signal.SIGKILL)
            process.wait(timeout=5)
        self._groups = [(d, p) for d, p in self._groups if p is not process]

    def marked_processes(self):
        """Live processes that carry this session's marker (never this test process)."""
        return _marked_processes(self.root)

    def show_plain_window(self, width, height):
        """Maps a bare window from a client of its own, as a program would."""
        return PlainWindow(self.display, width, height)

    def run(self, args, **kwargs):
        """Runs a short command inside the session and returns its output."""
        result = subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                                text=True, timeout=kwargs.pop("timeout", 20), **kwargs)
        return result

    # -- the pieces ---------------------------------------------------------------------------

    def _prepare_folders(self):
        self.root = tempfile.mkdtemp(prefix=f"{PREFIX}{self.name}-")
        with open(self.path(RUNNER_FILE), "w", encoding="utf-8") as runner:
            runner.write(str(os.getpid()))
        for folder in ("home", "config", "data", "cache", "state", "runtime", "bin"):
            os.makedirs(self.path(folder), exist_ok=True)
        os.chmod(self.path("runtime"), stat.S_IRWXU)
        launcher = self.path("bin", "xdg-open")
        with open(launcher, "w", encoding="utf-8") as script:
            script.write(FAKE_XDG_OPEN)
        os.chmod(launcher, stat.S_IRWXU)
        self.env = {
            "PATH": f"{self.path('bin')}:/usr/local/bin:/usr/bin:/bin",
            "HOME": self.path("home"),
            "USER": os.environ.get("USER") or "e2e",
            "LANG": "C.UTF-8",
            "XDG_CONFIG_HOME": self.config_home,
            "XDG_DATA_HOME": self.path("data"),
            "XDG_CACHE_HOME": self.path("cache"),
            "XDG_STATE_HOME": self.path("state"),
            "XDG_RUNTIME_DIR": self.path("runtime"),
            "XDG_DATA_DIRS": "/usr/local/share:/usr/share",
            "XDG_CONFIG_DIRS": "/etc/xdg",
            "DWELLSTAR_E2E_OPENED": self.opened_log,
            MARKER: self.root,
        }
        if self.fonts_uncached:
            self.env["FONTCONFIG_FILE"] = self._write_uncached_fonts_config()

    def _write_uncached_fonts_config(self):
        """The system's fonts without the system's font caches: every program of the session
        reads the fonts afresh when it starts, as where those caches are out of date and the
        user may not rewrite them."""
        path = self.path("fonts.conf")
        with open(path, "w", encoding="utf-8") as config:
            config.write(UNCACHED_FONTS_CONFIG.format(cache=self.path("cache", "fonts")))
        return path

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        try:
            self.spawn("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen,
                                "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        finally:
            os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number.isdigit():
            raise SessionError(f"Xvfb did not report a display; log: {self._log('xvfb')}")
        self.display = f":{number}"
        self.env["DISPLAY"] = self.display

    def _add_keys(self, keysym_names):
        x11 = _xlib()
        display = x11.XOpenDisplay(self.display.encode())
        if not display:
            raise SessionError(f"cannot open {self.display} to add keys")
        try:
            low, high = ctypes.c_int(), ctypes.c_int()
            x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
            count = high.value - low.value + 1
            per_key = ctypes.c_int()
            table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per_key))
            spare = [low.value + i for i in range(count)
                     if not any(table[i * per_key.value + j] for j in range(per_key.value))]
            x11.XFree(table)
            if len(spare) < len(keysym_names):
                raise SessionError("no spare key codes for the extra letters")
            for keycode, name in zip(spare, keysym_names):
                keysym = x11.XStringToKeysym(name.encode())
                both_cases = (ctypes.c_ulong * 2)(keysym, keysym)
                x11.XChangeKeyboardMapping(display, keycode, 2, both_cases, 1)
            x11.XSync(display, 0)
        finally:
            x11.XCloseDisplay(display)

    def _start_session_bus(self):
        process = self.spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                      "--print-address=1"], stdout=subprocess.PIPE)
        address = process.stdout.readline().decode().strip()
        process.stdout.close()
        if not address:
            raise SessionError(f"dbus-daemon gave no address; log: {self._log('dbus')}")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _start_accessibility_bus(self):
        self.spawn("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                                  "--a11y=1"])
        wait_until(lambda: self._bus_has_owner(None, "org.a11y.Bus"),
                   "the AT-SPI bus launcher on the session bus",
                   lambda: self._log("at-spi-bus"))
        reply = self.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                          "/org/a11y/bus", "org.a11y.Bus.GetAddress"])
        address = reply.stdout.strip()
        if reply.returncode != 0 or not address:
            raise SessionError(f"no AT-SPI bus address: {reply.stderr.strip()}")
        # Only for the reader: Qt 6.4 never registers its tree when the program is handed the
        # address this way, so programs find the bus through the session bus as on a desktop.
        self.accessibility_bus = address
        self.spawn("at-spi-registry", ["/usr/libexec/at-spi2-registryd"],
                   env=dict(self.env, AT_SPI_BUS_ADDRESS=address))
        wait_until(lambda: self._bus_has_owner(address, "org.a11y.atspi.Registry"),
                   "the AT-SPI registry daemon", lambda: self._log("at-spi-registry"))

    def _start_window_manager(self):
        # openbox names itself on the root window before it has read its theme, and a window
        # mapped in between is never managed: it stays off screen for good. That span grows to
        # tenths of a second where each start reads the fonts afresh (a regular user with an
        # out-of-date system font cache). Its start-up command runs once it manages windows.
        started = self.path(WM_STARTED_FILE)
        process = self.spawn("openbox", ["openbox", "--sm-disable",
                                         "--startup", f"touch {shlex.quote(started)}"])
        wait_until(lambda: os.path.exists(started) or process.poll() is not None,
                   "openbox to finish starting", lambda: self._log("openbox"))
        if not os.path.exists(started):
            raise SessionError(f"openbox ended ({process.returncode}) while starting; "
                               f"log: {self._log('openbox')}")

    def _bus_has_owner(self, address, name):
        bus = ["--session"] if address is None else [f"--bus={address}"]
        reply = self.run(["dbus-send", *bus, "--print-reply=literal", "--dest=org.freedesktop.DBus",
                          "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                          f"string:{name}"])
        return reply.returncode == 0 and "true" in reply.stdout

    def _log(self, name):
        try:
            with open(self.path(f"{name}.log"), encoding="utf-8", errors="replace") as log:
                return log.read()[-2000:] or "(empty)"
        except OSError:
            return "(no log)"


_XLIB = None


def _xlib():
    """The few Xlib calls the session makes itself, typed once."""
    global _XLIB
    if _XLIB is None:
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_int)]
        x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
        x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                            ctypes.POINTER(ctypes.c_int)]
        x11.XStringToKeysym.restype = ctypes.c_ulong
        x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                               ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XCreateSimpleWindow.restype = ctypes.c_ulong
        x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                            ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
        x11.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        _XLIB = x11
    return _XLIB


class PlainWindow:
    """A bare top-level window of a client of its own; it goes when the client closes."""

    def __init__(self, display_name, width, height):
        self._x11 = _xlib()
        self._display = self._x11.XOpenDisplay(display_name.encode())
        if not self._display:
            raise SessionError(f"cannot open {display_name} for a window")
        root = self._x11.XDefaultRootWindow(self._display)
        self.id = self._x11.XCreateSimpleWindow(self._display, root, 0, 0, width, height, 0, 0,
                                                0)
        self._x11.XMapWindow(self._display, self.id)
        self._x11.XSync(self._display, 0)

    def close(self):
        if self._display:
            self._x11.XCloseDisplay(self._display)
            self._display = None

    # Closed before its session ends: Xlib ends the whole process when its server goes away.
    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False


def _marked_processes(root):
    wanted = f"{MARKER}={root}".encode()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if wanted in environ.read().split(b"\0"):
                    found.append(int(entry))
        except OSError:
            continue
    return found


def _alive(pid):
    try:
        with open(f"/proc/{pid}/stat", encoding="utf-8") as stat_file:
            return stat_file.read().rsplit(")", 1)[1].split()[0] != "Z"
    except (OSError, IndexError):
        return False


def sweep_abandoned_sessions():
    """Ends what a killed earlier run of ours left behind (its runner is gone), and removes its
    files. Sessions of runs still going are left alone."""
    base = tempfile.gettempdir()
    for name in os.listdir(base):
        root = os.path.join(base, name)
        if not name.startswith(PREFIX) or not os.path.isdir(root):
            continue
        try:
            if os.stat(root).st_uid != os.getuid():
                continue
            with open(os.path.join(root, RUNNER_FILE), encoding="utf-8") as runner:
                if _alive(int(runner.read())):
                    continue
        except (OSError, ValueError):
            if time.time() - os.stat(root).st_mtime < 60:
                continue  # perhaps being set up right now
        for pid in _marked_processes(root):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        shutil.rmtree(root, ignore_errors=True)


def _die_with_parent():
    # Should this process be killed outright, nothing it started outlives it.
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def _signal_group(process, sig):
    try:
        os.killpg(process.pid, sig)
    except (ProcessLookupError, PermissionError):
        pass
