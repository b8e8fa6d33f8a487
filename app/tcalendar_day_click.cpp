// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A click on a day: the day's ordinal date as the calendar's hint and in the caption, the
// day's sunrise and sunset in the strip, and the day's events under it.

#include "tcalendar.h"
#include "tmonthcalendar.h"

namespace solvane {

void TCalendar::ResetCalendarHints() {
    for (int k = 1; k <= 12; ++k)
        MonthCalendar(k)->setHint(QString());
}

void TCalendar::ResetAllCalendar(int k) {
    for (int j = 1; j <= 12; ++j) {
        if (j == k)
            continue;
        const QDate shown = MonthCalendar(j)->Date();
        MonthCalendar(j)->setDate(QDate(shown.year(), shown.month(), 1));
    }
    ResetCalendarHints();
}

void TCalendar::MonthCalendarClick(int k) {
    ResetAllCalendar(k);
    TMonthCalendar* calendar = MonthCalendar(k);
    const QDate date = calendar->Date();
    // The grid also shows the last days of the month before and the first of the month after;
    // a click on one of those is not a day of this calendar. Month names cannot tell: in
    // French "juin" and "juillet" begin alike, in Czech "červen" and "červenec".
    if (date.year() != calendar->yearShown() || date.month() != calendar->monthShown()) {
        BitBtn4Click();
        return;
    }
    CalcJulianDate(date);
    calendar->setHint(dayFacts_.of(date).ordinalText);
    CalcSun(date);
    calendar->showDayEvents(date);
}

}  // namespace solvane
