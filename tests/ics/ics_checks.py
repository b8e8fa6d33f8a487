# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
"""Checks of the almanac's iCalendar export, run by validate-ics.sh under Debian's python3.

  ics_checks.py rows ALMANAC      the export's times against the almanac's lines and --phases
  ics_checks.py icalendar ALMANAC the export read by python3-icalendar
  ics_checks.py caldav ALMANAC    the export uploaded into a Radicale server on 127.0.0.1
"""
import base64
import datetime
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request
import zoneinfo

# Places and clocks that reach the odd cases: a clock behind GMT (the line shows the day
# before's sunset), polar night and midnight sun, a zone that changes its clocks, a zone of
# quarter hours and an offset that is not a whole number of minutes.
CASES = {
    "new_york_offset": ["--lat", "N°40.75", "--lon", "W°73.99", "--offset", "-5",
                        "--from", "2026-11-25", "--days", "40"],
    "tromso_polar_night": ["--lat", "N°69.65", "--lon", "E°18.96", "--offset", "1",
                           "--from", "2026-11-20", "--days", "30"],
    "tromso_midnight_sun": ["--lat", "N°69.65", "--lon", "E°18.96", "--offset", "1",
                            "--from", "2026-05-10", "--days", "30"],
    "new_york_zone": ["--tz", "America/New_York", "--from", "2026-03-01", "--days", "40"],
    "kathmandu_zone": ["--tz", "Asia/Kathmandu", "--from", "2026-06-01", "--days", "40"],
    "odd_offset": ["--lat", "S°33.87", "--lon", "E°151.21", "--offset", "10.33",
                   "--from", "2026-12-01", "--days", "40"],
}
ENV = dict(os.environ, TZ="UTC", LC_ALL="C.UTF-8")


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def almanac(tool, arguments):
    done = subprocess.run([tool] + arguments, capture_output=True, env=ENV, timeout=120)
    if done.returncode != 0:
        fail("%s exited %d: %s" % (arguments, done.returncode, done.stderr.decode()))
    return done.stdout


def unfold(data):
    """The content lines, after checking the octets: CRLF only, at most 75 a line, UTF-8."""
    if not data.endswith(b"\r\n") or re.search(rb"[^\r]\n|\r[^\n]", data):
        fail("a line does not end with CRLF")
    physical = data[:-2].split(b"\r\n")
    for line in physical:
        if len(line) > 75:
            fail("a line of %d octets: %r" % (len(line), line))
        line.decode("utf-8")  # a fold inside a character would not decode
    logical = []
    for line in physical:
        if line.startswith(b" "):
            logical[-1] += line[1:]
        else:
            logical.append(line)
    return [line.decode("utf-8") for line in logical]


def events(data):
    """Each VEVENT as a dict of its property names and values."""
    found, current = [], None
    for line in unfold(data):
        name, _, value = line.partition(":")
        if "TZID" in name:
            fail("a TZID in " + line)
        if line == "BEGIN:VEVENT":
            current = {}
        elif line == "END:VEVENT":
            found.append(current)
            current = None
        elif current is not None:
            current[name] = value
    return found


def instant(value):
    return datetime.datetime.strptime(value, "%Y%m%dT%H%M%SZ").replace(tzinfo=datetime.timezone.utc)


def clock_of(arguments):
    """The offset of a local moment, as the almanac reads --offset or --tz."""
    if "--tz" in arguments:
        zone = zoneinfo.ZoneInfo(arguments[arguments.index("--tz") + 1])
        return lambda moment: moment.astimezone(zone).utcoffset()
    hours = float(arguments[arguments.index("--offset") + 1])
    return lambda moment: datetime.timedelta(seconds=round(hours * 3600))


def check_rows(tool):
    for name, arguments in CASES.items():
        data = almanac(tool, ["--ics", "--military"] + arguments)
        if almanac(tool, ["--ics", "--military"] + arguments) != data:
            fail(name + ": two exports differ")
        found = events(data)
        uids = [event["UID"] for event in found]
        if len(set(uids)) != len(uids):
            fail(name + ": a UID twice")
        by_uid = {event["UID"]: event for event in found}
        offset = clock_of(arguments)
        lines = almanac(tool, ["--military"] + arguments).decode().splitlines()[1:]
        sun_times = 0
        for line in lines:
            date, _, sunrise, sunset = line.split("\t")[:4]
            for kind, text in (("sunrise", sunrise), ("sunset", sunset)):
                matching = [e for uid, e in by_uid.items()
                            if uid.startswith("%s-%s-" % (kind, date.replace("-", "")))]
                if not text:
                    if matching:
                        fail("%s: %s %s has an event but no time in the line" % (name, date, kind))
                    continue
                if len(matching) != 1:
                    fail("%s: %s %s: %d events" % (name, date, kind, len(matching)))
                moment = instant(matching[0]["DTSTART"])
                local = moment + offset(moment)
                if local.strftime("%H:%M") != text:
                    fail("%s: %s %s is %s local, the line says %s"
                         % (name, date, kind, local.strftime("%H:%M"), text))
                if matching[0]["SUMMARY"] != kind.capitalize():
                    fail("%s: summary %s" % (name, matching[0]["SUMMARY"]))
                sun_times += 1
        phases = almanac(tool, ["--phases"] + arguments).decode().splitlines()
        moons = sorted((e for e in found if e["UID"].startswith("lunation")),
                       key=lambda e: e["DTSTART"])
        if len(phases) != len(moons):
            fail("%s: %d phase lines, %d moon events" % (name, len(phases), len(moons)))
        for line, event in zip(phases, moons):
            when, phase = line.split("\t")
            moment = instant(event["DTSTART"])
            local = moment + offset(moment) + datetime.timedelta(seconds=30)
            if local.strftime("%Y-%m-%dT%H:%M") != when or event["SUMMARY"].lower() != phase:
                fail("%s: %s %s against the line %s" % (name, event["DTSTART"], event["SUMMARY"], line))
        if sun_times + len(moons) != len(found):
            fail("%s: %d events, %d times in the lines" % (name, len(found), sun_times + len(moons)))
        print("%s: %d sun times, %d phases agree" % (name, sun_times, len(moons)))


def check_from_today(tool):
    """Without dates the calendar covers the 366 days from today on the almanac's clock."""
    arguments = ["--ics", "--ics-only", "sun", "--lat", "51.5", "--lon", "0.12", "--offset", "0"]
    before = datetime.datetime.now(datetime.timezone.utc).date()
    dates = sorted({e["UID"].split("-")[1] for e in events(almanac(tool, arguments))})
    after = datetime.datetime.now(datetime.timezone.utc).date()
    if dates[0] not in (before.strftime("%Y%m%d"), after.strftime("%Y%m%d")) or len(dates) != 366:
        fail("without dates: %d dates from %s, today is %s" % (len(dates), dates[0], before))
    print("without dates: the 366 days from %s" % dates[0])


def check_icalendar(tool):
    import icalendar
    for name, arguments in CASES.items():
        calendar = icalendar.Calendar.from_ical(almanac(tool, ["--ics"] + arguments))
        errors = [(c.name, c.errors) for c in calendar.walk() if getattr(c, "errors", None)]
        if errors:
            fail("%s: python3-icalendar found %s" % (name, errors))
        vevents = calendar.walk("VEVENT")
        for event in vevents:
            start = event.decoded("DTSTART")
            if start.utcoffset() != datetime.timedelta(0):
                fail("%s: DTSTART not in UTC: %r" % (name, start))
            event.decoded("DTSTAMP")
        print("%s: %d VEVENT read by icalendar %s" % (name, len(vevents), icalendar.__version__))


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


# Straight to the loopback server, whatever proxy the environment names.
OPENER = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def request(method, url, body=None):
    # The server takes any user without a password; its rights give each user their own folder.
    headers = {"Authorization": "Basic " + base64.b64encode(b"user:").decode(), "Depth": "1"}
    if body:
        headers["Content-Type"] = "text/calendar; charset=utf-8"
    try:
        with OPENER.open(urllib.request.Request(url, body, headers, method=method),
                         timeout=60) as answer:
            return answer.status, answer.read()
    except urllib.error.HTTPError as error:
        return error.code, error.read()


def objects(data):
    """Each VEVENT wrapped in the calendar's own head and tail: one object per UID, as
    CalDAV stores them (the server refuses one object of several UIDs)."""
    text = data.decode()
    head = text[:text.index("BEGIN:VEVENT")]
    for block in re.findall(r"BEGIN:VEVENT\r\n.*?END:VEVENT\r\n", text, re.S):
        uid = re.search(r"^UID:(.*)\r$", block, re.M).group(1)
        yield uid, (head + block + "END:VCALENDAR\r\n").encode()


def check_caldav(tool):
    folder = tempfile.mkdtemp(prefix="solvane-radicale-")
    port = free_port()
    config = os.path.join(folder, "config")
    with open(config, "w") as out:
        out.write("[server]\nhosts = 127.0.0.1:%d\n[auth]\ntype = none\n"
                  "[rights]\ntype = owner_only\n[storage]\nfilesystem_folder = %s\n"
                  % (port, os.path.join(folder, "collections")))
    server = subprocess.Popen([sys.executable, "-m", "radicale", "--config", config],
                              stdout=subprocess.DEVNULL, stderr=open(os.path.join(folder, "log"), "w"))
    try:
        base = "http://127.0.0.1:%d/user/" % port
        for _ in range(200):
            try:
                request("OPTIONS", base)
                break
            except (OSError, urllib.error.URLError):
                time.sleep(0.1)
        arguments = ["--ics"] + CASES["new_york_zone"]
        data = almanac(tool, arguments)
        status, _ = request("MKCALENDAR", base + "almanac/")
        if status != 201:
            fail("MKCALENDAR: %d" % status)
        status, answer = request("PUT", base + "almanac/whole.ics", data)
        print("one PUT of the whole calendar as one object: %d %s" % (status, answer[:80]))
        if status < 400:
            fail("the server took several UIDs in one object; upload the calendar whole")
        # A second upload of a new export replaces each object: the server answers 201 or
        # 204 and still holds one object per event.
        for round_ in ("first", "again"):
            answers = {}
            for uid, body in objects(almanac(tool, arguments)):
                name = re.sub(r"[^A-Za-z0-9._-]", "_", uid) + ".ics"
                status, answer = request("PUT", base + "almanac/" + name, body)
                if status not in (201, 204):
                    fail("PUT %s (%s): %d %s" % (name, round_, status, answer[:200]))
                answers[status] = answers.get(status, 0) + 1
            print("PUT of each event (%s): %s" % (round_, answers))
        status, listing = request("PROPFIND", base + "almanac/")
        count = len(re.findall(rb"\.ics</", listing))
        if count != len(events(data)):
            fail("the server holds %d objects, the export has %d events" % (count, len(events(data))))
        print("Radicale holds %d objects after two uploads of the %d events" % (count, count))
    finally:
        server.terminate()
        server.wait(timeout=60)
        shutil.rmtree(folder, ignore_errors=True)


def main():
    mode, tool = sys.argv[1], sys.argv[2]
    if mode == "rows":
        check_rows(tool)
        check_from_today(tool)
    elif mode == "icalendar":
        check_icalendar(tool)
    elif mode == "caldav":
        check_caldav(tool)
    else:
        fail("unknown mode " + mode)


main()
