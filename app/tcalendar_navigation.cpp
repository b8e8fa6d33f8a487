// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Previous, next and the year button: a year at a time in the full view, a month at a time in
// the compact one.

#include <QLocale>
#include <QToolButton>

#include "error.h"
#include "platform.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane {

// A step that would bring a month outside the calendars' range into view is refused as the
// calendars refuse such a date, before anything has moved: the view stays whole.
void TCalendar::refuseViewOutsideRange() const {
    throw Error(tr("Failed to set calendar date or time"));
}

// The compact row's number boxes show nothing, yet the first takes the focus that no
// calendar may keep: each is named for its month's number, as the full year's boxes read.
void TCalendar::clearCompactMonthBoxes() {
    for (int k = 1; k <= 3; ++k) {
        monthNumberBox(k)->setCaption(QString());
        monthNumberBox(k)->setAccessibleName(QString::number(MonthCalendar(k)->Date().month()));
    }
}

// The year button names the current year as the model says.
void TCalendar::showYearButton() {
    const QDate today = clock().today();
    const QLocale locale;
    const QString year = locale.toString(today, QStringLiteral("yyyy"));
    switch (model_.yearButtonText()) {
        case YearButtonText::Year:
            SpeedButton10->setText(year);
            break;
        case YearButtonText::JanuaryOfYear:
            //: the year button in the compact view, "Jan 2027"; the button is narrow
            SpeedButton10->setText(tr("Jan %1").arg(year));
            break;
        case YearButtonText::MonthOfYear:
            SpeedButton10->setText(locale.standaloneMonthName(today.month(), QLocale::ShortFormat) +
                                   u' ' + year);
            break;
    }
}

// sign -1 steps back, +1 forward.
void TCalendar::stepView(int sign) {
    ResetCalendarHints();
    const std::optional<QDate> first = model_.step(sign, MonthCalendar(1)->Date());
    if (!first)
        refuseViewOutsideRange();
    MonthCalendar(1)->setDate(*first);
    model_.stepped();
    redate(RedateMode::KeepFirst);
    if (model_.compactMode())
        clearCompactMonthBoxes();
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
    if (model_.compactMode()) {
        // The row moves on to the current month and the two after it, or stays on January.
        if (model_.yearButtonPressed())
            showCompactRow(
                model_.compactRow(MonthCalendar(1)->Date().addMonths(clock().today().month() - 1)));
        clearCompactMonthBoxes();
    }
    monthNumberBox(1)->setFocus();
}

}  // namespace solvane
