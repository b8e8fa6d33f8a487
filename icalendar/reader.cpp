// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "reader.h"

#include <algorithm>
#include <mutex>
#include <tuple>

#include "events.h"
#include "parse.h"
#include "zones.h"

namespace solvane::ical {

namespace {

std::int64_t localMidnight(const Zone& zone, const Date& date) {
    icaltimetype wall = icaltime_null_time();
    wall.year = date.year;
    wall.month = date.month;
    wall.day = date.day;
    return zone.instantOf(wall);
}

void sortOccurrences(std::vector<Occurrence>& occurrences) {
    std::stable_sort(occurrences.begin(), occurrences.end(),
                     [](const Occurrence& a, const Occurrence& b) {
                         const bool aTimed = a.timing != Timing::AllDay;
                         const bool bTimed = b.timing != Timing::AllDay;
                         return std::tie(a.startDate, aTimed, a.start, a.summary) <
                                std::tie(b.startDate, bTimed, b.start, b.summary);
                     });
}

}  // namespace

ReadResult readCalendar(std::string_view bytes, const Request& request) {
    ReadResult result;
    const std::lock_guard lock(libicalMutex());
    std::optional<Zone> local = localZone(request.local);
    if (!local) {
        result.problems.push_back({ProblemKind::UnknownLocalZone, {}, request.local.ianaName});
        local = Zone::utc();
    }
    FileContext file{request,
                     *local,
                     localMidnight(*local, request.first),
                     localMidnight(*local, request.until),
                     request.limits.recurrenceSteps,
                     result};
    if (request.until <= request.first) {
        return result;
    }
    const Parsed parsed = parseComponents(bytes);
    if (parsed.roots.empty()) {
        result.problems.push_back({ProblemKind::NoCalendar, {}, {}});
        return result;
    }
    if (parsed.truncated) {
        result.problems.push_back({ProblemKind::Truncated, {}, {}});
    }
    for (const ComponentOwner& root : parsed.roots) {
        const icalcomponent_kind kind = icalcomponent_isa(root.get());
        if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_VEVENT_COMPONENT) {
            continue;  // bare VTODOs, VJOURNALs and whatever else
        }
        result.calendars.emplace_back();
        readCalendarEvents(root.get(), static_cast<int>(result.calendars.size() - 1), file);
    }
    sortOccurrences(result.occurrences);
    return result;
}

}  // namespace solvane::ical
