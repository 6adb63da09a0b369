# SPDX-License-Identifier: MIT
"""The book of people at a terminal, as a person or a script keeps it, and the book kept through
kills, damage, a folder that cannot be written, a full disk and two writers at once:
test_people.py <program>"""

import datetime
import glob
import json
import os
import resource
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = sys.argv.pop(1)
MANY = 20000


def run(arguments, data, limit=None, wait=True):
    home = tempfile.mkdtemp()
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL")}
    env.update(LANG="C.UTF-8", XDG_DATA_HOME=data, XDG_CONFIG_HOME=home,
               XDG_RUNTIME_DIR=home)
    child = subprocess.Popen([PROGRAM, *arguments], env=env, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, preexec_fn=limit)
    if not wait:
        return child
    out, err = child.communicate(timeout=120)
    return child.returncode, out.decode(), err.decode()


def contacts(folder, people):
    """A vCard file of (first name, last name, birthday) in `folder`."""
    path = os.path.join(folder, "contacts.vcf")
    with open(path, "w", encoding="utf-8") as file:
        for first, last, born in people:
            file.write(f"BEGIN:VCARD\r\nVERSION:3.0\r\nN:{last};{first};;;\r\n"
                       f"FN:{first} {last}\r\nBDAY:{born}\r\nEND:VCARD\r\n")
    return path


def many(prefix):
    return [(f"{prefix}{n}", "Smith", f"19{n % 100:02}-{n % 12 + 1:02}-{n % 28 + 1:02}")
            for n in range(MANY)]


def book(data):
    return os.path.join(data, "kv-dwellstar", "people.json")


def listed(data):
    status, out, err = run(["--people"], data)
    assert status == 0, err
    return out.splitlines()


def full_disk():
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))


class PeopleTest(unittest.TestCase):

    def test_kept_listed_soonest_first_and_remembered_once(self):
        data, today = tempfile.mkdtemp(), datetime.date.today()
        soon = [today + datetime.timedelta(days=n) for n in (12, 0, 1)]
        path = contacts(data, [("Cleo", "Ng", soon[0].replace(year=1980).isoformat()),
                               ("Ana", "Léon", soon[1].strftime("--%m-%d")),
                               ("Иван", "Петров", soon[2].replace(year=1991).isoformat())])
        self.assertEqual(run(["--import-contacts", path], data)[0], 0)
        self.assertEqual(listed(data), [
            f"Ana Léon\t{soon[1].strftime('--%m-%d')}\t{sign(soon[1])}\t0",
            f"Иван Петров\t{soon[2].replace(year=1991).isoformat()}\t{sign(soon[2])}\t1",
            f"Cleo Ng\t{soon[0].replace(year=1980).isoformat()}\t{sign(soon[0])}\t12"])
        self.assertEqual(os.stat(book(data)).st_mode & 0o777, 0o600)
        anna = ["--first-name", "anna", "--last-name", "smith", "--birth-date", "1990-08-15",
                "--remember", "-o", os.path.join(data, "r.txt")]
        for told in ("ANNA SMITH is now among your people.\n",
                     "ANNA SMITH is already among your people.\n"):
            self.assertEqual(run(anna, data), (0, "", told))
        self.assertEqual(len(listed(data)), 4)

    def test_the_book_survives(self):
        folder = tempfile.mkdtemp()
        big = contacts(folder, many("Kim"))
        newer = json.dumps({"format": "kv-dwellstar-people", "version": 99, "people": []})
        anna = ["--first-name", "anna", "--last-name", "smith", "--birth-date", "1990-08-15",
                "--remember", "-o", os.path.join(folder, "r.txt")]
        rows = [
            # what is there, what is done, its status, how many are kept, what is set aside
            ("damaged", b'{"format": "kv-dwellstar-people", "vers', anna, 0, 1, "damaged"),
            ("empty", b"", anna, 0, 1, "damaged"),
            ("newer", newer.encode(), anna, 0, 1, "newer"),
            ("disk full", None, ["--import-contacts", big], 1, 1, None),
            ("unwritable folder", None, anna, 1, 0, None),
        ]
        for name, there, action, status, kept, aside in rows:
            with self.subTest(name=name):
                data = tempfile.mkdtemp()
                os.makedirs(os.path.dirname(book(data)))
                if there is not None:
                    with open(book(data), "wb") as file:
                        file.write(there)
                elif name == "disk full":
                    run(anna, data)
                else:
                    os.rmdir(os.path.dirname(book(data)))
                    open(os.path.dirname(book(data)), "w").close()  # a file where the folder goes
                done = run(action, data, limit=full_disk if name == "disk full" else None)
                self.assertEqual(done[0], status, done[2])
                if name != "unwritable folder":
                    self.assertEqual(len(listed(data)), kept)
                set_aside = glob.glob(book(data) + ".*-*")
                self.assertEqual([os.path.basename(p).split(".")[2].split("-")[0]
                                  for p in set_aside], [aside] if aside else [])
                for path in set_aside:
                    with open(path, "rb") as file:
                        self.assertEqual(file.read(), there)

    def test_a_kill_mid_write_leaves_the_last_good_book(self):
        folder, data = tempfile.mkdtemp(), tempfile.mkdtemp()
        self.assertEqual(run(["--import-contacts", contacts(folder, [("Ann", "Li", "1990-01-02")])],
                             data)[0], 0)
        with open(book(data), "rb") as file:
            good = file.read()
        big = contacts(folder, many("Kim"))
        start = time.monotonic()
        self.assertEqual(run(["--import-contacts", big], data)[0], 0)
        whole = time.monotonic() - start
        # The book is written last: most kills fall near the end of an import.
        for share in (0.3, 0.6, 0.75, 0.85, 0.9, 0.93, 0.96, 0.98, 1.0, 1.02):
            with self.subTest(share=share):
                with open(book(data), "wb") as file:
                    file.write(good)
                child = run(["--import-contacts", big], data, wait=False)
                time.sleep(whole * share)
                child.kill()
                child.communicate()
                self.assertIn(len(listed(data)), (1, 1 + MANY))
                self.assertEqual(glob.glob(book(data) + ".*-*"), [])

    def test_two_writers_at_once_keep_both(self):
        data = tempfile.mkdtemp()
        writers = [run(["--first-name", f"writer{chr(97 + n)}", "--last-name", "smith",
                        "--birth-date", "1990-08-15", "--remember",
                        "-o", os.path.join(data, f"r{n}.txt")], data, wait=False)
                   for n in range(8)]
        for writer in writers:
            writer.communicate(timeout=120)
        self.assertEqual([writer.returncode for writer in writers], [0] * 8)
        self.assertEqual(len(listed(data)), 8)


def sign(day):
    """The sun sign of a day, as a calendar of the signs says it."""
    starts = [(1, 20, "Aquarius"), (2, 19, "Pisces"), (3, 21, "Aries"), (4, 21, "Taurus"),
              (5, 21, "Gemini"), (6, 21, "Cancer"), (7, 21, "Leo"), (8, 21, "Virgo"),
              (9, 21, "Libra"), (10, 21, "Scorpio"), (11, 21, "Sagittarius"),
              (12, 21, "Capricorn")]
    found = "Capricorn"
    for month, first, name in starts:
        if (day.month, day.day) >= (month, first):
            found = name
    return found


if __name__ == "__main__":
    unittest.main()
