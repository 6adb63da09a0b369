# SPDX-License-Identifier: MIT
"""The update reminder: asked on a start whose stored date is 15 days old, then not again."""

import datetime

from dwellstar_e2e import harness
from dwellstar_e2e.access import Role
from dwellstar_e2e.program import read_reminder_date, settings_text, write_reminder_date

QUESTION = ("There maybe an update to this software available\n"
            "Do you want to check for an update?")


class UpdateReminderTest(harness.ProgramTest):

    def days_ago(self, days):
        return harness.today() - datetime.timedelta(days=days)

    def question(self):
        """The question box, alone on screen: the input window waits for the answer."""
        self.start(expect_input_window=False)
        self.wait_for_windows(["message box"])
        box = self.message_box(QUESTION)
        buttons = sorted(n.name for n in box.find_all(Role.PUSH_BUTTON))
        self.assertEqual(buttons, ["No", "Yes"], self.seen())
        return box

    def settings(self):
        return f"stored: {read_reminder_date(self.session)} in {settings_text(self.session)!r}"

    def test_no_on_a_15_day_old_date_then_no_question_on_the_next_start(self):
        write_reminder_date(self.session, self.days_ago(15))
        box = self.question()
        self.click_node(box.find(Role.PUSH_BUTTON, "No"), "No")
        self.wait_for_windows(["input window"])
        self.assertEqual(read_reminder_date(self.session), harness.today(), self.settings())
        self.assertEqual(self.session.opened_addresses(), [], self.seen())

        self.program.kill()
        self.start()  # fails if anything but the input window comes up
        self.assertEqual(read_reminder_date(self.session), harness.today(), self.settings())

    def test_yes_opens_the_download_page(self):
        write_reminder_date(self.session, self.days_ago(15))
        self.question()
        self.screen.keys("alt+y")
        self.wait_for_windows(["input window"])
        self.assertEqual(self.wait_for_opened(1), [harness.pages()["download"]], self.seen())
        self.assertEqual(read_reminder_date(self.session), harness.today(), self.settings())

    def test_14_days_pass_without_a_question(self):
        stored = self.days_ago(14)
        write_reminder_date(self.session, stored)
        self.start()
        self.assertEqual(read_reminder_date(self.session), stored, self.settings())
