// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A click on a day: the day's ordinal date as the calendar's hint and in the caption, and the
// day's sunrise and sunset in the strip.

#include "datetext.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

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
    // The title says which month the calendar is meant to show; a click on a day of the
    // month before or after moves the control to that month.
    const QString titleStart = datePanel(k)->Caption().left(3);
    if (titleStart.isEmpty() || !formatDate(date, "mmmm").contains(titleStart)) {
        BitBtn4Click();
        return;
    }
    CalcJulianDate(date);
    calendar->setHint(
        QString::fromStdString(astro::ordinalText(Julian.YearText, Julian.DayOfYear)));
    CalcSun(formatDate(date, "mm/dd/yyyy"));
}

}  // namespace solvane
