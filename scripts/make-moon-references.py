#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Writes the reference rows that tests/astro/tst_moon_sky.cpp checks the moon against, from
# PyEphem (Debian's python3-ephem, an independent lunar theory and clock model). Run once
# when the rows are to change; the tests read the saved files and need no PyEphem.
#   /usr/bin/python3 scripts/make-moon-references.py [OUTPUT_FOLDER]
# (default tests/astro/moon). The seed is fixed, so the same rows come out each time.
import math
import os
import random
import sys

try:
    import ephem
except ImportError:
    sys.exit('make-moon-references: needs PyEphem: apt-get install python3-ephem, then run it '
             'with /usr/bin/python3')

TWO_PI = 2 * math.pi
AU_KM = 149597870.7
OFFSETS = [-36000, -18000, -12600, 0, 3600, 19800, 20700, 36000, 45900]  # seconds ahead of UT


def elongation(moment):
    """The moon's apparent geocentric ecliptic longitude less the sun's, (0, 2pi]."""
    moon, sun = ephem.Moon(moment), ephem.Sun(moment)

    def longitude(body):
        return ephem.Ecliptic(ephem.Equatorial(body.g_ra, body.g_dec, epoch=moment),
                              epoch=moment).lon

    angle = (longitude(moon) - longitude(sun)) % TWO_PI
    # The lit fraction from the angle at the moon between sun and earth, as these positions
    # give it (moon_phase of PyEphem is worked out otherwise and differs by up to 0.005).
    psi = ephem.separation((moon.g_ra, moon.g_dec), (sun.g_ra, sun.g_dec))
    sun_km, moon_km = sun.earth_distance * AU_KM, moon.earth_distance * AU_KM
    phase = math.atan2(sun_km * math.sin(psi), moon_km - sun_km * math.cos(psi))
    return (angle if angle > 0 else TWO_PI), (1 + math.cos(phase)) / 2


def random_day(rng, first_year, last_year):
    start = ephem.Date('%d/1/1' % first_year)
    end = ephem.Date('%d/12/31' % last_year)
    return int(rng.uniform(start, end) + 0.5) - 0.5  # a midnight (ephem days start at noon)


def local_text(day, seconds):
    """'YYYY-MM-DDTHH:MM:SS' of a day's local time `seconds` after midnight."""
    year, month, date = ephem.Date(day + 0.25).triple()  # clear of rounding at midnight
    hour, minute, second = seconds // 3600, seconds // 60 % 60, seconds % 60
    return '%04d-%02d-%02dT%02d:%02d:%02d' % (year, month, int(date), hour, minute, second)


def elongation_rows(rng, count, first_year, last_year, evening_only):
    rows = []
    for _ in range(count):
        day = random_day(rng, first_year, last_year)
        offset = rng.choice(OFFSETS)
        seconds = 18 * 3600 if evening_only else rng.randrange(86400)
        moment = ephem.Date(day + (seconds - offset) / 86400.0)
        angle, lit = elongation(moment)
        rows.append('%s\t%d\t%.6f\t%.5f' % (local_text(day, seconds), offset, angle, lit))
    return rows


def phase_rows(rng, count):
    finders = [('new moon', ephem.next_new_moon), ('first quarter', ephem.next_first_quarter_moon),
               ('full moon', ephem.next_full_moon), ('last quarter', ephem.next_last_quarter_moon)]
    rows = []
    for _ in range(count):
        start = random_day(rng, 1900, 2099)
        name, finder = rng.choice(finders)
        instant = finder(ephem.Date(start))
        year, month, day, hour, minute, second = instant.tuple()
        rows.append('%s\t%04d-%02d-%02dT%02d:%02d:%02d\t%s' %
                    (local_text(start, 0)[:10], year, month, day, hour, minute, int(second), name))
    return rows


def write(path, header, rows):
    with open(path, 'w', encoding='ascii') as out:
        out.write(header + '\n')
        out.write(''.join(row + '\n' for row in rows))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'astro', 'moon')
    rng = random.Random(23)
    header = 'local\toffset_seconds\telongation\tlit_fraction'
    write(os.path.join(folder, 'elongation_1800_2200.tsv'), header,
          elongation_rows(rng, 120, 1800, 2200, True) + elongation_rows(rng, 40, 1800, 2200, False))
    write(os.path.join(folder, 'elongation_1601_9999.tsv'), header,
          elongation_rows(rng, 60, 1601, 9999, True))
    write(os.path.join(folder, 'principal_phases.tsv'), 'after\tinstant_ut\tphase',
          phase_rows(rng, 120))


if __name__ == '__main__':
    main()
