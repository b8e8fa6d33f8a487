// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "events_zone.h"

#include <QDateTime>
#include <cmath>

#include "preferences.h"

namespace solvane {

ical::LocalZone eventsZone(const prefs::Preferences& settings, std::int64_t nowUtc,
                           const prefs::SystemZone* zone) {
    const prefs::SunClock clock = prefs::sunClock(settings, zone);
    if (clock.zone && !zone->name.isEmpty())
        return {zone->name.toStdString(), 0};
    if (clock.zone)
        return {"", clock.zone->offsetFromUtc(QDateTime::fromSecsSinceEpoch(nowUtc, Qt::UTC))};
    return {"", int(std::lround(settings.offset * 3600))};
}

}  // namespace solvane
