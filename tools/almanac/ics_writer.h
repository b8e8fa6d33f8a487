// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The almanac as an iCalendar file: a VEVENT for each sunrise and sunset its lines show and
// for each principal phase of the moon, all in UTC, so that no time zone needs describing.
// The file holds no clock reading: the same dates and place give the same bytes, and an
// event's UID names what it is (the kind, the line's date and the place, or the lunation),
// so that importing a new export updates the events an older one left.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "dates.h"
#include "moon_phases.h"
#include "rows.h"

namespace solvane::almanac {

enum class IcsContent { SunAndMoon, SunOnly, MoonOnly };

namespace ics {

struct Geo {
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
};

struct Event {
    std::string uid;
    std::int64_t start = 0;  // seconds since 1970-01-01 00:00 UTC
    std::string summary;
    std::string description;
    std::optional<Geo> place;  // GEO and LOCATION, when the event has a place
};

// "BEGIN:VCALENDAR" and the calendar's properties, and its end.
extern const char* const kCalendarBegin;
extern const char* const kCalendarEnd;

// Appends the VEVENT of `event`. Its DTSTAMP is its DTSTART: the data changes only when the
// computation does, and then the stamp moves with it.
void appendEvent(std::string& out, const Event& event);

// The sunrise and sunset of the almanac line of `date`, in that order; none for a time the
// line leaves empty (no place, or the sun up or down all day).
std::vector<Event> sunEvents(const RowSettings& settings, const astro::Date& date);

// The VEVENT of a principal phase; its UID counts lunations from the new moon of
// 6 January 2000.
Event phaseEvent(const astro::PhaseInstant& phase);

}  // namespace ics

// Writes the calendar of `days` dates from the first of `dates`, or, when `days` is 0, of
// the dates listed (each once). Returns 0, or the error of the first failed write.
int writeCalendar(std::FILE* file, const RowSettings& settings, IcsContent content,
                  const std::vector<astro::Date>& dates, long long days);

}  // namespace solvane::almanac
