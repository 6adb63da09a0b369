# SPDX-License-Identifier: MIT
"""The program as a screen reader reads it through AT-SPI: a reading with every value under its
heading, a name on every control that takes the keyboard, message boxes as alerts."""

from dwellstar_e2e import harness

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

CONTAINERS = {"frame", "filler", "panel", "alert", "dialog", "menu bar"}


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
        headings = {n.name for n in result.find_all("label") if not n.description}
        for heading, value in LEO_VALUES.items():
            with self.subTest(heading=heading):
                self.assertIsNotNone(result.find("label", value, heading),
                                     f"no {value!r} read under {heading!r}:\n{self.seen()}")
                if heading != "Sun Sign":  # the sign's name is its own title
                    self.assertIn(heading, headings, self.seen())
        for heading, (subject, lines) in LEO_TEXTS.items():
            with self.subTest(heading=heading):
                box = result.find("text", heading)
                self.assertIsNotNone(box, f"no text box read as {heading!r}:\n{self.seen()}")
                self.assertIn(heading, headings, self.seen())
                self.assertTrue(box.text.strip(), f"{heading!r} reads empty")
                self.assertEqual(len(box.text.splitlines()), lines, box.text)
                if subject:
                    self.assertIn(subject, box.text.lower(), box.text)
                # Read with its own frame only, not with a neighbouring label.
                self.assertEqual(set(box.labelled_by) - {"KV Dwellstar Result"}, set(),
                                 box.spoken())
        pictures = sorted(n.name for n in result.find_all("image") if n.showing)
        self.assertEqual(pictures, sorted(LEO_PICTURES), self.seen())
        placeholders = [n.name for n in result.walk()
                        if n.showing and n.name.startswith("lbl")]
        self.assertEqual(placeholders, [], self.seen())

    def test_every_control_that_takes_the_keyboard_says_what_it_holds(self):
        host = harness.Config.main_site.removeprefix("https://")
        self.start()
        self.assertEqual(focusable(self.read_window("input window")), sorted([
            ("text", "First Name"), ("text", "Middle Name"), ("text", "Last Name"),
            ("combo box", "Date Of Birth: Month"), ("combo box", "Date Of Birth: Day"),
            ("combo box", "Date Of Birth: Year"),
            ("push button", "Get My Dwellstar Reading"), ("push button", "Exit")]),
            self.seen())
        window = self.read_window("input window")
        for node in window.find_all("text"):
            self.assertEqual(node.labelled_by, ("Name",), node.spoken())
        for node in window.find_all("combo box"):
            self.assertEqual(node.labelled_by, ("Date Of Birth",), node.spoken())

        # A message box reads as an alert with its text (selectable) and its one button.
        self.screen.keys("Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "space")
        box = self.message_box("Please Enter Your First Name")
        self.assertEqual(focusable(box), [("label", "Please Enter Your First Name"),
                                          ("push button", "OK")], self.seen())
        self.answer()

        self.reading("jul", 21, 1990)
        self.assertEqual(focusable(self.read_window("result window")), sorted([
            ("push button", "Back"), ("text", "Positive Traits"), ("text", "Negative Traits"),
            ("text", "Design Style"), ("text", "Ruling Planet"), ("text", "Preferred Colors")]),
            self.seen())

        self.screen.keys("alt+h", "a")
        self.wait_for_windows(["result window", "about window"])
        self.assertEqual(focusable(self.read_window("about window")), [("push button", "OK")],
                         self.seen())
        self.screen.keys("Escape")
        self.wait_for_windows(["result window"])

        self.screen.keys("alt+f", "x")
        self.wait_for_windows(["exit window"])
        self.assertEqual(focusable(self.read_window("exit window")), sorted([
            ("push button", "Exit"), ("check box", f"Click Here To Visit {host} Now"),
            ("text", "Your Name"), ("push button", "Refer A Friend Now"),
            ("text", "Your Email Address"), ("text", "Friend's Email Address"),
            ("text", "Friend's Name"), ("text", "Your Message")]), self.seen())
