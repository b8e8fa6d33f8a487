// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What goes into the iCalendar reader and what comes out of it: plain values, so that the
// almanac and a worker thread of the window can share them. No clock is read anywhere: the
// caller names the dates and the zone.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace solvane::ical {

// A civil date of the proleptic Gregorian calendar.
struct Date {
    int year = 1970;
    int month = 1;
    int day = 1;
    auto operator<=>(const Date&) const = default;
};

// The zone in which floating times (no TZID, no Z) are read and in which the dates of the
// range begin and end: a zone of the system's database by its IANA name, or, with an empty
// name, a fixed offset ahead of UTC.
struct LocalZone {
    std::string ianaName;
    int utcOffsetSeconds = 0;
};

// Bounds on the work one file may cost.
struct Limits {
    int occurrencesPerEvent = 1000;         // instances kept of one event within the range
    long long recurrenceSteps = 2'000'000;  // iterator steps for the whole file
    std::size_t fileBytes = 64u << 20;      // the file-reading entry point refuses more
};

struct Request {
    Date first;  // the first day of the range, in the local zone
    Date until;  // the day after the last one
    LocalZone local;
    Limits limits;
};

enum class Timing {
    AllDay,            // dates only: startDate up to the exclusive endDate
    Timed,             // instants: start up to end
    RepeatsWithinDay,  // a rule under a day (hourly, every minute, every second), one per day
};

struct Occurrence {
    Timing timing = Timing::Timed;
    // All day: the first day and the day after the last one. Otherwise the local date of the
    // start, and of the end, in the request's zone.
    Date startDate, endDate;
    // Seconds since 1970-01-01 00:00 UTC; for all-day occurrences the local midnights.
    std::int64_t start = 0, end = 0;
    std::string summary, location, uid;
    int calendar = 0;  // index into ReadResult::calendars
    bool recurring = false;
};

enum class ProblemKind {
    // The file-reading entry point.
    FileMissing,     // no such file, or a link that leads nowhere
    FileNotRegular,  // a directory, a FIFO, a device or a socket
    FileTooLarge,
    FileUnreadable,  // any other error of open or read; `detail` holds errno's number
    // The text.
    NoCalendar,        // nothing that libical could read as a component
    Truncated,         // the file ended inside a component; what was complete is kept
    BadValue,          // libical dropped a property it could not read (`detail`: its note)
    MissingStart,      // an event without a usable DTSTART, skipped
    UnknownZone,       // a TZID nobody knows (`detail`); read as its stated offset, else local
    UnknownLocalZone,  // the request's zone is not in the system's database; UTC is used
    BadRule,           // an RRULE libical cannot iterate; only the first instance is kept
    // The bounds.
    OccurrenceCap,  // an event had more instances in the range than the cap; the first kept
    StepBudget,     // the file's recurrence steps ran out; the events after it are partial
};

struct Problem {
    ProblemKind kind;
    std::string uid;     // the event concerned, when there is one
    std::string detail;  // the file's own text for what was lost (a TZID, a value)
};

struct CalendarInfo {
    std::string name;  // X-WR-CALNAME or NAME, empty when the file gives none
};

struct ReadResult {
    std::vector<CalendarInfo> calendars;  // one per VCALENDAR (or bare component)
    std::vector<Occurrence> occurrences;  // by start, all-day first on a day
    std::vector<Problem> problems;
    int events = 0;       // VEVENTs read, overrides included
    long long steps = 0;  // recurrence iterator steps spent
};

}  // namespace solvane::ical
