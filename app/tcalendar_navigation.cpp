// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Previous, next and the year button: a year at a time in the full view, a month at a time in
// the compact one.

#include <QToolButton>

#include "datetext.h"
#include "platform.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane {
namespace {

QDate plusMonths(const QDate& date, int months) {
    return fromAstro(astro::addMonths(toAstro(date), months));
}

}  // namespace

void TCalendar::clearCompactMonthBoxes() {
    for (int k = 1; k <= 3; ++k)
        monthNumberBox(k)->setCaption(QString());
}

// sign -1 steps back, +1 forward.
void TCalendar::stepView(int sign) {
    ResetCalendarHints();
    TMonthCalendar* first = MonthCalendar(1);
    if (!CompactMode) {
        first->setDate(QDate(first->Date().year(), 1, 1));
        first->setDate(plusMonths(first->Date(), 12 * sign));
        redate(RedateMode::KeepFirst);
    } else {
        first->setDate(plusMonths(first->Date(), sign));
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
            for (int k = 1; k <= 3; ++k) {
                MonthCalendar(k)->setDate(plusMonths(MonthCalendar(k)->Date(), today.month() - 1));
                datePanel(k)->setCaption(formatDate(MonthCalendar(k)->Date(), "mmmm yyyy"));
            }
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
