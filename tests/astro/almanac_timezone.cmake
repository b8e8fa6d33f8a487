# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The almanac on the wall clock of a zone: the system zone set through TZ per case, a winter
# date, a summer date and a date from before the zone's present rules, at the zone's
# reference city (or, for UTC, which has none, at Greenwich).
if(SOLVANE_GUI)
    solvane_add_qt_test(astro_timezone SOURCES tst_timezone.cpp LIBS solvane_astro)
endif()

function(almanac_zone_case name zone)
    almanac_case(${name} 0 ${ARGN})
    set_tests_properties(almanac_${name} PROPERTIES ENVIRONMENT "TZ=${zone}")
endfunction()

set(zoneDates 2026-01-15 2026-07-15)
almanac_zone_case(tz_new_york America/New_York OUTPUT tz_new_york.tsv
    ARGS --tz local --military ${zoneDates} 1974-01-15)
almanac_zone_case(tz_berlin Europe/Berlin OUTPUT tz_berlin.tsv
    ARGS --tz local --military ${zoneDates} 1978-07-15)
almanac_zone_case(tz_lord_howe Australia/Lord_Howe OUTPUT tz_lord_howe.tsv
    ARGS --tz local --military ${zoneDates} 1980-07-15)
almanac_zone_case(tz_kathmandu Asia/Kathmandu OUTPUT tz_kathmandu.tsv
    ARGS --tz local --military ${zoneDates} 1980-07-15)
almanac_zone_case(tz_chatham Pacific/Chatham OUTPUT tz_chatham.tsv
    ARGS --tz local --military ${zoneDates} 1940-01-15)
almanac_zone_case(tz_utc UTC OUTPUT tz_utc.tsv
    ARGS --tz local --military --latitude 51.4779 --longitude -0.0015 ${zoneDates} 1980-01-15)
# A named zone ignores TZ; the days New York's clocks change keep both times on the wall clock.
almanac_zone_case(tz_named_clock_changes Asia/Tokyo OUTPUT tz_named_clock_changes.tsv
    ARGS --tz America/New_York 2026-03-07 2026-03-08 2026-03-09 2026-10-31 2026-11-01
         2026-11-02)

almanac_case(unknown_zone 2 STDERR "unknown time zone Mars/Olympus_Mons"
    ARGS --tz Mars/Olympus_Mons 2026-01-01)
almanac_case(zone_outside_folder 2 STDERR "unknown time zone ../../etc/passwd"
    ARGS --tz ../../etc/passwd 2026-01-01)
almanac_case(latitude_out_of_range 2 STDERR "--latitude" ARGS --latitude 90.5 2026-01-01)
almanac_case(longitude_out_of_range 2 STDERR "--longitude" ARGS --longitude=-180.01 2026-01-01)
almanac_case(zone_and_offset 2 STDERR "--tz or --offset"
    ARGS --tz Europe/Berlin --offset 1 2026-01-01)
almanac_case(version 0 ARGS --version)

# A FIFO in a copy of the zone folder (TZDIR): the zone table, the zone file, the rule file.
function(almanac_fifo_case name fifo rc)
    cmake_parse_arguments(ARG "SAME_AS_REAL" "TZ;STDERR" "ARGS" ${ARGN})
    list(JOIN ARG_ARGS "::" joined)
    set(definitions -DTOOL=$<TARGET_FILE:solvane-almanac> -DZONEINFO=/usr/share/zoneinfo
        -DWORK=${CMAKE_CURRENT_BINARY_DIR}/fifo_${name} -DFIFO=${fifo} "-DARGS=${joined}"
        -DEXPECTED_RC=${rc} -DSAME_AS_REAL=${ARG_SAME_AS_REAL})
    if(DEFINED ARG_TZ)
        list(APPEND definitions "-DTZ=${ARG_TZ}")
    endif()
    if(ARG_STDERR)
        list(APPEND definitions "-DEXPECTED_STDERR=${ARG_STDERR}")
    endif()
    add_test(NAME almanac_${name}
             COMMAND ${CMAKE_COMMAND} ${definitions} -P ${CMAKE_CURRENT_SOURCE_DIR}/almanac/fifo_case.cmake)
    set_tests_properties(almanac_${name} PROPERTIES TIMEOUT 150)
endfunction()

if(EXISTS /usr/share/zoneinfo/zone.tab)
    # The city comes from zone.tab instead: the same lines.
    almanac_fifo_case(fifo_zone_table zone1970.tab 0 SAME_AS_REAL
        ARGS --tz America/New_York --military 2026-01-15 2026-07-15)
    almanac_fifo_case(fifo_zone_file America/New_York 2
        STDERR "unknown time zone America/New_York" ARGS --tz America/New_York 2026-07-15)
    # The system zone's file is a FIFO: UTC, as for a zone that cannot be read.
    almanac_fifo_case(fifo_system_zone_file America/New_York 0 TZ America/New_York
        ARGS --tz local --latitude 40.7142 --longitude -74.0064 2026-07-15)
    almanac_fifo_case(fifo_rule_file posixrules 0 TZ EST5EDT
        ARGS --tz local --latitude 40.7142 --longitude -74.0064 2026-07-15)
endif()
