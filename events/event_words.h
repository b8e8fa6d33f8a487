// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The words for events and for what went wrong reading a calendar, through tr(), in the
// default locale's time format.

#include <QString>
#include <QStringList>
#include <vector>

#include "calendar_values.h"
#include "day_event.h"

namespace solvane::events {

// "all day", "10:00 AM – 11:00 AM", "from 9:00 AM, repeating within the day".
QString timeWords(const DayEvent& event);
// The events part of a day's reading for assistive technology: "Christmas Day" or
// "Christmas Day, Dentist at 10:00 AM"; empty without events.
QString spokenEvents(const std::vector<DayEvent>& events);
// The day's events as the tooltip lists them, one line each: "all day: Christmas Day
// (Holidays)", "10:00 AM – 11:00 AM: Dentist (Home)"; past `maxLines` the rest are counted in
// a last line ("and 3 more").
QStringList eventLines(const std::vector<DayEvent>& events, int maxLines = 12);
// A holiday's name: its summary, or "Holiday" for one without.
QString holidayName(const DayEvent& event);
// What was lost, as a sentence.
QString problemWords(const ical::Problem& problem);

}  // namespace solvane::events
