# SPDX-License-Identifier: MIT
"""The program as a screen reader reads it through AT-SPI: a reading with every value under its
heading, a name on every control that takes the keyboard, message boxes as alerts."""

from dwellstar_e2e import harness
from dwellstar_e2e.access import Role

# 21 July: Leo (the second sign of July starts on the 21st).
LEO_VALUES = {
    "Sun Sign": "Leo",
    "Element": "Fire",
    "Lucky Number": "8 and 9",
    "Lucky Day": "Sunday",
    "Compatibility": "Aries and Sagittarius",
    "Birthstone": "Ruby",
    "Preferred Colors": "Red",
    "Ruling Planet": "The Sun",
}
# Description boxes, by heading: a word the text is about, and its number of lines.
LEO_TEXTS = {
    "Positive Traits": (None, 1),
    "Negative Traits": (None, 1),
    "Design Style": (None, 6),
    "Preferred Colors": ("orange", 1),
    "Ruling Planet": ("sun", 1),
}
LEO_PICTURES = ["Leo emblem", "red color swatch"]

CONTAINERS = {Role.FRAME, Role.FILLER, Role.PANEL, Role.ALERT, Role.DIALOG, Role.MENU_BAR}


def focusable(window):
    return sorted((n.role, n.says) for n in window.walk()
                  if "focusable" in n.states and n.showing and n.role not in CONTAINERS)


class ScreenReaderTest(harness.ProgramTest):

    def reading(self, month, day, year):
        self.screen.type("ann")
        self.screen.keys("Tab", "Tab")
        self.screen.type("lee")
        self.screen.keys("Tab")
        self.pick(month, day, year)
        self.screen.keys("Tab", "space")
        self.wait_for_windows(["result window"])
        return self.read_window("result window")

    def test_a_reading_reads_every_value_under_its_heading(self):
        self.start()
        result = self.reading("jul", 21, 1990)
        headings = {n.name for n in result.find_all(Role.LABEL) if not n.description}
        for heading, value in LEO_VALUES.items():
            with self.subTest(heading=heading):
                self.assertIsNotNone(result.find(Role.LABEL, value, heading),
                                     f"no {value!r} read under {heading!r}:\n{self.seen()}")
                if heading != "Sun Sign":  # the sign's name is its own title
                    self.assertIn(heading, headings, self.seen())
        for heading, (subject, lines) in LEO_TEXTS.items():
            with self.subTest(heading=heading):
                box = result.find(Role.TEXT, heading)
                self.assertIsNotNone(box, f"no text box read as {heading!r}:\n{self.seen()}")
                self.assertIn(heading, headings, self.seen())
                self.assertTrue(box.text.strip(), f"{heading!r} reads empty")
                self.assertEqual(len(box.text.splitlines()), lines, box.text)
                if subject:
                    self.assertIn(subject, box.text.lower(), box.text)
                # Read with its own frame only, not with a neighbouring label.
                self.assertEqual(set(box.labelled_by) - {"KV Dwellstar Result"}, set(),
                                 box.spoken())
        pictures = sorted(n.name for n in result.find_all(Role.IMAGE) if n.showing)
        self.assertEqual(pictures, sorted(LEO_PICTURES), self.seen())
        placeholders = [n.name for n in result.walk()
                        if n.showing and n.name.startswith("lbl")]
        self.assertEqual(placeholders, [], self.seen())

    def test_every_control_that_takes_the_keyboard_says_what_it_holds(self):
        host = harness.Config.main_site.removeprefix("https://")
        self.start()
        self.assertEqual(focusable(self.read_window("input window")), sorted([
            (Role.TEXT, "First Name"), (Role.TEXT, "Middle Name"), (Role.TEXT, "Last Name"),
            (Role.COMBO_BOX, "Date Of Birth: Month"), (Role.COMBO_BOX, "Date Of Birth: Day"),
            (Role.COMBO_BOX, "Date Of Birth: Year"),
            (Role.PUSH_BUTTON, "Get My Dwellstar Reading"), (Role.PUSH_BUTTON, "Exit")]),
            self.seen())
        window = self.read_window("input window")
        for node in window.find_all(Role.TEXT):
            self.assertEqual(node.labelled_by, ("Name",), node.spoken())
        for node in window.find_all(Role.COMBO_BOX):
            self.assertEqual(node.labelled_by, ("Date Of Birth",), node.spoken())

        # A message box reads as an alert with its text (selectable) and its one button.
        self.screen.keys("Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "space")
        box = self.message_box("Please Enter Your First Name")
        self.assertEqual(focusable(box), [(Role.LABEL, "Please Enter Your First Name"),
                                          (Role.PUSH_BUTTON, "OK")], self.seen())
        self.answer()

        self.reading("jul", 21, 1990)
        self.assertEqual(focusable(self.read_window("result window")), sorted([
            (Role.PUSH_BUTTON, "Back"), (Role.TEXT, "Positive Traits"),
            (Role.TEXT, "Negative Traits"), (Role.TEXT, "Design Style"),
            (Role.TEXT, "Ruling Planet"), (Role.TEXT, "Preferred Colors")]),
            self.seen())

        self.screen.keys("alt+h", "a")
        self.wait_for_windows(["result window", "about window"])
        self.assertEqual(focusable(self.read_window("about window")), [(Role.PUSH_BUTTON, "OK")],
                         self.seen())
        self.screen.keys("Escape")
        self.wait_for_windows(["result window"])

        self.screen.keys("alt+f", "x")
        self.wait_for_windows(["exit window"])
        self.assertEqual(focusable(self.read_window("exit window")), sorted([
            (Role.PUSH_BUTTON, "Exit"), (Role.CHECK_BOX, f"Click Here To Visit {host} Now"),
            (Role.TEXT, "Your Name"), (Role.PUSH_BUTTON, "Refer A Friend Now"),
            (Role.TEXT, "Your Email Address"), (Role.TEXT, "Friend's Email Address"),
            (Role.TEXT, "Friend's Name"), (Role.TEXT, "Your Message")]), self.seen())
