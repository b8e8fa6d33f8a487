// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Previous, next and the year button: a year at a time in the full view, a month at a time in
// the compact one.

#include <QToolButton>

#include "datetext.h"
#include "error.h"
#include "platform.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane {
namespace {

QDate plusMonths(const QDate& date, int months) {
    return fromAstro(astro::addMonths(toAstro(date), months));
}

QDate firstOfMonth(const QDate& date) {
    return QDate(date.year(), date.month(), 1);
}

}  // namespace

QDate TCalendar::withinCalendarRange(const QDate& date) {
    if (date < TMonthCalendar::minimumDate())
        return TMonthCalendar::minimumDate();
    if (date > TMonthCalendar::maximumDate())
        return firstOfMonth(TMonthCalendar::maximumDate());
    return date;
}

int TCalendar::monthsInView() const {
    return CompactMode ? CompactWidth : 12;
}

// A step that would bring a month outside the calendars' range into view is refused as the
// calendars refuse such a date, before anything has moved: the view stays whole.
void TCalendar::refuseViewOutsideRange(const QDate& first) const {
    const QDate start = firstOfMonth(first);
    const QDate end = start.addMonths(monthsInView()).addDays(-1);
    if (start < TMonthCalendar::minimumDate() || end > TMonthCalendar::maximumDate())
        throw Error(QStringLiteral("Failed to set calendar date or time"));
}

// The compact row's number boxes show nothing, yet the first takes the focus that no
// calendar may keep: each is named for its month's number, as the full year's boxes read.
void TCalendar::clearCompactMonthBoxes() {
    for (int k = 1; k <= 3; ++k) {
        monthNumberBox(k)->setCaption(QString());
        monthNumberBox(k)->setAccessibleName(QString::number(MonthCalendar(k)->Date().month()));
    }
}

// sign -1 steps back, +1 forward.
void TCalendar::stepView(int sign) {
    ResetCalendarHints();
    TMonthCalendar* first = MonthCalendar(1);
    if (!CompactMode) {
        const QDate january = plusMonths(QDate(first->Date().year(), 1, 1), 12 * sign);
        refuseViewOutsideRange(january);
        first->setDate(january);
        redate(RedateMode::KeepFirst);
    } else {
        const QDate month = plusMonths(first->Date(), sign);
        refuseViewOutsideRange(month);
        first->setDate(month);
        SpeedButton10->setText(formatDate(clock().today(), "mmm yyyy"));
        YearButtonToJanuary = false;
        redate(RedateMode::KeepFirst);
        clearCompactMonthBoxes();
    }
    monthNumberBox(1)->setFocus();
}

void TCalendar::BitBtn2Click() {
    stepView(-1);
}

void TCalendar::BitBtn3Click() {
    stepView(+1);
}

void TCalendar::BitBtn4Click() {
    ResetCalendarHints();
    FormActivate();
    if (CompactMode) {
        const QDate today = clock().today();
        if (!YearButtonToJanuary) {
            // The row moves on to the current month and the two after it.
            showCompactRow(plusMonths(MonthCalendar(1)->Date(), today.month() - 1), {});
            SpeedButton10->setText(QStringLiteral("Jan ") + formatDate(today, "yyyy"));
            YearButtonToJanuary = true;
        } else {
            SpeedButton10->setText(formatDate(today, "mmm yyyy"));
            YearButtonToJanuary = false;
        }
        clearCompactMonthBoxes();
    }
    monthNumberBox(1)->setFocus();
}

}  // namespace solvane
