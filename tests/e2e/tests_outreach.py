# SPDX-License-Identifier: MIT
"""Links and the refer-a-friend form, used with the mouse: what reaches the browser launcher."""

from dwellstar_e2e import harness
from dwellstar_e2e.access import Role, role_name


class OutreachTest(harness.ProgramTest):

    def click(self, window_kind, role, name, what=None):
        node = harness.wait_until(lambda: (self.window_node(window_kind) or harness.Nothing)
                                  .find(role, name),
                                  f"{role_name(role)} {name!r} in the {window_kind}", self.seen)
        self.click_node(node, what or name)

    def open_menu_and_click(self, menu, item):
        self.click("input window", Role.MENU_ITEM, menu)

        def shown_item():
            window = self.window_node("input window")
            for popup in window.find_all(Role.POPUP_MENU) if window else []:
                if popup.showing:
                    return popup.find(Role.MENU_ITEM, item)
            return None
        self.click_node(harness.wait_until(shown_item, f"{item!r} in the open {menu} menu",
                                           self.seen), item)

    def test_menu_and_label_links_open_their_exact_addresses(self):
        pages = harness.pages()
        self.start()
        steps = [
            (lambda: self.open_menu_and_click("Help", "Online Help"), pages["help"]),
            (lambda: self.click("input window", Role.MENU_ITEM, "Donate"), pages["donate"]),
            (lambda: self.click("input window", Role.LABEL, self.banner(), "the banner link"),
             pages["home"]),
            (lambda: self.click("input window", Role.LABEL, self.description(),
                                "the description"), pages["full brand"]),
        ]
        for action, address in steps:
            with self.subTest(address=address):
                self.assertEqual(self.opened_by(action), address, self.seen())
                self.wait_for_windows(["input window"])

        # A link in the modal about window leaves it open.
        self.open_menu_and_click("Help", "About Software")
        self.wait_for_windows(["input window", "about window"])
        link = f"Click here to visit {harness.Config.main_site.removeprefix('https://')}"
        self.assertEqual(self.opened_by(lambda: self.click("about window", Role.LABEL, link)),
                         pages["home"], self.seen())
        self.wait_for_windows(["input window", "about window"])

    def opened_by(self, action):
        """The one address the launcher gets from this action."""
        before = len(self.session.opened_addresses())
        action()
        return self.wait_for_opened(before + 1)[before]

    def banner(self):
        return next(n.name for n in self.read_window("input window").find_all(Role.LABEL)
                    if n.name.startswith("Velmora is"))

    def description(self):
        return next(n.name for n in self.read_window("input window").find_all(Role.LABEL)
                    if n.name.startswith("Know more about"))

    def open_exit_window(self):
        self.start()
        self.screen.keys("alt+x")
        self.wait_for_windows(["exit window"])

    def fill(self, box, text):
        self.click("exit window", Role.TEXT, box)
        harness.wait_until(lambda: self.focused() and self.focused().name == box and
                           self.focused().text == "", f"{box!r} emptied on focus", self.seen)
        self.screen.type(text)

    def test_a_referral_reaches_the_launcher_with_six_encoded_values(self):
        self.open_exit_window()
        self.fill("Your Name", "  Ann Lee+Co & Sons  ")
        self.fill("Your Email Address", "ann@example.org")
        self.fill("Friend's Name", "Zoë O'Brien=#1")
        self.fill("Friend's Email Address", "bob@example.net")
        self.click("exit window", Role.PUSH_BUTTON, "Refer A Friend Now")
        expected = harness.referral_address("Ann Lee+Co & Sons", "ann@example.org",
                                            "Your Message\r\n", "Zoë O'Brien=#1",
                                            "bob@example.net")
        self.assertEqual(self.wait_for_opened(1), [expected], self.seen())
        self.assertIn("taf1=Ann%20Lee%2BCo%20%26%20Sons&", expected)
        self.assertIn("&taf3=Your%20Message%0D%0A&", expected)
        # The window stays as it was, ready for another try.
        self.wait_for_windows(["exit window"])
        self.assertEqual(self.read_window("exit window").find(Role.TEXT, "Friend's Name").text,
                         "Zoë O'Brien=#1", self.seen())

    def test_a_referral_with_the_prompts_left_is_refused(self):
        self.open_exit_window()
        self.click("exit window", Role.PUSH_BUTTON, "Refer A Friend Now")
        self.message_box("Please Enter Proper Email Address")
        self.answer()
        self.wait_for_windows(["exit window"])
        self.assertEqual(self.session.opened_addresses(), [], self.seen())

    def test_pasting_an_empty_clipboard_into_the_message_leaves_the_program_running(self):
        self.open_exit_window()
        # Nothing has been copied in this session: the clipboard is empty.
        self.screen.keys("shift+Tab")
        self.wait_for_focus("Your Message")
        self.screen.keys("ctrl+v", "shift+Insert")
        # Keys are handled in order: once the letter shows, the pastes were handled too.
        self.screen.type("x")
        harness.wait_until(lambda: (node := self.focused()) is not None and "x" in node.text,
                           "the typed letter in the message box", self.seen)
        self.assertTrue(self.program.running(), self.seen())
        self.wait_for_windows(["exit window"])
