// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The printed year's values from the settings: the place and its clock, the sun of the 1st and
// 15th of each month, the moon's principal phases on their local days and the holidays of the
// user's holiday calendars, all through the sources the window's days use, so that the page
// says what the window says.

#include <QDate>
#include <QLocale>

#include "year_page.h"

namespace solvane {

namespace events {
class EventsModel;
}
namespace prefs {
class Settings;
}

// `months` months from the month of `firstMonth`, with the holidays `events` knows of them
// (none without a model).
print::YearPageInput yearPageInput(const QDate& firstMonth, int months,
                                   const prefs::Settings* settings, const QLocale& locale,
                                   bool weekNumbers, const events::EventsModel* events = nullptr);
// The twelve months of `year`.
print::YearPageInput yearPageInput(int year, const prefs::Settings* settings, const QLocale& locale,
                                   bool weekNumbers, const events::EventsModel* events = nullptr);

}  // namespace solvane
