// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A time zone read from a compiled zone file (TZif versions 1 to 3, as in
// /usr/share/zoneinfo): the offset from UTC at any instant, daylight saving and historical
// changes included, and the offset at local noon of a civil date, which is what the sun
// computation needs. The standard library of this compiler has no time zone database, so
// the file is read here. Pure: contents and paths come in as arguments; no clock is read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dates.h"
#include "timezone_rule.h"

namespace solvane::astro {

class TimeZone {
public:
    // A zone that is always `offsetSeconds` ahead of UTC (0 for UTC itself).
    static TimeZone fixed(long offsetSeconds);
    // The zone a POSIX TZ string describes ("EST5EDT,M3.2.0,M11.1.0"); empty when malformed.
    static std::optional<TimeZone> fromPosixRule(std::string_view text);
    // The contents of a TZif file; empty when they are not a well-formed one.
    static std::optional<TimeZone> fromTzif(std::string_view bytes);
    // Reads a TZif file; empty when it is missing, too large or malformed.
    static std::optional<TimeZone> fromFile(const std::string& path);

    // Seconds ahead of UTC (New York in winter: -18000) at an instant in seconds since
    // 1970-01-01 00:00 UTC.
    long offsetAt(std::int64_t utcSeconds) const;
    // Seconds ahead of UTC at 12:00 local time of the date: the offset of the day's
    // afternoon, which clock changes in the small hours do not touch.
    long offsetAtLocalNoon(const Date& date) const;
    // The same in hours (Kathmandu: 5.75), the unit of the sun computation.
    double offsetHoursAtLocalNoon(const Date& date) const;

private:
    std::vector<std::int64_t> transitions_;  // instants, ascending
    std::vector<std::uint8_t> typeAfter_;    // the local time type from each transition on
    std::vector<long> typeOffsets_;          // seconds ahead of UTC of each local time type
    std::optional<PosixRule> rule_;          // for instants after the last transition
};

}  // namespace solvane::astro
