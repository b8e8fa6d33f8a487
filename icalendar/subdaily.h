// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Rules under a day (FREQ=HOURLY, MINUTELY, SECONDLY): a year of once a minute is half a
// million instances and once a second runs for minutes in libical, so such a rule is marked
// once on each local day it touches, worked out by arithmetic rather than by iteration.

#include <libical/ical.h>

#include <cstdint>
#include <functional>

#include "events.h"

namespace solvane::ical {

bool isSubDaily(const icalrecurrencetype& rule);

// Calls `mark(start, end)` for each day of the range in the local zone that the rule touches:
// its first instance that day, and that instance's end; stops when it returns false.
// `dtstart` is a wall time in `zone`.
void markSubDaily(const icalrecurrencetype& rule, const Zone& zone, icaltimetype dtstart,
                  std::int64_t seconds, FileContext& file,
                  const std::function<bool(std::int64_t, std::int64_t)>& mark);

}  // namespace solvane::ical
