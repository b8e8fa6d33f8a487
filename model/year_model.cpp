// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "year_model.h"

#include <algorithm>

namespace solvane {
namespace {

// How many ticks of the 10 ms timer a computed day stays in the strip.
constexpr int kSunDisplayTicks = 300;

QDate firstOfMonth(const QDate& date) {
    return QDate(date.year(), date.month(), 1);
}

}  // namespace

QDate YearModel::withinRange(const QDate& date) {
    if (date < firstDay())
        return firstDay();
    if (date > lastDay())
        return firstOfMonth(lastDay());
    return date;
}

YearButtonText YearModel::yearButtonText() const {
    if (!compactMode_)
        return YearButtonText::Year;
    return yearButtonToJanuary_ ? YearButtonText::JanuaryOfYear : YearButtonText::MonthOfYear;
}

std::optional<QDate> YearModel::redate(const QDate& firstShown, const QDate& today) {
    const RedateMode mode = redateMode_;
    redateMode_ = RedateMode::FromToday;
    if (mode == RedateMode::KeepFirst)
        return std::nullopt;
    const int year = mode == RedateMode::FromFirstYear ? firstShown.year() : today.year();
    anchorYear_ = year;
    return QDate(year, 1, 1);
}

QDate YearModel::monthOfView(const QDate& first, int k) {
    return k == 1 ? first : withinRange(first.addMonths(k - 1));
}

QDate YearModel::anchorJanuary() const {
    return anchorYear_ != 0 ? QDate(anchorYear_, 1, 1) : QDate();
}

std::optional<QDate> YearModel::step(int sign, const QDate& firstShown) const {
    const QDate first = compactMode_ ? firstShown.addMonths(sign)
                                     : QDate(firstShown.year(), 1, 1).addMonths(12 * sign);
    const QDate start = firstOfMonth(first);
    const QDate end = start.addMonths(monthsInView()).addDays(-1);
    if (!first.isValid() || start < firstDay() || end > lastDay())
        return std::nullopt;
    return first;
}

void YearModel::stepped() {
    if (compactMode_)
        setYearButtonToJanuary(false);
}

bool YearModel::yearButtonPressed() {
    const bool toCurrentMonth = !yearButtonToJanuary_;
    setYearButtonToJanuary(toCurrentMonth);
    return toCurrentMonth;
}

void YearModel::enterCompactMode() {
    compactMode_ = true;
    emit compactModeChanged(true);
}

void YearModel::leaveCompactMode(const CompactRow& shown) {
    savedCompactDates_ = shown;
    compactMode_ = false;
    redateMode_ = RedateMode::FromFirstYear;
    emit compactModeChanged(false);
    emit yearButtonTextChanged(yearButtonText());
}

void YearModel::nextCompactWidth(const CompactRow& shown) {
    compactWidth_ = compactWidth_ % 3 + 1;
    savedCompactDates_ = shown;
}

void YearModel::layOutCompactRow() {
    redateMode_ = RedateMode::FromFirstYear;
    yearButtonToJanuary_ = true;
    emit yearButtonTextChanged(yearButtonText());
}

std::optional<CompactRow> YearModel::compactRowAfterLayout(const QDate& firstShown,
                                                           const QDate& today) const {
    // From the second time on the row shows again what it showed when last left; the first
    // time, in the current year, it starts at the current month.
    if (savedCompactDates_[0].isValid())
        return compactRow(savedCompactDates_[0], savedCompactDates_);
    if (firstShown.year() == today.year())
        return compactRow(firstShown.addMonths(today.month() - 1));
    return std::nullopt;
}

CompactRow YearModel::compactRow(const QDate& first, const CompactRow& selected) const {
    // In December 9999 two months show November and December; a calendar out of sight beyond
    // the row waits at the range's end.
    const QDate lastMonth = firstOfMonth(lastDay());
    const QDate start = std::min(firstOfMonth(first), lastMonth.addMonths(1 - compactWidth_));
    CompactRow row;
    for (size_t i = 0; i < row.size(); ++i) {
        const QDate month = start.addMonths(int(i));
        const QDate day = selected[i];
        const bool inMonth = day.year() == month.year() && day.month() == month.month();
        row[i] = withinRange(inMonth ? day : month);
    }
    return row;
}

void YearModel::setWeekNumbersShown(bool on) {
    weekNumbersShown_ = on;
    emit weekNumbersChanged(on);
}

void YearModel::startSunDisplay() {
    sunDisplayCountdown_ = kSunDisplayTicks;
}

bool YearModel::countDownSunDisplay(bool computationRunning) {
    // The tick that brings the countdown to 0 is the one that shows today again, so a day's
    // times stay for exactly 300 ticks.
    if (sunDisplayCountdown_ > 0)
        --sunDisplayCountdown_;
    // While a computation waits in one of its message boxes, the ticks that run meanwhile
    // must not start the same computation, and the same box, again.
    if (sunDisplayCountdown_ != 0 || computationRunning)
        return false;
    sunDisplayCountdown_ = -1;  // also when the computation fails: not again on every tick
    return true;
}

void YearModel::dayPassed(const QDate& today) {
    // A month that comes to hold today puts the view back on the current year, not on the
    // year the program started in. A view never dated (the first load failed) has no year to
    // go back to.
    if (anchorYear_ != 0)
        anchorYear_ = today.year();
    emit yearButtonTextChanged(yearButtonText());
}

void YearModel::setYearButtonToJanuary(bool on) {
    yearButtonToJanuary_ = on;
    emit yearButtonTextChanged(yearButtonText());
}

}  // namespace solvane
