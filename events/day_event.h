// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// An event as a day shows it: values only, built when a day is asked for.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace solvane::events {

struct DayEvent {
    bool allDay = false;
    // All day: the first day and the day after the last. Timed: the instants, in the zone in
    // force.
    QDate firstDay, endDay;
    QDateTime start, end;
    bool repeatsWithinDay = false;  // a rule under a day: `start` is its first time that day
    QString summary, location;
    QString calendarId, calendarName, colour;
    bool holiday = false;  // from a shown holiday calendar
};

// What became of one calendar's last reading.
struct CalendarState {
    bool known = false;    // the id was given to the model
    bool reading = false;  // a reading of its bytes or of the range is under way
    bool read = false;     // a reading has come back at least once
    int events = 0;        // events in the bytes (overrides included)
    int occurrences = 0;   // their instances in the range
    QStringList problems;  // in words, through tr()
};

}  // namespace solvane::events
