# SPDX-License-Identifier: MIT
"""The private desktop itself: a window mapped the moment the session is ready is managed by the
window manager, as the program's first window must be."""

import unittest

from dwellstar_e2e.screen import Screen
from dwellstar_e2e.session import DesktopSession
from dwellstar_e2e.waiting import wait_until

WIDTH, HEIGHT = 320, 200

# (what the window manager meets at its start, fonts read afresh); each in fresh sessions.
STARTS = [
    ("the font caches as installed", False),
    ("the font caches as installed", False),
    ("fonts without a usable cache", True),
    ("fonts without a usable cache", True),
]


class DesktopTest(unittest.TestCase):

    def test_a_window_mapped_as_soon_as_the_session_is_ready_is_managed(self):
        for number, (what, uncached) in enumerate(STARTS, start=1):
            with self.subTest(start=number, fonts=what), \
                    DesktopSession(f"desktop{number}", fonts_uncached=uncached) as session, \
                    session.show_plain_window(WIDTH, HEIGHT) as window:
                screen = Screen(session)

                # Listed, then framed: the window manager lists a window before its frame,
                # created at 1x1, has grown around it.
                def framed():
                    shown = [w for w in screen.windows() if w.id == window.id]
                    return shown[0] if shown and shown[0].frame[3] > HEIGHT else None
                shown = wait_until(framed, "the window in the window manager's list, framed",
                                   lambda: _tree(session))
                self.assertEqual((shown.width, shown.height), (WIDTH, HEIGHT))
                self.assertGreater(shown.y, shown.frame[1], f"no title bar above it: {shown.frame}")
                window.close()
                wait_until(lambda: not screen.windows(), "the window to go", screen.describe)


def _tree(session):
    listed = session.run(["xprop", "-root", "_NET_CLIENT_LIST"]).stdout.strip()
    children = session.run(["xwininfo", "-root", "-children"]).stdout.strip()
    return f"{listed}\n{children}"
