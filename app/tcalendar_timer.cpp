// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The 10 ms timer that brings the strip back to today's sunrise and sunset a few seconds after
// another day's were shown, and lays the year out again when a month comes to show today.
//
// A timer that ticks a hundred times a second for ever keeps the machine awake for nothing,
// so Timer1 ticks only while a tick could change something and sleeps otherwise. Every tick
// behaves as if it had never slept: the timer is woken by everything that could make a tick
// do something (a calendar's date or page changing, CalcSun setting the countdown, the event
// loop about to wait after any handler, and the date passing midnight), and a tick that would
// write the same dates and captions again writes nothing.

#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QTimer>

#include "datetext.h"
#include "guard.h"
#include "platform.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane {
namespace {

// The midnight timer also re-checks at least once a minute: a monotonic timer does not see
// the wall clock jump after a suspend or a clock change.
constexpr qint64 kLongestMidnightWaitMs = 60'000;

// Whether the calendar has the day selected and its month in view, as writing Date leaves it.
bool showsExactly(const TMonthCalendar* calendar, const QDate& day) {
    return calendar->Date() == day && calendar->yearShown() == day.year() &&
           calendar->monthShown() == day.month();
}

void showExactly(TMonthCalendar* calendar, const QDate& day) {
    if (!showsExactly(calendar, day))
        calendar->setDate(day);
}

}  // namespace

void TCalendar::setUpTodayTimer() {
    for (int k = 1; k <= 12; ++k) {
        connect(MonthCalendar(k), &TMonthCalendar::selectionChanged, this,
                guard(this, &TCalendar::wake));
        connect(MonthCalendar(k), &TMonthCalendar::currentPageChanged, this,
                guard(this, &TCalendar::wake));
    }
    // Whatever a handler changed, the check runs before the process goes back to sleep.
    connect(QAbstractEventDispatcher::instance(thread()), &QAbstractEventDispatcher::aboutToBlock,
            this, guard(this, &TCalendar::wake));
    midnightTimer = new QTimer(this);
    midnightTimer->setObjectName(QStringLiteral("MidnightTimer"));
    midnightTimer->setSingleShot(true);
    midnightTimer->setTimerType(Qt::PreciseTimer);
    connect(midnightTimer, &QTimer::timeout, this, guard(this, &TCalendar::midnightPassed));
    armMidnightTimer();
    wake();
}

void TCalendar::Timer1Timer() {
    countDownSunDisplay();
    const QDate today = clock().today();
    setMonthTitle(1, MonthCalendar(1)->Date());
    if (showsWholeYear() && anyCalendarHolds(today))
        layOutYearAgain();
    if (!tickCanChangeSomething())
        Timer1->stop();
}

void TCalendar::wake() {
    if (Timer1 && !Timer1->isActive() && tickCanChangeSomething())
        Timer1->start();
}

bool TCalendar::tickCanChangeSomething() const {
    const int countdown = model_.sunDisplayCountdown();
    if (countdown > 0)
        return true;
    if (countdown == 0 && !sunBusy())
        return true;
    if (!monthTitleIsCurrent(1, MonthCalendar(1)->Date()))
        return true;
    if (!showsWholeYear() || !anyCalendarHolds(clock().today()))
        return false;
    const QDate january = model_.anchorJanuary();
    return january.isValid() && !yearIsLaidOut(january);
}

void TCalendar::countDownSunDisplay() {
    if (!model_.countDownSunDisplay(sunBusy()))
        return;
    CalcSun(clock().today());
    setTextColour(Label3, cl::Navy);
    setTextColour(Label4, cl::Navy);
    model_.stopSunDisplay();
}

// Only the full year is laid out again. The compact row's months stand where stepping put them,
// and the calendars hidden beyond it hold the 1st of every month of a year: on the 1st of a
// month one of them always holds today.
bool TCalendar::showsWholeYear() const {
    return !model_.compactMode();
}

bool TCalendar::anyCalendarHolds(const QDate& day) const {
    for (const TMonthCalendar* calendar : monthCalendars_) {
        if (calendar->Date() == day)
            return true;
    }
    return false;
}

void TCalendar::layOutYearAgain() {
    const QDate january = model_.anchorJanuary();
    // No year was ever laid out (the first activation's load failed): nothing to return to.
    if (!january.isValid())
        return;
    ResetCalendarHints();
    for (int k = 1; k <= 12; ++k) {
        const QDate first = january.addMonths(k - 1);
        showExactly(MonthCalendar(k), first);
        setMonthTitle(k, first);
    }
}

bool TCalendar::yearIsLaidOut(const QDate& january) const {
    for (int k = 1; k <= 12; ++k) {
        const QDate first = january.addMonths(k - 1);
        const TMonthCalendar* calendar = MonthCalendar(k);
        if (!calendar->Hint().isEmpty() || !showsExactly(calendar, first) ||
            !monthTitleIsCurrent(k, first))
            return false;
    }
    return true;
}

bool TCalendar::monthTitleIsCurrent(int k, const QDate& date) const {
    const MonthTitle& title = monthTitles_[size_t(k - 1)];
    return title.year == date.year() && title.month == date.month() &&
           datePanel(k)->Caption() == title.caption;
}

void TCalendar::setMonthTitle(int k, const QDate& date) {
    // Formatting allocates; a tick that finds the month unchanged reuses the caption.
    MonthTitle& title = monthTitles_[size_t(k - 1)];
    if (title.year != date.year() || title.month != date.month() || title.caption.isEmpty())
        title = {date.year(), date.month(), monthTitleText(date)};
    datePanel(k)->setCaption(title.caption);
}

void TCalendar::armMidnightTimer() {
    const QDateTime now = clock().now();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    qint64 wait = now.msecsTo(midnight);
    // Where a clock change skips midnight the time is invalid and the wait comes out as 0.
    if (wait <= 0 || wait > kLongestMidnightWaitMs)
        wait = kLongestMidnightWaitMs;
    midnightTimer->start(int(wait));
}

void TCalendar::midnightPassed() {
    armMidnightTimer();
    const QDate today = clock().today();
    if (today == todayShown_)
        return;  // a re-check within the same day
    model_.dayPassed(today);
    showToday(today);
    for (TMonthCalendar* calendar : monthCalendars_)
        calendar->todayChanged();
    wake();
    emit todayChanged(today);
}

}  // namespace solvane
