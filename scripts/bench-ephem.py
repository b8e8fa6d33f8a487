# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
"""The comparison of scripts/bench-ephem.sh: almanac --tz against PyEphem, city by city."""

import datetime as dt
import signal
import subprocess
import sys
from zoneinfo import ZoneInfo

import ephem

SLIP_LOW, SLIP_HIGH = 50, 70  # minutes: a difference in this band is a wrong offset
SEARCH_LIMIT = 2.0  # seconds: PyEphem's search can circle for ever when the sun grazes the horizon


class SearchTooLong(Exception):
    pass


def give_up(*_):
    raise SearchTooLong()


def iso6709(text):
    """'+404251-0740023' -> (40.7142, -74.0064)."""
    split = max(text.rfind("+"), text.rfind("-"))

    def angle(part, degree_digits):
        digits = part[1:]
        value = int(digits[:degree_digits]) + int(digits[degree_digits:degree_digits + 2]) / 60
        if len(digits) > degree_digits + 2:
            value += int(digits[degree_digits + 2:]) / 3600
        return -value if part[0] == "-" else value

    return angle(text[:split], 2), angle(text[split:], 3)


def reference_cities(zoneinfo, count):
    zones = []
    with open(f"{zoneinfo}/zone1970.tab", encoding="utf-8") as table:
        for line in table:
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            zones.append((fields[2], *iso6709(fields[1])))
    zones.sort()
    if count <= 0 or count >= len(zones):
        return zones
    step = len(zones) / count  # spread evenly over the sorted table
    return [zones[int(i * step)] for i in range(count)]


def wall_time(day, text):
    """The almanac's 24-hour text ('-11:10', '24:40') as hours from midnight of `day`."""
    hours, minutes = text.split(":")  # the minutes always count forward: -11:10 is 13:10
    return dt.datetime.combine(day, dt.time()) + dt.timedelta(hours=int(hours),
                                                              minutes=int(minutes))


def ephem_wall_time(observer, sun, zone, near, rising):
    """The event of that kind nearest to the wall-clock time `near`, on the wall clock."""
    utc_guess = near.replace(tzinfo=zone).astimezone(dt.timezone.utc).replace(tzinfo=None)
    # Searching forward from half a day before, twice: PyEphem's backward search can miss an
    # event a minute before its start.
    finder = observer.next_rising if rising else observer.next_setting
    events = []
    start = utc_guess - dt.timedelta(hours=12)
    for _ in range(2):
        observer.date = ephem.Date(start)
        signal.setitimer(signal.ITIMER_REAL, SEARCH_LIMIT)
        try:
            event = finder(sun, use_center=True).datetime()
        except (ephem.AlwaysUpError, ephem.NeverUpError, SearchTooLong):
            break
        finally:
            signal.setitimer(signal.ITIMER_REAL, 0)
        events.append(event)
        start = event + dt.timedelta(hours=1)
    if not events:
        return None
    nearest = min(events, key=lambda e: abs(e - utc_guess))
    return nearest.replace(tzinfo=dt.timezone.utc).astimezone(zone).replace(tzinfo=None)


def compare_city(almanac, name, latitude, longitude, year, results):
    days = (dt.date(year + 1, 1, 1) - dt.date(year, 1, 1)).days
    output = subprocess.run([almanac, "--tz", name, "--military", "--from", f"{year}-01-01",
                             "--days", str(days)], check=True, capture_output=True,
                            text=True).stdout.splitlines()[1:]
    zone = ZoneInfo(name)
    observer = ephem.Observer()
    observer.lat, observer.lon = str(latitude), str(longitude)
    observer.elevation, observer.pressure, observer.horizon = 0, 0, "-0:50"
    sun = ephem.Sun()
    for line in output:
        fields = line.split("\t")
        day = dt.date.fromisoformat(fields[0])
        noon = dt.datetime.combine(day, dt.time(12)).replace(tzinfo=zone)
        west = noon.utcoffset() < dt.timedelta(0)
        # Which day's event each label shows: the scan runs from local noon of the day before
        # (offset below zero) or of the date itself.
        for text, rising, event_day in ((fields[2], True, day if west else day + dt.timedelta(1)),
                                        (fields[3], False, day - dt.timedelta(1) if west else day)):
            if not text:
                results["missing"] += 1
                continue
            shown = wall_time(event_day, text)
            actual = ephem_wall_time(observer, sun, zone, shown, rising)
            if actual is None:
                results["missing"] += 1
                continue
            minutes = abs((shown - actual).total_seconds()) / 60
            results["events"] += 1
            if SLIP_LOW <= minutes <= SLIP_HIGH:
                results["slips"].append((name, fields[0], "sunrise" if rising else "sunset"))
            band = "low" if abs(latitude) <= 60 else "high"
            if minutes > results[band][0]:
                results[band] = (minutes, name, fields[0], "sunrise" if rising else "sunset")
            if abs(latitude) <= 60:
                results["sum"] += minutes
                results["low_events"] += 1


def main():
    almanac, zoneinfo, year, count = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    signal.signal(signal.SIGALRM, give_up)
    cities = reference_cities(zoneinfo, count)
    results = {"events": 0, "low_events": 0, "missing": 0, "sum": 0.0, "slips": [],
               "low": (0.0, "", "", ""), "high": (0.0, "", "", "")}
    for name, latitude, longitude in cities:
        compare_city(almanac, name, latitude, longitude, year, results)
    low_cities = sum(1 for _, latitude, _ in cities if abs(latitude) <= 60)
    print(f"cities: {len(cities)} ({low_cities} within 60 degrees of the equator), year {year}")
    print(f"events compared: {results['events']}; none to compare (polar day or night): "
          f"{results['missing']}")
    minutes, name, date, kind = results["low"]
    print(f"largest difference, latitudes up to 60 degrees: {minutes:.2f} min "
          f"({name} {date} {kind}); mean {results['sum'] / max(results['low_events'], 1):.2f} min")
    minutes, name, date, kind = results["high"]
    if name:
        print(f"largest difference, latitudes beyond 60 degrees: {minutes:.2f} min "
              f"({name} {date} {kind})")
    print(f"differences of about an hour (clock-change slips): {len(results['slips'])}")
    for slip in results["slips"][:10]:
        print("  slip:", *slip)


if __name__ == "__main__":
    main()
