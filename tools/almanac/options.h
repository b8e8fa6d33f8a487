// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The command line of the almanac: place, offset, time style and the dates asked for.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "dates.h"
#include "ics_writer.h"
#include "zone_clock.h"

namespace solvane::almanac {

struct Options {
    double latitude = 0;         // degrees, north positive; 0 when not given
    double longitudeNumber = 0;  // degrees, west positive, as the place text gives it
    double gmtOffset = 0;        // hours, rounded to two decimals
    bool military = false;
    bool phases = false;  // the principal phases of the moon instead of days
    bool ics = false;     // an iCalendar file of the days instead of lines
    IcsContent icsContent = IcsContent::SunAndMoon;
    std::vector<astro::Date> dates;  // the dates listed, or the first of a run; with --ics
                                     // empty for the year from today
    long long days = 0;              // the length of a --from run, 0 for a list
    // With --tz: the offset of each date comes from this zone instead of gmtOffset.
    std::optional<ZoneClock> zone;
};

struct ShowHelp {};
struct ShowVersion {};

// Why the command line was refused, and with which exit code.
struct Refusal {
    std::string message;  // written on standard error
    bool withUsage = true;
};

using ParseResult = std::variant<Options, ShowHelp, ShowVersion, Refusal>;

ParseResult parseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;
extern const char* const kHelp;

}  // namespace solvane::almanac
