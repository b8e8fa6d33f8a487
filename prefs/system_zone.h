// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The system's time zone as the program follows it, and its reference city for a first start
// that has no place yet. The zone is Qt's (QTimeZone); its name is found once, at the first
// use, and kept, so that the timer's computations never touch the disk. Tests point the
// search at a zone of their choice.

#include <QString>
#include <QTimeZone>
#include <optional>

#include "dates.h"
#include "preferences.h"
#include "timezone_sun.h"
#include "timezone_system.h"
#include "zonetab.h"

namespace solvane::prefs {

struct SystemZone {
    QString name;  // "America/New_York"; empty when only the rules of /etc/localtime are known
    QTimeZone zone;
    std::optional<astro::ZonePlace> city;  // from the zone table, when it lists the zone
};

// The zone the system runs in (TZ, else /etc/timezone or /etc/localtime); null when none is
// found, as in a bare container, where the fixed offset stays in force.
const SystemZone* systemZone();

// Reads the zone from `sources` at the next use instead of from the environment.
void setSystemZoneSources(const astro::SystemZoneSources& sources);

// Qt's local time is the C library's, which opens the zone file TZ names (else /etc/localtime)
// with a blocking open the first time anything asks the time. Called first thing in main: when
// that file is not a regular one, TZ becomes UTC, so that a FIFO there cannot hang the program.
void keepLocalTimeFromBlocking();

// The zone's offsets at local noon of `date` and of the days beside it, for the sun's times
// on the zone's wall clock.
astro::NoonOffsets noonOffsets(const QTimeZone& zone, const astro::Date& date);

// The clock and place the sun is computed for under `settings`.
struct SunClock {
    const QTimeZone* zone = nullptr;         // null: the settings' fixed offset
    const astro::ZonePlace* city = nullptr;  // the place, when the settings hold none
};
// The system zone while its switch is on. Settings without a place take the zone's city and
// follow the zone whatever the switch says, so that a first start shows real times; without
// a zone (or a zone the table does not list) everything stays with the settings.
SunClock sunClock(const Preferences& settings, const SystemZone* zone = systemZone());

// "Times for New York (America/New_York); set your place in Parameters".
QString firstStartNote(const astro::ZonePlace& city);
// The same note inside the Parameters dialog, where the place is set, saying also why the
// zone switch cannot be turned off: "Times for New York (America/New_York) until you save a
// place here. Until then they follow the system time zone, so its switch stays on."
QString firstStartNoteInParameters(const astro::ZonePlace& city);

}  // namespace solvane::prefs
