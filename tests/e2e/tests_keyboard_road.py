# SPDX-License-Identifier: MIT
"""The whole road without a mouse: the designed focus orders, the access keys, menus, the about
window, the exit window and a referral, to the end of the process."""

from dwellstar_e2e import harness
from dwellstar_e2e.access import Role

INPUT_ORDER = ["First Name", "Middle Name", "Last Name", "Date Of Birth: Month",
               "Date Of Birth: Day", "Date Of Birth: Year", "Get My Dwellstar Reading", "Exit"]
RESULT_ORDER = ["Back", "Positive Traits", "Negative Traits", "Design Style", "Ruling Planet",
                "Preferred Colors"]
# The start and end of the text Ctrl+C copies from the result window for these entries.
COPIED_START = ("MARY ANN LEE SMITH\nBorn 21 July 1990\n\nSun Sign: Leo\n\nLucky Day: Sunday\n"
                "Lucky Number: 8 and 9\nCompatibility: Aries and Sagittarius\n")
COPIED_END = "\n\nKV Dwellstar v1.0\n"
EXIT_ORDER = ["Exit", "Click Here To Visit {host} Now", "Your Name", "Refer A Friend Now",
              "Your Email Address", "Friend's Email Address", "Friend's Name", "Your Message"]


class KeyboardRoadTest(harness.ProgramTest):

    def tab_round(self, order):
        """Tab visits every control in this order and comes back to the first."""
        self.wait_for_focus(order[0])
        for says in order[1:] + order[:1]:
            self.screen.keys("Tab")
            self.wait_for_focus(says)

    def open_menu(self, keys, items):
        self.screen.keys(keys)

        def menu_open():
            for window in self.reader.windows():
                for menu in window.find_all(Role.POPUP_MENU):
                    if menu.showing:
                        return menu
            return None
        opened = harness.wait_until(menu_open, f"a menu to open on {keys}", self.seen)
        self.assertEqual([item.name for item in opened.children], items, self.seen())

    def test_the_whole_road_by_keyboard(self):
        self.start()
        host = harness.Config.main_site.removeprefix("https://")

        # Input window: focus order, names in small letters, the date typed into the lists.
        self.tab_round(INPUT_ORDER)
        self.screen.type("mary")
        self.screen.keys("Tab")
        self.screen.type("ann lee")
        self.screen.keys("Tab")
        self.screen.type("smith")
        self.screen.keys("Tab")
        self.pick("jul", 21, 1990)
        self.screen.keys("Tab")
        self.wait_for_focus("Get My Dwellstar Reading")
        window = self.read_window("input window")
        self.assertEqual([window.find(Role.TEXT, n).text for n in INPUT_ORDER[:3]],
                         ["MARY", "ANN LEE", "SMITH"], self.seen())
        entered = sorted((n.says, n.name) for n in window.find_all(Role.COMBO_BOX))
        self.assertEqual(entered, [("Date Of Birth: Day", "21"), ("Date Of Birth: Month", "July"),
                                   ("Date Of Birth: Year", "1990")], self.seen())

        self.open_menu("alt+f", ["Get My Dwellstar Reading", "", "People…", "Language", "", "Exit"])
        self.screen.keys("Escape", "Escape")
        self.wait_for_focus("Get My Dwellstar Reading")
        self.screen.keys("space")

        # Result window.
        self.wait_for_windows(["result window"])
        result = self.read_window("result window")
        for value, heading in (("Leo", "Sun Sign"), ("8 and 9", "Lucky Number"),
                               ("Aries and Sagittarius", "Compatibility")):
            self.assertIsNotNone(result.find(Role.LABEL, value, heading),
                                 f"no {heading} {value!r}: {self.seen()}")
        self.tab_round(RESULT_ORDER)
        self.screen.keys("ctrl+c")
        copied = harness.wait_until(self.clipboard, "the reading on the clipboard", self.seen)
        self.assertTrue(copied.startswith(COPIED_START), copied)
        self.assertTrue(copied.endswith(COPIED_END), copied)
        for heading in ("Positive Traits", "Negative Traits", "Design Style", "Preferred Colors",
                        "Ruling Planet"):
            self.assertIn(f"\n\n{heading}\n", copied)

        # About, opened from the Help menu, closed with Enter and then with Esc.
        for closing in ("Return", "Escape"):
            with self.subTest(about_closed_by=closing):
                self.open_menu("alt+h", ["Online Help", "Visit Us Online", "",
                                         "Check for Software Update", "", "About Software"])
                self.screen.keys("a")
                self.wait_for_windows(["result window", "about window"])
                self.wait_for_focus("OK")
                self.screen.keys(closing)
                self.wait_for_windows(["result window"])
                self.wait_for_focus("Back")

        self.open_menu("alt+f", ["Back", "", "Remember This Person", "", "Exit"])
        self.screen.keys("Escape", "Escape")
        self.wait_for_focus("Back")
        self.screen.keys("alt+b")
        self.wait_for_windows(["input window"])
        window = self.read_window("input window")
        self.assertEqual([window.find(Role.TEXT, n).text for n in INPUT_ORDER[:3]],
                         ["MARY", "ANN LEE", "SMITH"], self.seen())
        self.assertEqual(sorted((n.says, n.name) for n in window.find_all(Role.COMBO_BOX)),
                         entered, self.seen())

        # Exit window: reached by Alt+X, it takes the keyboard.
        self.screen.keys("alt+x")
        self.wait_for_windows(["exit window"])
        self.tab_round([says.format(host=host) for says in EXIT_ORDER])

        self.screen.keys("Tab", "Tab")
        self.wait_for_focus("Your Name")
        self.screen.type("Ann Lee")
        self.screen.keys("Tab", "Tab")
        self.wait_for_focus("Your Email Address")
        self.screen.type("ann")
        self.screen.keys("space")  # refused in an address
        self.message_box("Email Address Cannot Contain Space")
        self.answer()
        self.wait_for_focus("Your Email Address")
        self.screen.type("@example.org")
        self.screen.keys("Tab")
        self.screen.type("bob@example.net")
        self.screen.keys("Tab")
        self.screen.type("Bob")
        self.screen.keys("alt+n")
        opened = self.wait_for_opened(1)
        self.assertEqual(opened, [harness.referral_address(
            "Ann Lee", "ann@example.org", "Your Message\r\n", "Bob", "bob@example.net")],
            self.seen())
        self.wait_for_windows(["exit window"])

        self.screen.keys("alt+x")
        self.assertEqual(self.wait_for_end(), 0, self.seen())
        harness.wait_until(lambda: not self.screen.windows(), "every window to close",
                           self.seen)

    def clipboard(self):
        """The X clipboard's text, or None while nobody offers one."""
        result = self.session.run(["xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING"])
        return result.stdout if result.returncode == 0 and result.stdout else None
