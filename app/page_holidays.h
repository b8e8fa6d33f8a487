// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The holidays a printed page lists, from the user's holiday calendars. The window has them in
// its running events model; a page written without a window reads the same calendars into a
// model of its own, from the files and the subscriptions' cached copies (never the network),
// and waits for that one reading.

#include <QDate>
#include <QString>
#include <chrono>
#include <vector>

#include "calendar_values.h"
#include "year_page.h"

namespace solvane {

namespace events {
class EventsModel;
}

// Every holiday name of the days from `first` up to the day before `end`, day by day, in the
// model's order of calendars.
std::vector<print::Holiday> pageHolidays(const events::EventsModel& events, const QDate& first,
                                         const QDate& end);

struct HolidayFolders {
    QString config;  // holds calendars.json
    QString cache;   // the subscriptions' copies; none read when empty
};

// Reads the shown holiday calendars of the list in `folders` for the days `first` to `last`
// in `zone` into `events`, and returns once the reading is back or `patience` has passed
// (a hang check: the reader's own limits bound each reading). False when it had to give up.
bool readHolidayCalendars(events::EventsModel& events, const HolidayFolders& folders,
                          const ical::LocalZone& zone, const QDate& first, const QDate& last,
                          std::chrono::milliseconds patience = std::chrono::minutes(2));

}  // namespace solvane
