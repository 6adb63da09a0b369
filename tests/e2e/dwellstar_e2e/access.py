# SPDX-License-Identifier: MIT
"""Reading the program as a screen reader does: through the AT-SPI accessibility bus.

Runs in the system Python (/usr/bin/python3) with python3-pyatspi. pyatspi is imported only once
the session exists, because it connects to the bus named by the environment at import time.
"""

import os
from dataclasses import dataclass, field

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402  (loads no bus, unlike pyatspi)

# Roles are compared as values: libatspi renames them ("push button" is "button" in 2.56).
Role = Atspi.Role

_pyatspi = None


def _atspi(session):
    global _pyatspi
    if _pyatspi is None:
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = session.env["DBUS_SESSION_BUS_ADDRESS"]
        os.environ["AT_SPI_BUS_ADDRESS"] = session.accessibility_bus
        os.environ["DISPLAY"] = session.display
        import pyatspi  # noqa: E402  (needs the environment above)
        _pyatspi = pyatspi
    return _pyatspi


def role_name(role):
    """A role as this libatspi names it, for failure messages."""
    return role.value_nick.replace("-", " ")


@dataclass
class Node:
    """One accessible object as a screen reader would present it."""
    role: Role
    name: str
    description: str
    text: str  # the Text interface's content, or ""
    states: frozenset
    labelled_by: tuple = ()
    children: list = field(default_factory=list)
    accessible: object = field(default=None, repr=False, compare=False)
    extents_reader: object = field(default=None, repr=False, compare=False)

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def find_all(self, role=None, name=None, description=None):
        return [n for n in self.walk() if (role is None or n.role == role) and
                (name is None or n.name == name) and
                (description is None or n.description == description)]

    @property
    def says(self):
        """What names the control to a reader: a list names its current entry, so its
        description says which list it is."""
        return self.description if self.role == Role.COMBO_BOX else self.name

    def extents(self):
        """x, y, width, height on the screen, read now."""
        return self.extents_reader(self.accessible)

    def find(self, role=None, name=None, description=None):
        found = self.find_all(role, name, description)
        return found[0] if found else None

    @property
    def showing(self):
        return "showing" in self.states

    @property
    def focused(self):
        return "focused" in self.states

    def spoken(self):
        """What a screen reader would announce for this object, for failure messages."""
        parts = [role_name(self.role), repr(self.name)]
        if self.description:
            parts.append(f"description={self.description!r}")
        if self.labelled_by:
            parts.append(f"labelled by {list(self.labelled_by)!r}")
        if self.text and self.text != self.name:
            parts.append(f"text={self.text[:60]!r}")
        return " ".join(parts)

    def outline(self, depth=0):
        lines = ["  " * depth + self.spoken() + (" [focused]" if self.focused else "")]
        for child in self.children:
            if child.showing:
                lines.extend(child.outline(depth + 1))
        return lines


class ScreenReader:
    """Looks at one running program through AT-SPI. Every call reads afresh."""

    def __init__(self, session, pid):
        self.session = session
        self.pid = pid
        self.pyatspi = _atspi(session)

    def _application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == self.pid:
                    app.clearCache()
                    return app
            except Exception:
                continue
        return None

    def registered(self):
        return self._application() is not None

    def windows(self):
        """The program's top-level windows that are showing, as trees of Nodes."""
        app = self._application()
        if app is None:
            return []
        result = []
        for index in range(app.childCount):
            try:
                window = app.getChildAtIndex(index)
                node = self._node(window)
            except Exception:
                continue  # a window that went away while we looked
            if node is not None and node.showing:
                result.append(node)
        return result

    def _node(self, accessible, depth=0):
        if accessible is None:
            return None
        accessible.clearCache()
        role = accessible.getRole()
        states = frozenset(self.pyatspi.stateToString(s) for s in accessible.getState().getStates())
        try:
            text_interface = accessible.queryText()
            text = text_interface.getText(0, -1)
        except NotImplementedError:
            text = ""
        labelled_by = []
        for relation in accessible.getRelationSet():
            if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY:
                for target in range(relation.getNTargets()):
                    labelled_by.append(relation.getTarget(target).name)
        node = Node(role, accessible.name or "", accessible.description or "", text, states,
                    tuple(labelled_by), accessible=accessible, extents_reader=self._extents)
        # The items of a closed list or menu say nothing a reader would announce.
        if role in (Role.COMBO_BOX, Role.LIST) \
                or (role == Role.POPUP_MENU and "showing" not in states) or depth > 30:
            return node
        for index in range(accessible.childCount):
            child = self._node(accessible.getChildAtIndex(index), depth + 1)
            if child is not None:
                node.children.append(child)
        return node

    def _extents(self, accessible):
        box = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def describe(self):
        windows = self.windows()
        if not windows:
            return "no window of the program is showing through AT-SPI"
        return "\n".join(line for window in windows for line in window.outline())
