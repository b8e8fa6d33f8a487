// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "events_column.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "options.h"
#include "reader.h"
#include "timezone_system.h"
#include "zone_options.h"

namespace solvane::almanac {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t value, std::int64_t by) {
    return (value >= 0 ? value : value - (by - 1)) / by;
}

// The local day of an instant in the almanac's zone, as astro::daySerial counts days.
std::int64_t localDay(const Options& options, std::int64_t instant) {
    const std::int64_t offset =
        options.zone ? options.zone->offsetAt(instant)
                     : static_cast<std::int64_t>(std::llround(options.gmtOffset * 3600));
    static const std::int64_t kEpoch = astro::daySerial({1970, 1, 1});
    return kEpoch + floorDiv(instant + offset, kSecondsPerDay);
}

// The dates the rows cover, and the day after the last.
std::pair<astro::Date, astro::Date> spanOf(const Options& options) {
    if (options.days > 0) {
        const std::int64_t first = astro::daySerial(options.dates.front());
        return {options.dates.front(), astro::dateFromSerial(first + options.days)};
    }
    const auto [low, high] = std::minmax_element(
        options.dates.begin(), options.dates.end(), [](const astro::Date& a, const astro::Date& b) {
            return astro::daySerial(a) < astro::daySerial(b);
        });
    return {*low, astro::dateFromSerial(astro::daySerial(*high) + 1)};
}

// Tabs and line breaks would break the column.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

const char* lossText(ical::ProblemKind kind) {
    switch (kind) {
        case ical::ProblemKind::Truncated:
            return "the file ends in the middle of an entry; what came before it is read";
        case ical::ProblemKind::BadValue:
            return "a value libical cannot read was dropped";
        case ical::ProblemKind::MissingStart:
            return "an event without a start is left out";
        case ical::ProblemKind::UnknownZone:
            return "an unknown time zone is read as its stated offset, or as local time";
        case ical::ProblemKind::UnknownLocalZone:
            return "the zone is unknown to libical; floating times are read as UTC";
        case ical::ProblemKind::BadRule:
            return "a repeat rule libical cannot follow; only its first date is shown";
        case ical::ProblemKind::OccurrenceCap:
            return "an event repeats more often than the almanac lists; its later dates are left "
                   "out";
        case ical::ProblemKind::StepBudget:
            return "the repeat rules take too long to follow; later repeats are left out";
        default:
            return nullptr;
    }
}

const char* refusalText(ical::ProblemKind kind) {
    switch (kind) {
        case ical::ProblemKind::FileMissing:
            return "no such file";
        case ical::ProblemKind::FileNotRegular:
            return "not a regular file";
        case ical::ProblemKind::FileTooLarge:
            return "too large for a calendar";
        case ical::ProblemKind::FileUnreadable:
            return "cannot be read";
        case ical::ProblemKind::NoCalendar:
            return "not an iCalendar file";
        default:
            return nullptr;
    }
}

std::int64_t serialOf(const ical::Date& date) {
    return astro::daySerial({date.year, date.month, date.day});
}

struct Entry {
    bool timed;
    std::int64_t start;
    std::string summary;
};

}  // namespace

std::string zoneNameOf(const std::vector<std::string>& arguments) {
    const ZoneArguments zone = takeZoneArguments(arguments);
    if (!zone.tz) {
        return {};
    }
    if (*zone.tz != "local") {
        return *zone.tz;
    }
    return astro::systemZoneName(astro::SystemZoneSources::fromEnvironment()).value_or("");
}

std::variant<EventsColumn, Refusal> readEventsColumn(const std::vector<std::string>& files,
                                                     const Options& options,
                                                     const std::string& zoneName) {
    const auto [first, until] = spanOf(options);
    ical::Request request;
    request.first = {first.year, first.month, first.day};
    request.until = {until.year, until.month, until.day};
    request.local.ianaName = zoneName;
    request.local.utcOffsetSeconds = static_cast<int>(std::lround(options.gmtOffset * 3600));
    // A daily event lists on every row of a long run.
    const std::int64_t days = astro::daySerial(until) - astro::daySerial(first);
    request.limits.occurrencesPerEvent =
        static_cast<int>(std::clamp<std::int64_t>(days + 1, 1000, 1'000'000));
    std::map<std::int64_t, std::vector<Entry>> byDay;
    const std::int64_t firstDay = astro::daySerial(first), untilDay = astro::daySerial(until);
    for (const std::string& file : files) {
        const ical::ReadResult result = ical::readCalendarFile(file, request);
        for (const ical::Problem& problem : result.problems) {
            if (const char* refusal = refusalText(problem.kind)) {
                return Refusal{"solvane-almanac: --events " + file + ": " + refusal + "\n", false};
            }
            if (const char* loss = lossText(problem.kind)) {
                std::fprintf(stderr, "solvane-almanac: %s: %s%s%s\n", file.c_str(), loss,
                             problem.uid.empty() ? "" : " (UID ", problem.uid.empty() ? "" : ")");
            }
        }
        for (const ical::Occurrence& occurrence : result.occurrences) {
            std::int64_t from = 0, to = 0;  // local days, the last included
            if (occurrence.timing == ical::Timing::AllDay) {
                from = serialOf(occurrence.startDate);
                to = serialOf(occurrence.endDate) - 1;
            } else {
                from = localDay(options, occurrence.start);
                to = occurrence.end > occurrence.start ? localDay(options, occurrence.end - 1)
                                                       : from;
            }
            const bool timed = occurrence.timing != ical::Timing::AllDay;
            for (std::int64_t day = std::max(from, firstDay); day <= to && day < untilDay; ++day) {
                byDay[day].push_back({timed, occurrence.start, oneLine(occurrence.summary)});
            }
        }
    }
    EventsColumn column;
    for (auto& [day, entries] : byDay) {
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return std::tie(a.timed, a.start) < std::tie(b.timed, b.start);
        });
        std::string& text = column.texts[day];
        for (const Entry& entry : entries) {
            text += (text.empty() ? "" : "; ") + entry.summary;
        }
    }
    return column;
}

int runWithEvents(char** /*argv*/, const EventsArguments& events, const Options& options,
                  RowsRun run) {
    auto column = readEventsColumn(events.files, options, zoneNameOf(events.rest));
    if (const auto* refusal = std::get_if<Refusal>(&column)) {
        std::fputs(refusal->message.c_str(), stderr);
        return 2;
    }
    return run(options, &std::get<EventsColumn>(column));
}

}  // namespace solvane::almanac
