# SPDX-License-Identifier: MIT
"""The input window as a person meets it: first start, refused keys, every entry message, a
reading and Back."""

from dwellstar_e2e import harness
from dwellstar_e2e.access import Role
from dwellstar_e2e.program import read_reminder_date

REFUSAL = "Please Enter Only Alphabet"
LISTS = ("Date Of Birth: Month", "Date Of Birth: Day", "Date Of Birth: Year")


class InputWindowTest(harness.ProgramTest):

    def entries(self):
        """Names and list selections as the input window shows them."""
        window = self.read_window("input window")
        shown = {n.name: n.text for n in window.find_all(Role.TEXT)}
        shown.update({n.says: n.name for n in window.find_all(Role.COMBO_BOX)})
        return shown

    def test_first_start_shows_the_input_window_alone_at_1_january_1900(self):
        self.start()
        self.assertEqual(self.entries(), {
            "First Name": "", "Middle Name": "", "Last Name": "",
            "Date Of Birth: Month": "January", "Date Of Birth: Day": "1",
            "Date Of Birth: Year": "1900"}, self.seen())
        self.assertEqual([w.kind for w in self.screen.windows()], ["input window"], self.seen())
        # No question on a first start; the date of this start is kept for the next.
        self.assertEqual(read_reminder_date(self.session), harness.today())

    def test_refused_keys_show_their_message_and_leave_the_name_as_it_was(self):
        self.start()
        self.screen.type("mary ann")
        for key in ("7", "minus", "ctrl+a"):
            with self.subTest(key=key):
                self.screen.keys(key)
                self.message_box(REFUSAL)
                self.answer()
                self.wait_for_focus("First Name")
                self.assertEqual(self.entries()["First Name"], "MARY ANN", self.seen())
        # Enter passes without a message: the letters after it arrive in the box, an accented
        # one among them.
        self.screen.keys("Return")
        self.screen.type("s")
        self.screen.keys("eacute")
        harness.wait_until(lambda: self.entries()["First Name"] == "MARY ANNSÉ",
                           "the S and É after Enter in the first name", self.seen)
        self.assertEqual([w.kind for w in self.screen.windows()], ["input window"], self.seen())

    def press_reading_button(self):
        self.wait_for_focus("Get My Dwellstar Reading")
        self.screen.keys("space")

    def test_each_entry_message_then_a_leap_day_reading(self):
        self.start()
        back_to_month = ("keys",) + ("shift+Tab",) * 3
        steps = [
            # (what leads to the reading button, message, where the focus is afterwards)
            ([("keys",) + ("Tab",) * 6], "Please Enter Your First Name", "First Name"),
            ([("type", "mary"), ("keys",) + ("Tab",) * 6],
             "Please Enter Your Last Name", "Last Name"),
            ([("type", "smith"), ("keys", "Tab"), ("pick", "feb", 30, 2000), ("keys", "Tab")],
             "Please Enter Correct Date Or Month!", "Get My Dwellstar Reading"),
            ([back_to_month, ("pick", "apr", 31, None), ("keys", "Tab")],
             "Please Enter Correct Date Or Month !", "Get My Dwellstar Reading"),
        ]
        for actions, message, focus in steps:
            with self.subTest(message=message):
                self.act(actions)
                self.press_reading_button()
                self.message_box(message)
                self.answer()
                self.wait_for_windows(["input window"])
                self.wait_for_focus(focus)

        # A leap day passes.
        self.act([back_to_month, ("pick", "feb", 29, None), ("keys", "Tab")])
        self.press_reading_button()
        self.wait_for_windows(["result window"])
        result = self.read_window("result window")
        self.assertIsNotNone(result.find(Role.LABEL, "Pisces", "Sun Sign"),
                             f"29 February is not read as Pisces:\n{self.seen()}")

    def act(self, actions):
        for kind, *parts in actions:
            {"type": self.screen.type, "keys": self.screen.keys, "pick": self.pick}[kind](*parts)

    def test_back_keeps_the_entries_and_a_new_reading_starts_fresh(self):
        self.start()
        self.screen.type("mary")
        self.screen.keys("Tab")
        self.screen.type("ann")
        self.screen.keys("Tab")
        self.screen.type("smith")
        self.screen.keys("Tab")
        self.pick("jul", 21, 1990)
        entered = self.entries()
        button = self.read_window("input window").find(Role.PUSH_BUTTON, "Get My Dwellstar Reading")
        self.click_node(button, "the reading button")
        self.wait_for_windows(["result window"])
        self.assertIsNotNone(self.read_window("result window").find(Role.LABEL, "Leo", "Sun Sign"),
                             f"21 July is not read as Leo:\n{self.seen()}")

        self.click_node(self.read_window("result window").find(Role.PUSH_BUTTON, "Back"),
                        "the Back button")
        self.wait_for_windows(["input window"])
        self.assertEqual(self.entries(), entered, self.seen())
        self.assertEqual(entered["First Name"], "MARY")
        self.assertEqual(entered["Date Of Birth: Month"], "July")

        # Another date, another reading: nothing of the first one is left.
        self.click_node(self.read_window("input window").find(Role.COMBO_BOX, description=LISTS[0]),
                        "the month list")
        self.screen.keys("Escape")  # the list opened by the click closes again
        self.wait_for_focus(LISTS[0])
        self.pick("apr", 5)
        self.screen.keys("Tab")
        self.press_reading_button()
        self.wait_for_windows(["result window"])
        result = self.read_window("result window")
        shown = {n.name for n in result.find_all(Role.LABEL)}
        self.assertIsNotNone(result.find(Role.LABEL, "Aries", "Sun Sign"),
                             f"5 April is not read as Aries:\n{self.seen()}")
        self.assertFalse(shown & {"Leo", "8 and 9", "Sunday", "Ruby"},
                         f"values of the earlier reading are left: {self.seen()}")

    def test_the_desktop_language_is_spoken_and_english_where_there_is_no_translation(self):
        for language, names, month, sign in (
                ("de_DE.UTF-8", ("Vorname", "2. Vorname", "Nachname"), "Januar", "Steinbock"),
                ("ja_JP.UTF-8", ("First Name", "Middle Name", "Last Name"), "January",
                 "Capricorn")):
            with self.subTest(language=language):
                for earlier in self.programs:
                    earlier.kill()
                self.start(language=language, first_name=names[0])
                window = harness.wait_until(
                    lambda: next((w for w in self.reader.windows() if w.find(Role.TEXT, names[0])),
                                 None), "the input window through AT-SPI", self.seen)
                self.assertEqual(tuple(n.name for n in window.find_all(Role.TEXT)), names)
                self.assertEqual([n.name for n in window.find_all(Role.COMBO_BOX)],
                                 ["1", month, "1900"], self.seen())
                self.screen.type("mary")
                self.screen.keys("Tab", "Tab")
                self.screen.type("smith")
                self.screen.keys(*("Tab",) * 4, "space")
                self.wait_for_windows(["result window"])
                harness.wait_until(
                    lambda: any(w.find(Role.LABEL, sign) for w in self.reader.windows()),
                    f"the reading for {sign}", self.seen)

    def test_a_middle_click_pastes_the_selected_name(self):
        self.start()
        self.screen.type("mary")
        window = self.read_window("input window")
        # A double click selects the name, which the desktop then offers to a middle click.
        self.click_node(window.find(Role.TEXT, "First Name"), "the first name", repeat=2)
        self.click_node(window.find(Role.TEXT, "Last Name"), "the last name", button=2)
        harness.wait_until(lambda: self.entries()["Last Name"] == "MARY",
                           "the first name pasted into the last name", self.seen)
        self.assertEqual(self.entries()["First Name"], "MARY", self.seen())
        self.assertEqual([w.kind for w in self.screen.windows()], ["input window"], self.seen())

    def test_windows_stand_centred_with_their_frames(self):
        self.start()
        width, height = (int(n) for n in self.session.screen.split("x")[:2])
        for kind in ("input window", "exit window"):
            with self.subTest(window=kind):
                if kind == "exit window":
                    self.screen.keys("alt+x")
                    self.wait_for_windows(["exit window"])
                shown = next(w for w in self.screen.windows() if w.kind == kind)
                x, y, w, h = shown.frame
                self.assertLessEqual(abs(2 * x + w - width), 2, f"{shown.frame}; {self.seen()}")
                self.assertLessEqual(abs(2 * y + h - height), 2, f"{shown.frame}; {self.seen()}")

    def test_return_and_keypad_enter_press_the_focused_button(self):
        self.start()
        for key in ("Return", "KP_Enter"):
            with self.subTest(key=key):
                self.screen.keys(*("Tab",) * 6)
                self.wait_for_focus("Get My Dwellstar Reading")
                self.screen.keys(key)
                self.message_box("Please Enter Your First Name")
                self.answer()
                self.wait_for_focus("First Name")
