// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The VEVENTs of one calendar, expanded over the range: the series with their exceptions
// (EXDATE, RDATE, RECURRENCE-ID overrides, cancelled instances), within the file's bounds.

#include <cstdint>
#include <optional>

#include "calendar_values.h"
#include "owners.h"
#include "zones.h"

namespace solvane::ical {

// What all calendars of one file share: the request, its range as instants, the budget.
struct FileContext {
    const Request& request;
    Zone local;
    std::int64_t rangeStart = 0, rangeEnd = 0;  // local midnights of first and until
    long long stepsLeft = 0;
    ReadResult& result;
    void problem(ProblemKind kind, const std::string& uid, const std::string& detail = {});
};

// Expands the events of `root` (a VCALENDAR, or a bare VEVENT) as calendar `index`.
void readCalendarEvents(icalcomponent* root, int index, FileContext& file);

}  // namespace solvane::ical
