// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A first start without a place shows the times of the system zone's city; the sun labels'
// hints say so, and go back to naming the event once the user's own place is in force.

#include <QLabel>

#include "hints.h"
#include "tcalendar.h"

namespace solvane {

void TCalendar::showWhereTheTimesAreFor(const astro::ZonePlace* city) {
    const QString note = city ? QLatin1Char('\n') + prefs::firstStartNote(*city) : QString();
    setHint(Label3, tr("Sunrise") + note);
    setHint(Label4, tr("Sunset") + note);
}

}  // namespace solvane
