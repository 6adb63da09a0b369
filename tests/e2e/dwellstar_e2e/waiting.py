# SPDX-License-Identifier: MIT
"""Waiting on conditions with a deadline, never for a guessed time."""

import os
import sys
import time

TRACE = bool(os.environ.get("DWELLSTAR_E2E_TRACE"))

# Generous: the suite may share two cores with the unit tests.
DEFAULT_TIMEOUT = 20.0
POLL_INTERVAL = 0.05


class WaitTimeout(AssertionError):
    pass


def wait_until(condition, what, seen=None, timeout=DEFAULT_TIMEOUT):
    """Polls `condition` until it returns something truthy and returns that.

    On timeout fails with `what` (the awaited condition) and `seen()` (what was there instead).
    """
    started = time.monotonic()
    deadline = started + timeout
    while True:
        result = condition()
        if result:
            if TRACE:
                print(f"  [{time.monotonic() - started:5.2f} s] {what}", file=sys.stderr)
            return result
        if time.monotonic() > deadline:
            observed = ""
            if seen is not None:
                try:
                    observed = seen()
                except Exception as error:  # the description itself must not hide the failure
                    observed = f"(could not describe: {error!r})"
            raise WaitTimeout(
                f"timed out after {timeout:.0f} s waiting for {what}; saw: {observed}")
        time.sleep(POLL_INTERVAL)
