#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The birthdays that the program exports, read back by a real iCalendar parser: each event
recurs on the right days from 2024 to 2030, 29 February included, its texts come back as
written, UIDs are stable across exports, languages and letter case, and the lines are CRLF-ended
and folded at 75 octets: check_icalendar.py <program>"""

import os
import re
import subprocess
import sys
import tempfile
from datetime import date, datetime, timedelta

from dateutil.rrule import rrulestr
from icalendar import Calendar


def yearly(month_day):
    return [f"{year}-{month_day}" for year in range(2024, 2031)]


# summary, DTSTART, the days from 2024 to 2030
ROWS = [
    ("Anna Smith's birthday (Leo)", b"19900815", yearly("08-15")),
    ("Noel Frost's birthday (Capricorn)", b"19851231", yearly("12-31")),
    ("Janus Day's birthday (Capricorn)", b"20010101", yearly("01-01")),
    ("Mira Quell's birthday (Gemini)", b"20000603", yearly("06-03")),
    ("Leap Hart's birthday (Pisces)", b"19960229",
     ["2024-02-29", "2025-02-28", "2026-02-28", "2027-02-28", "2028-02-29", "2029-02-28",
      "2030-02-28"]),
    ("Александра Константиновна Преображенская's birthday (Pisces)", b"19790308", yearly("03-08")),
    ("Kim, Lee; %2 Back\\Slash's birthday (Taurus)", b"19700430", yearly("04-30")),
    ("Anna Smith's birthday (Leo)", b"20000815", yearly("08-15")),
]
# last, first, middle and birthday as a vCard gives them
CONTACTS = [("Smith", "Anna", "", "1990-08-15"), ("Frost", "Noel", "", "1985-12-31"),
            ("Day", "Janus", "", "2001-01-01"), ("Quell", "Mira", "", "--0603"),
            ("Hart", "Leap", "", "1996-02-29"),
            ("Преображенская", "Александра", "Константиновна", "1979-03-08"),
            ("Back\\\\Slash", "Kim\\, Lee\\;", "%2", "1970-04-30"), ("Smith", "Anna", "", "--0815")]
ANNA_DESCRIPTION = ("Colors: Red\nBirthstone: Ruby\n"
                    "Home style: You will love a grand, stately home that impresses visitors.")


def run(*arguments, upper=False):
    """The calendar of a book of CONTACTS, the first names in capitals if asked."""
    data = tempfile.mkdtemp()
    contacts = os.path.join(data, "contacts.vcf")
    with open(contacts, "w", encoding="utf-8") as file:
        for last, first, middle, born in CONTACTS:
            file.write(f"BEGIN:VCARD\nVERSION:3.0\nN:{last};{first.upper() if upper else first};"
                       f"{middle};;\nBDAY:{born}\nEND:VCARD\n")
    env = dict(os.environ, XDG_DATA_HOME=data, LANG="C.UTF-8")
    raw = subprocess.run([sys.argv[1], *arguments, "--import-contacts", contacts,
                          "--export-birthdays", "-"], check=True, capture_output=True,
                         env=env).stdout
    assert raw.startswith(b"BEGIN:VCALENDAR\r\n") and raw.endswith(b"END:VCALENDAR\r\n"), raw[:40]
    assert raw.count(b"\n") == raw.count(b"\r\n") == raw.count(b"\r"), "a line not ended by CRLF"
    for line in raw[:-2].split(b"\r\n"):
        assert len(line) <= 75, f"{len(line)} octets: {line!r}"
        line.decode("utf-8")  # a fold inside a character fails here
    return raw, Calendar.from_ical(raw)


def check():
    raw, calendar = run()
    for name, value in [("VERSION", "2.0"), ("CALSCALE", "GREGORIAN"), ("METHOD", "PUBLISH"),
                        ("X-WR-CALNAME", "Birthdays")]:
        assert str(calendar[name]) == value, (name, calendar[name])
    assert str(calendar["PRODID"]).startswith("-//Velmora Softwares//KV Dwellstar ")
    assert b"\r\n " in raw, "no line folded"
    assert b"SUMMARY:Kim\\, Lee\\; %2 Back\\\\Slash's" in raw, "text not escaped"
    events = calendar.walk("VEVENT")
    assert [str(event["SUMMARY"]) for event in events] == [row[0] for row in ROWS]
    for event, (summary, start, days) in zip(events, ROWS):
        first = event["DTSTART"].dt
        assert event["DTSTART"].to_ical() == start and type(first) is date, (summary, first)
        assert event["DTEND"].dt - first == timedelta(days=1), summary
        rule = rrulestr(event["RRULE"].to_ical().decode(), dtstart=datetime(*first.timetuple()[:3]))
        found = rule.between(datetime(2024, 1, 1), datetime(2030, 12, 31), inc=True)
        assert [day.strftime("%Y-%m-%d") for day in found] == days, (summary, found)
        assert event["DTSTAMP"].dt.utcoffset() == timedelta(0), event["DTSTAMP"].to_ical()
        assert str(event["TRANSP"]) == "TRANSPARENT"
    assert str(events[0]["DESCRIPTION"]) == ANNA_DESCRIPTION, events[0]["DESCRIPTION"]

    uids = [str(event["UID"]) for event in events]
    assert all(re.fullmatch(r"[0-9a-f-]{36}@[a-z0-9.-]+", uid) for uid in uids), uids
    assert len(set(uids)) == len(ROWS), uids  # the two Anna Smiths are two people
    # Another language and every name in capitals: still the same people.
    _, shouted = run("--language", "de", upper=True)
    events = shouted.walk("VEVENT")
    assert [str(event["UID"]) for event in events] == uids, "UIDs changed with language or case"
    assert "ANNA Smith" in str(events[0]["SUMMARY"]) and "(Löwe)" in events[0]["SUMMARY"]


if __name__ == "__main__":
    check()
    print("icalendar: all rows pass")
