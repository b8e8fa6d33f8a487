# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The almanac's events column: two files, days on which clocks change, an event over
# midnight, one that ends at 00:00, all-day events first, a rule under a day, and the files
# it refuses. No place is given, so that only the column under test moves the output.
set(eventsDir ${CMAKE_CURRENT_SOURCE_DIR}/almanac)
almanac_case(events_berlin 0 OUTPUT events_berlin.tsv
    ARGS --tz Europe/Berlin --latitude 0 --longitude 0 --events ${eventsDir}/events.ics
         --events=${eventsDir}/events_second.ics --from 2026-03-27 --days 6)
almanac_case(events_offset 0 OUTPUT events_offset.tsv
    ARGS --offset -5 --events ${eventsDir}/events.ics 2026-03-31 2026-03-28 2026-03-29 2026-03-30)
almanac_case(events_missing_file 2 STDERR "--events /nonexistent/x.ics: no such file"
    ARGS --events /nonexistent/x.ics 2026-01-01)
almanac_case(events_directory 2 STDERR "not a regular file" ARGS --events / 2026-01-01)
almanac_case(events_not_icalendar 2 STDERR "not an iCalendar file"
    ARGS --events ${CMAKE_CURRENT_SOURCE_DIR}/almanac_events.cmake 2026-01-01)
almanac_case(events_needs_value 2 STDERR "option --events needs a value" ARGS 2026-01-01 --events)
