// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The rule a zone follows after the last transition of its table, written as a POSIX TZ
// string such as "EST5EDT,M3.2.0,M11.1.0" or "<+0545>-5:45". POSIX offsets count hours
// west of Greenwich; everything this header returns counts seconds east (ahead of UTC).

#include <cstdint>
#include <optional>
#include <string_view>

namespace solvane::astro {

// A day of the year on which daylight saving starts or ends, and the local time of day.
struct TransitionDay {
    enum class Kind { JulianNoLeap, ZeroBased, MonthWeekDay };
    Kind kind = Kind::MonthWeekDay;
    int day = 0;    // Jn: 1..365 with 29 February never counted; n: 0..365; Mm.w.d: d, 0 = Sunday
    int month = 0;  // Mm.w.d only, 1..12
    int week = 0;   // Mm.w.d only, 1..5, 5 meaning the last such weekday of the month
    long seconds = 7200;  // local time of day of the change, -167 h .. 167 h
};

struct PosixRule {
    long standardOffset = 0;             // seconds east of UTC
    std::optional<long> daylightOffset;  // seconds east of UTC; empty for a zone without DST
    TransitionDay start;                 // local standard time
    TransitionDay end;                   // local daylight time

    // The offset in seconds east of UTC at an instant in seconds since 1970-01-01 00:00 UTC.
    long offsetAt(std::int64_t utcSeconds) const;
};

// Empty when the text is not a POSIX TZ string with at least a standard offset.
std::optional<PosixRule> parsePosixRule(std::string_view text);

// Days since 1970-01-01 of a proleptic Gregorian date, for any year.
std::int64_t daysFromCivil(std::int64_t year, int month, int day);
// The proleptic Gregorian year of a day count since 1970-01-01.
std::int64_t yearOfDays(std::int64_t days);

}  // namespace solvane::astro
