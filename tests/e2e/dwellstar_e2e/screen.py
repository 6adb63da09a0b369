# SPDX-License-Identifier: MIT
"""What the X server shows and how a person's keyboard and mouse reach it (xdotool, xprop,
xwininfo)."""

import re
import sys
import time
from dataclasses import dataclass

from .waiting import TRACE

# The four windows share one caption; their client areas differ in width (pixels).
WINDOW_KINDS = {497: "input window", 751: "result window", 741: "exit window", 455: "about window"}
WINDOW_CAPTION = "KV Dwellstar v1.0"
BOX_CAPTION = "KV Dwellstar"

_TREE_LINE = re.compile(
    r'^(?P<indent>\s*)(?P<id>0x[0-9a-f]+) (?:"(?P<name>.*)"|\(has no name\)): \(.*?\)\s+'
    r'(?P<w>\d+)x(?P<h>\d+)\+(?P<rx>-?\d+)\+(?P<ry>-?\d+)\s+\+(?P<x>-?\d+)\+(?P<y>-?\d+)')


@dataclass(frozen=True)
class Window:
    id: int
    title: str
    width: int
    height: int
    x: int  # absolute position of the client area
    y: int
    frame: tuple  # absolute x, y, width, height of the window manager's frame
    active: bool

    @property
    def kind(self):
        if self.title == BOX_CAPTION:
            return "message box"
        return WINDOW_KINDS.get(self.width, f"window {self.width}x{self.height}")

    def __str__(self):
        return f"{self.kind} {self.title!r}" + (" (active)" if self.active else "")


class Screen:
    def __init__(self, session):
        self.session = session

    def _out(self, *args):
        started = time.monotonic()
        result = self.session.run(list(args))
        if TRACE and time.monotonic() - started > 0.3:
            print(f"  [{time.monotonic() - started:5.2f} s] {' '.join(args)}", file=sys.stderr)
        if result.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    # -- looking -------------------------------------------------------------------------------

    def windows(self):
        """Top-level windows that the window manager shows, bottom to top."""
        for attempt in range(5):
            try:
                return self._windows()
            except RuntimeError:
                # A window went away while the tree was read: read again.
                if attempt == 4:
                    raise
        return []

    def _windows(self):
        root = self._out("xprop", "-root", "_NET_CLIENT_LIST_STACKING", "_NET_ACTIVE_WINDOW")
        stacking = _ids(root, "_NET_CLIENT_LIST_STACKING")
        active = _ids(root, "_NET_ACTIVE_WINDOW")
        found = {}
        parents = []
        for line in self._out("xwininfo", "-root", "-tree").splitlines():
            match = _TREE_LINE.match(line)
            if not match:
                continue
            depth = len(match["indent"])
            while parents and parents[-1][0] >= depth:
                parents.pop()
            wid = int(match["id"], 16)
            geometry = (int(match["x"]), int(match["y"]), int(match["w"]), int(match["h"]))
            if wid in stacking:
                frame = parents[-1][1] if parents else geometry
                found[wid] = Window(wid, match["name"] or "", geometry[2], geometry[3],
                                    geometry[0], geometry[1], frame, wid in active)
            parents.append((depth, geometry))
        return [found[wid] for wid in stacking if wid in found]

    def describe(self):
        shown = self.windows()
        return "; ".join(str(w) for w in shown) if shown else "no window on screen"

    # -- a person's hands ----------------------------------------------------------------------

    def keys(self, *names):
        """Presses and releases keys one after another, as named by xdotool ("Tab", "alt+x")."""
        self._out("xdotool", "key", "--delay", "40", *names)

    def type(self, text):
        self._out("xdotool", "type", "--delay", "40", "--", text)

    def click(self, x, y, button=1, repeat=1):
        self._out("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat),
                  str(button))

    def click_close_box(self, window):
        """The close box sits at the right end of openbox's title bar."""
        fx, fy, fw, _ = window.frame
        title_height = window.y - fy
        self.click(fx + fw - 1 - title_height // 2, fy + title_height // 2)

    def focus(self, window):
        self._out("xdotool", "windowactivate", "--sync", str(window.id))


def _ids(text, prop):
    for line in text.splitlines():
        if line.startswith(prop):
            return [int(value, 16) for value in re.findall(r"0x[0-9a-f]+", line)]
    return []
