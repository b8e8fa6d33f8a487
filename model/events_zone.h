// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The zone the user's calendars are read in: the clock the day facts follow, so that an
// event's day and the sun's day are the same day.

#include <cstdint>

#include "calendar_values.h"
#include "system_zone.h"

namespace solvane {

// The system zone by its name while the settings follow it (or hold no place yet); a system
// zone known only by its rules at the offset it has at `nowUtc`; else the settings' fixed
// offset.
ical::LocalZone eventsZone(const prefs::Preferences& settings, std::int64_t nowUtc,
                           const prefs::SystemZone* zone = prefs::systemZone());

}  // namespace solvane
