# SPDX-License-Identifier: MIT
"""One copy at a time, and the way out: closing a main window brings up the exit window, and
only the exit window ends the program."""

import contextlib
import os

from dwellstar_e2e import harness
from dwellstar_e2e.access import Role

ALREADY_RUNNING = "Application is already running"
LOCK_FILE = "kv-dwellstar.lock"


class LifecycleTest(harness.ProgramTest):

    def test_a_second_start_is_refused_while_the_first_runs_on(self):
        first = self.start()
        self.screen.type("keep")
        second = self.start(expect_input_window=False)
        self.message_box(ALREADY_RUNNING)
        self.assertIsNone(self.window_node("input window"),
                          f"the second copy shows its input window: {self.seen()}")
        self.answer()
        self.assertEqual(self.wait_for_end(second), 0, self.seen())

        # The first copy goes on as it was.
        self.program, self.reader = first, self.reader_for(first)
        self.wait_for_windows(["input window"])
        self.assertTrue(first.running(), self.seen())
        self.assertEqual(self.text_of("input window", "First Name"), "KEEP", self.seen())

    def test_a_start_after_the_first_was_killed_is_accepted(self):
        first = self.start()
        first.kill()  # SIGKILL: no chance to tidy up
        harness.wait_until(lambda: not self.screen.windows(), "the killed copy's window to go",
                           self.seen)
        self.start()
        self.assertEqual([w.kind for w in self.screen.windows()], ["input window"], self.seen())

    def test_closing_the_input_window_brings_up_the_exit_window_and_exit_ends(self):
        self.start()
        self.screen.click_close_box(self.wait_for_windows(["input window"])[0])
        self.wait_for_windows(["exit window"])
        self.assertTrue(self.program.running(), self.seen())

        self.click_node(self.read_window("exit window").find(Role.PUSH_BUTTON, "Exit"),
                        "the Exit button")
        self.assertEqual(self.wait_for_end(), 0, self.seen())
        harness.wait_until(lambda: not self.screen.windows(), "every window to close", self.seen)

    def test_closing_the_result_window_brings_up_the_exit_window_not_the_input_window(self):
        self.start()
        self.screen.type("ann")
        self.screen.keys("Tab", "Tab")
        self.screen.type("lee")
        self.screen.keys("Tab", "Tab", "Tab", "Tab", "space")
        result = self.wait_for_windows(["result window"])[0]
        self.screen.click_close_box(result)
        self.wait_for_windows(["exit window"])
        self.assertTrue(self.program.running(), self.seen())

        # The exit window's own close box ends the program as Exit does.
        self.screen.click_close_box(self.wait_for_windows(["exit window"])[0])
        self.assertEqual(self.wait_for_end(), 0, self.seen())
        harness.wait_until(lambda: not self.screen.windows(), "every window to close", self.seen)

    def lock_file(self):
        return self.session.path("runtime", LOCK_FILE)

    def remove_lock_file(self):
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.lock_file())

    def test_a_normal_end_leaves_no_lock_behind(self):
        self.start()
        self.assertTrue(os.path.exists(self.lock_file()),
                        f"no {LOCK_FILE} in the runtime folder while the program runs: "
                        f"{os.listdir(self.session.path('runtime'))}")
        self.screen.click_close_box(self.wait_for_windows(["input window"])[0])
        self.wait_for_windows(["exit window"])
        self.click_node(self.read_window("exit window").find(Role.PUSH_BUTTON, "Exit"),
                        "the Exit button")
        self.assertEqual(self.wait_for_end(), 0, self.seen())
        self.assertFalse(os.path.exists(self.lock_file()),
                         f"{LOCK_FILE} left behind in {os.listdir(self.session.path('runtime'))}")

    def test_a_lock_left_unreadable_does_not_keep_the_program_from_starting(self):
        self.addCleanup(self.remove_lock_file)
        for name, contents in (("empty", b""), ("garbage", b"\x00\xff not a lock\n\n")):
            with self.subTest(name):
                with open(self.lock_file(), "wb") as lock:
                    lock.write(contents)
                try:
                    self.start()  # the input window, not "already running"
                    self.assertEqual([w.kind for w in self.screen.windows()], ["input window"],
                                     self.seen())
                finally:
                    self.program.kill()
                    harness.wait_until(lambda: not self.screen.windows(),
                                       "the killed copy's windows to go", self.seen)
