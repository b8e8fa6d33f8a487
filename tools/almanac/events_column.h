// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The almanac's --events FILE (repeatable): a last column with the summaries of each date's
// events in the zone of --tz or --offset.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "dates.h"
#include "events_arguments.h"

namespace solvane::almanac {

struct Options;
struct Refusal;

// The text of the events column of each date, keyed by astro::daySerial.
class EventsColumn {
public:
    // The summaries on `date`, joined by "; "; empty when there are none.
    const std::string& textOn(const astro::Date& date) const {
        static const std::string kNone;
        const auto found = texts.find(astro::daySerial(date));
        return found != texts.end() ? found->second : kNone;
    }
    std::map<std::int64_t, std::string> texts;
};

// Reads the files over the dates of `options`. `zoneName` is the IANA name of --tz (the
// system's zone for "local"), empty with --offset. Problems that lose events are written on
// standard error; a file that cannot be read at all is a refusal.
std::variant<EventsColumn, Refusal> readEventsColumn(const std::vector<std::string>& files,
                                                     const Options& options,
                                                     const std::string& zoneName);

// Runs the almanac with the events column of `events.files`: `run` writes the rows. A file
// that cannot be read at all ends the run with status 2 before any row.
using RowsRun = int (*)(const Options& options, const EventsColumn* events);
int runWithEvents(char** argv, const EventsArguments& events, const Options& options, RowsRun run);

// The IANA name --tz gave, as the reader of floating times needs it.
std::string zoneNameOf(const std::vector<std::string>& arguments);

}  // namespace solvane::almanac
