#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Writes the benchmark calendar of the iCalendar reader: one VCALENDAR with a Europe/Berlin
# VTIMEZONE, N single events spread over 2024-2028 (a third in UTC, a third with
# TZID=Europe/Berlin, a third all day; each with umlauts in its summary, three sentences of
# description and a location) and M weekly series from the first week of 2024 (half with
# COUNT=261, half until the end of 2028, of the same three kinds, every tenth with an
# EXDATE). CRLF line ends, lines folded at 75 octets. With the defaults (10000 200) that is
# 10,200 VEVENTs and 62,180 instances in 2024-2028: 10,000 + 200 x 261 - 20.
# Usage: scripts/make-bench-calendar.py [N [M]] > big.ics
import datetime
import random
import sys

BERLIN = """BEGIN:VTIMEZONE
TZID:Europe/Berlin
BEGIN:DAYLIGHT
TZOFFSETFROM:+0100
TZOFFSETTO:+0200
TZNAME:CEST
DTSTART:19700329T020000
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU
END:DAYLIGHT
BEGIN:STANDARD
TZOFFSETFROM:+0200
TZOFFSETTO:+0100
TZNAME:CET
DTSTART:19701025T030000
RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU
END:STANDARD
END:VTIMEZONE""".split("\n")

WORDS = "Besprechung Übergabe Grüße Straße Höhe Märchen Prüfung Ärger Öffnung Fußball".split()


def fold(line):
    data = line.encode()
    if len(data) <= 75:
        return line
    parts, current, limit = [], b"", 75
    for char in line:
        encoded = char.encode()
        if len(current) + len(encoded) > limit:
            parts.append(current.decode())
            current, limit = b"", 74
        current += encoded
    parts.append(current.decode())
    return "\r\n ".join(parts)


def stamp(moment, kind):
    if kind == 0:
        return ":" + moment.strftime("%Y%m%dT%H%M%SZ")
    if kind == 1:
        return ";TZID=Europe/Berlin:" + moment.strftime("%Y%m%dT%H%M%S")
    return ";VALUE=DATE:" + moment.strftime("%Y%m%d")


def event(number, start, kind, extra=()):
    end = start + (datetime.timedelta(days=1) if kind == 2 else datetime.timedelta(hours=1))
    summary = " ".join(random.choice(WORDS) for _ in range(3))
    description = (f"Der {number}. Termin des Jahres. Bitte pünktlich erscheinen. "
                   "Unterlagen werden vor Ort verteilt.")
    lines = ["BEGIN:VEVENT", f"UID:bench-{number}@solvane.example", "DTSTAMP:20240101T000000Z",
             "DTSTART" + stamp(start, kind), "DTEND" + stamp(end, kind),
             f"SUMMARY:{summary} {number}", f"DESCRIPTION:{description}",
             f"LOCATION:Raum {number % 97}, Hauptstraße {number % 13}", *extra, "END:VEVENT"]
    return lines


def main():
    singles = int(sys.argv[1]) if len(sys.argv) > 1 else 10000
    series = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    random.seed(1)
    lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Solvane//benchmark//EN", *BERLIN]
    first = datetime.datetime(2024, 1, 1, 8, 0)
    span = (datetime.datetime(2028, 12, 31) - first).total_seconds()
    for number in range(singles):
        start = first + datetime.timedelta(seconds=random.randrange(int(span) // 900) * 900)
        lines += event(number, start, number % 3)
    for index in range(series):
        number = singles + index
        start = first + datetime.timedelta(days=index % 7, hours=index % 9)
        kind = index % 3
        rule = "RRULE:FREQ=WEEKLY;COUNT=261" if index % 2 == 0 else \
            "RRULE:FREQ=WEEKLY;UNTIL=20281231T235959Z"
        extra = [rule]
        if index % 10 == 0:
            extra.append("EXDATE" + stamp(start + datetime.timedelta(weeks=10), kind))
        lines += event(number, start, kind, extra)
    lines.append("END:VCALENDAR")
    sys.stdout.buffer.write("".join(fold(line) + "\r\n" for line in lines).encode())


if __name__ == "__main__":
    main()
