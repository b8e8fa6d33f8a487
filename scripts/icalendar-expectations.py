#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Writes the second opinion on the iCalendar reader's test files: the occurrences in 2026 (or
# in the range fixtures/ranges.txt gives the file) that python3-icalendar,
# python3-recurring-ical-events and python3-x-wr-timezone (Debian's, hence /usr/bin/python3)
# find in each file of tests/icalendar/fixtures, floating times read in Europe/Berlin, one
# line per occurrence as the reader's tests compare them:
#   2026-12-25<TAB>2026-12-26<TAB>Summary              (all day: first day, day after the last)
#   2026-01-12T08:00:00Z<TAB>2026-01-12T09:00:00Z<TAB>Summary
# into tests/icalendar/expected/NAME.python. A file Python cannot read gets none.
# Usage: scripts/icalendar-expectations.py
import datetime
import pathlib
import sys

import icalendar
import pytz
import recurring_ical_events
import x_wr_timezone

ROOT = pathlib.Path(__file__).resolve().parent.parent
FIXTURES = ROOT / "tests/icalendar/fixtures"
EXPECTED = ROOT / "tests/icalendar/expected"
LOCAL = pytz.timezone("Europe/Berlin")
DEFAULT_RANGE = (datetime.date(2026, 1, 1), datetime.date(2027, 1, 1))


def ranges():
    """The range of each file that is not about 2026: name first until, one a line."""
    found = {}
    for entry in (FIXTURES / "ranges.txt").read_text().split("\n"):
        if entry.strip():
            name, first, until = entry.split()
            found[name] = (datetime.date.fromisoformat(first), datetime.date.fromisoformat(until))
    return found


def instant(value):
    if value.tzinfo is None:
        value = LOCAL.localize(value)
    return value.astimezone(pytz.utc).strftime("%Y-%m-%dT%H:%M:%SZ")


def line(event):
    start = event["DTSTART"].dt
    end = event["DTEND"].dt if "DTEND" in event else start
    summary = str(event.get("SUMMARY", ""))
    if isinstance(start, datetime.datetime):
        return f"{instant(start)}\t{instant(end)}\t{summary}"
    if isinstance(end, datetime.datetime):
        end = end.date()
    return f"{start.isoformat()}\t{max(end, start + datetime.timedelta(days=1)).isoformat()}\t{summary}"


def occurrences(data, span):
    lines = []
    for calendar in icalendar.Calendar.from_ical(data, multiple=True):
        calendar = x_wr_timezone.to_standard(calendar)
        for event in recurring_ical_events.of(calendar).between(*span):
            lines.append(line(event))
    return sorted(lines)


def main():
    EXPECTED.mkdir(exist_ok=True)
    spans = ranges()
    for path in sorted(FIXTURES.glob("*.ics")):
        try:
            lines = occurrences(path.read_bytes(), spans.get(path.stem, DEFAULT_RANGE))
        except Exception as error:  # Python's readers fail on several real-world files
            print(f"{path.name}: python cannot read it: {type(error).__name__}: {error}",
                  file=sys.stderr)
            lines = None
        target = EXPECTED / (path.stem + ".python")
        if lines is None:
            target.unlink(missing_ok=True)
            continue
        target.write_text("".join(entry + "\n" for entry in lines), encoding="utf-8")
        print(f"{path.name}: {len(lines)} occurrences", flush=True)


if __name__ == "__main__":
    main()
