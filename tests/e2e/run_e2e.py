#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Runs end-to-end test groups against the real executable in a private X session.

    /usr/bin/python3 run_e2e.py --exe <kv-dwellstar> --main-host H --help-host H \
        --product-host H [--group input_window] [-k pattern]

Needs Xvfb, openbox, xdotool, xclip, x11-utils, dbus, at-spi2-core and python3-pyatspi (Debian).
"""

import argparse
import os
import shutil
import signal
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # the source tree stays as checked out

GROUPS = ["desktop", "input_window", "keyboard_road", "lifecycle", "outreach", "update_reminder",
          "screen_reader"]
TOOLS = ["Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xclip", "dbus-daemon", "dbus-send",
         "/usr/libexec/at-spi-bus-launcher", "/usr/libexec/at-spi2-registryd"]


class Stopped(KeyboardInterrupt):
    pass


def missing_tools():
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    try:
        import gi  # noqa: F401
        gi.require_version("Atspi", "2.0")
        import pyatspi  # noqa: F401
    except (ImportError, ValueError):
        missing.append("python3-pyatspi (for /usr/bin/python3)")
    return missing


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", required=True)
    parser.add_argument("--main-host", required=True)
    parser.add_argument("--help-host", required=True)
    parser.add_argument("--product-host", required=True)
    parser.add_argument("--group", action="append", choices=GROUPS,
                        help="test group to run (repeatable); all when left out")
    parser.add_argument("-k", dest="patterns", action="append",
                        help="only tests whose name contains this")
    parser.add_argument("--deadline", type=int, default=0,
                        help="seconds after which the run stops, tearing everything down")
    args = parser.parse_args()

    missing = missing_tools()
    if missing:
        print("End-to-end tests need: " + ", ".join(missing) +
              " (see TEST_PACKAGES in scripts/deps.sh)", file=sys.stderr)
        return 1
    if not os.access(args.exe, os.X_OK):
        print(f"not an executable: {args.exe}", file=sys.stderr)
        return 1

    from dwellstar_e2e import harness  # needs python3-gi, checked above
    harness.Config.executable = os.path.abspath(args.exe)
    harness.Config.main_site = f"https://{args.main_host}"
    harness.Config.help_site = f"https://{args.help_host}"
    harness.Config.product_site = f"https://{args.product_host}"

    # Interrupts count as KeyboardInterrupt: unittest then stops at once instead of going on
    # with the next test, and nothing in the suite mistakes them for a failing step.
    def stop(signum, _frame):
        raise Stopped(f"stopped by signal {signum}")
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, stop)
    if args.deadline:
        def out_of_time(_signum, _frame):
            raise Stopped(f"the run took longer than {args.deadline} s")
        signal.signal(signal.SIGALRM, out_of_time)
        signal.alarm(args.deadline)

    loader = unittest.TestLoader()
    if args.patterns:
        loader.testNamePatterns = [f"*{p}*" for p in args.patterns]
    suite = unittest.TestSuite()
    for group in args.group or GROUPS:
        suite.addTests(loader.loadTestsFromName(f"tests_{group}"))
    try:
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    except Stopped as stopped:
        print(f"\nEnd-to-end run stopped: {stopped}; everything it started is ended.",
              file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        harness.stop_desktop()
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
