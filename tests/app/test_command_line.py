# SPDX-License-Identifier: MIT
"""The built program at a terminal with no display, as a person or a script runs it:
test_command_line.py <program> <bash completion>"""

import os
import resource
import shlex
import signal
import subprocess
import sys
import tempfile
import unittest

PROGRAM = sys.argv.pop(1)
COMPLETION = sys.argv.pop(1)
ANNA = ["--first-name", "anna", "--last-name", "smith"]
BORN = ["--birth-date", "1990-08-15"]
LEO = "ANNA SMITH\nBorn 15 August 1990\n\nSun Sign: Leo\n\nLucky Day: Sunday\n"
LEO_DE = "ANNA SMITH\nGeboren am Mittwoch, 15. August 1990\n\nSternzeichen: Löwe\n"
NO_DATE = '"%s" is no date of birth: give it as yyyy-mm-dd, such as 1990-08-15.\n'


def full_disk():
    """Writes fail past 64 bytes, as on a disk that has just filled up."""
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (64, 64))


def run(arguments, lang="C.UTF-8", home=None, limit=None):
    """`lang`: LANG, and LANGUAGE after a blank where a row gives one."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                        "LC_MESSAGES")}
    env["LANG"], _, language = lang.partition(" ")
    if language:
        env["LANGUAGE"] = language
    if home:
        env.update(XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
    done = subprocess.run([PROGRAM, *arguments], env=env, capture_output=True, timeout=60,
                          preexec_fn=limit)
    return done.returncode, done.stdout.decode(), done.stderr.decode()


class CommandLineTest(unittest.TestCase):

    def test_answers(self):
        folder = tempfile.mkdtemp()
        rows = [
            # arguments, language, exit status, what stdout begins with, stderr
            (["--help"], "C.UTF-8", 0, "Usage: ", ""),
            (["-v"], "C.UTF-8", 0, "KV Dwellstar 1.0.0\n", ""),
            (ANNA + BORN, "C.UTF-8", 0, LEO, ""),
            (ANNA + BORN + ["-o", "-"], "ja_JP.UTF-8", 0, LEO, ""),
            (ANNA + BORN, "de_DE.UTF-8", 0, LEO_DE, ""),
            (ANNA + BORN, "en_GB.UTF-8 en_GB:de", 0, LEO, ""),
            (ANNA + BORN, "ja_JP.UTF-8 ja:de", 0, LEO_DE, ""),
            (["--language", "de"] + ANNA + BORN, "C.UTF-8", 0, LEO_DE, ""),
            (["--language", "en"] + ANNA + BORN, "de_DE.UTF-8", 0, LEO, ""),
            (["--language", "ru", "--help"], "C.UTF-8", 0, "Использование: ", ""),
            (["--language", "xx"] + ANNA + BORN, "C.UTF-8", 2, "",
             '"xx" is no language of KV Dwellstar: give one of en, de, es, fr, it, pt_BR, ru.\n'),
            (["--first-name", "Jürgen", "--last-name", "Петров"] + BORN, "C.UTF-8", 0,
             "JÜRGEN ПЕТРОВ\nBorn 15 August 1990\n", ""),
            (ANNA + ["--birth-date", "2050-06-15"], "C.UTF-8", 0,
             "ANNA SMITH\nBorn 15 June 2050\n\nSun Sign: Gemini\n", ""),
            (["-style", "Fusion"], "C.UTF-8", 1, "",
             "KV Dwellstar needs a graphical desktop, but no display is available.\n"),
            (["--first-name", "anna"] + BORN, "C.UTF-8", 2, "", "Please Enter Your Last Name\n"),
            (["--first-name", "anna"] + BORN, "de_DE.UTF-8", 2, "",
             "Bitte geben Sie Ihren Nachnamen ein\n"),
            (BORN, "C.UTF-8", 2, "", "Please Enter Your First Name\n"),
            (ANNA, "C.UTF-8", 2, "", "Please Specify Your Birth Date\n"),
            (["--first-name", "ann-e", "--last-name", "smith"] + BORN, "C.UTF-8", 2, "",
             "Please Enter Only Alphabet\n"),
            (ANNA + ["--birth-date", "2001-02-29"], "C.UTF-8", 2, "",
             "Please Enter Correct Date Or Month!\n"),
            (ANNA + ["--birth-date", "1990-04-31"], "C.UTF-8", 2, "",
             "Please Enter Correct Date Or Month !\n"),
            (ANNA + ["--birth-date", "2051-01-01"], "C.UTF-8", 2, "",
             "Please Specify Your Birth Year\n"),
            *[(ANNA + ["--birth-date", date], "C.UTF-8", 2, "", NO_DATE % date)
              for date in ("15/08/1990", "1990-13-01", "1990-01-32", "yesterday", "")],
            (["--colour", "red"], "C.UTF-8", 2, "", "Unknown option 'colour'.\n"),
            (ANNA + BORN + ["-o", f"{folder}/missing/r.pdf"], "C.UTF-8", 1, "",
             f'The reading could not be saved as "{folder}/missing/r.pdf".\n\n'
             "No such file or directory\n"),
            (ANNA + BORN + ["-o", f"{PROGRAM}/r.txt"], "C.UTF-8", 1, "",
             f'The reading could not be saved as "{PROGRAM}/r.txt".\n\nNot a directory\n'),
        ]
        for arguments, lang, status, out, err in rows:
            with self.subTest(arguments=arguments, lang=lang):
                done, printed, told = run(arguments, lang)
                # A refusal prints nothing at all.
                shown = printed[:len(out)] if out else printed
                self.assertEqual((done, shown, told), (status, out, err))
        self.assertEqual(os.listdir(folder), [])

    def test_files_whole_or_not_at_all_and_nothing_else(self):
        home = tempfile.mkdtemp()
        printed = run(ANNA + BORN)[1]
        for name, written, begins in (("r.txt", "r.txt", printed.encode()),
                                      ("r.pdf", "r.pdf", b"%PDF-"), ("r", "r.pdf", b"%PDF-"),
                                      ("r.png", "r.png", b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR"
                                       b"\x00\x00\x02\xef")):  # as wide as the result window
            with self.subTest(name=name):
                self.assertEqual(run(ANNA + BORN + ["-o", f"{home}/{name}"], home=home)[0], 0)
                with open(f"{home}/{written}", "rb") as file:
                    self.assertTrue(file.read().startswith(begins))
                os.remove(f"{home}/{written}")
        status, _, err = run(ANNA + BORN + ["-o", f"{home}/r.pdf"], home=home, limit=full_disk)
        self.assertEqual((status, err.endswith("File too large\n")), (1, True))
        # No settings, no instance lock, no file left behind.
        self.assertEqual([files for _, _, files in os.walk(home) if files], [])


    def test_bash_completes_the_options(self):
        for words, offered in ((["--lan"], "--language"),
                               (["--language", ""], "en de es fr it pt_BR ru")):
            with self.subTest(words=words):
                script = (f"source {shlex.quote(COMPLETION)}; "
                          f"COMP_WORDS=(kv-dwellstar {' '.join(map(shlex.quote, words))}); "
                          f"COMP_CWORD={len(words)}; _kv_dwellstar; echo ${{COMPREPLY[@]}}")
                done = subprocess.run(["bash", "-c", script], capture_output=True, text=True)
                self.assertEqual(done.stdout.strip(), offered, done.stderr)


if __name__ == "__main__":
    unittest.main()
