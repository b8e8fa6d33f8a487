// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The year view's state and its rules, without a window: which year the twelve months show
// and how the next activation dates them, stepping by year or by month, the compact row of one
// to three months, week numbers, the strip's countdown back to today and the passing of
// midnight. The window holds the controls; it asks the model what to show and shows it.

#include <QDate>
#include <QObject>
#include <array>
#include <optional>

namespace solvane {

// How the next activation dates the first month: on 1 January of today's year, as the first
// calendar stands, or on 1 January of the first calendar's year.
enum class RedateMode { FromToday, KeepFirst, FromFirstYear };

// What the year button names: the current year ("2026"), its January ("Jan 2026") or the
// current month ("Dec 2026").
enum class YearButtonText { Year, JanuaryOfYear, MonthOfYear };

using CompactRow = std::array<QDate, 3>;  // the dates of the first three calendars

class YearModel : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The days the month calendars can hold.
    static QDate firstDay() { return QDate(1601, 1, 1); }
    static QDate lastDay() { return QDate(9999, 12, 31); }
    // The date itself, or the nearest the calendars can hold (the first of December 9999
    // beyond their end).
    static QDate withinRange(const QDate& date);

    // --- state
    int anchorYear() const { return anchorYear_; }  // 0 until a year has been dated
    RedateMode redateMode() const { return redateMode_; }
    bool compactMode() const { return compactMode_; }
    int compactWidth() const { return compactWidth_; }
    bool yearButtonToJanuary() const { return yearButtonToJanuary_; }
    const CompactRow& savedCompactDates() const { return savedCompactDates_; }  // null: none
    bool weekNumbersShown() const { return weekNumbersShown_; }
    int sunDisplayCountdown() const { return sunDisplayCountdown_; }
    YearButtonText yearButtonText() const;
    int monthsInView() const { return compactMode_ ? compactWidth_ : 12; }

    // --- dating
    void setRedateMode(RedateMode mode) { redateMode_ = mode; }
    // The first month an activation dates, from the first calendar's date as it stands, and
    // the year it anchors; the mode goes back to FromToday. Empty for KeepFirst.
    std::optional<QDate> redate(const QDate& firstShown, const QDate& today);
    // Month k (1 .. 12) of a view whose first calendar holds `first`: counted from the first,
    // not from its neighbour, so that a day clamped at the end of a short month does not
    // shorten the months after it.
    static QDate monthOfView(const QDate& first, int k);
    // 1 January of the anchored year; null when no year was ever dated.
    QDate anchorJanuary() const;

    // --- navigation
    // Where previous (-1) or next (+1) puts the first calendar: a year on in the full view, a
    // month in the compact one. Empty when a month outside the calendars' range would come
    // into view: the view stays whole.
    std::optional<QDate> step(int sign, const QDate& firstShown) const;
    // A step was taken: in the compact view the year button names the current month again.
    void stepped();
    // The year button in the compact view: the row moves to the current month (true) or back
    // to the view's January, turn about.
    bool yearButtonPressed();

    // --- compact mode
    void enterCompactMode();
    // Leaving keeps the row shown, to be shown again at the next entry.
    void leaveCompactMode(const CompactRow& shown);
    // 2, 3, 1, 2, ...; keeps the row shown.
    void nextCompactWidth(const CompactRow& shown);
    // The compact layout: the year button turns to January and the activation dates from the
    // first calendar's year.
    void layOutCompactRow();
    // The row the compact layout shows after its activation, whose first month is
    // `firstShown`: the row last left, or from the current month in the current year; empty
    // when the activation's dating stays.
    std::optional<CompactRow> compactRowAfterLayout(const QDate& firstShown,
                                                    const QDate& today) const;
    // The row starting at `first`'s month, each calendar on the day `selected` gives it where
    // that lies in its month, else on the first; it starts early enough to end by the
    // calendars' last month.
    CompactRow compactRow(const QDate& first, const CompactRow& selected = {}) const;

    // --- week numbers and the strip's countdown
    void setWeekNumbersShown(bool on);
    void startSunDisplay();  // a day's sun is shown: today's comes back after the countdown
    void stopSunDisplay() { sunDisplayCountdown_ = -1; }
    // One tick: true when this tick brings today's sun back.
    bool countDownSunDisplay(bool computationRunning);

    // --- the clock
    // A new day: a view anchored follows it to today's year, as on the day the program started.
    void dayPassed(const QDate& today);

signals:
    void compactModeChanged(bool on);
    void weekNumbersChanged(bool on);
    void yearButtonTextChanged(solvane::YearButtonText text);

private:
    void setYearButtonToJanuary(bool on);

    int anchorYear_ = 0;
    RedateMode redateMode_ = RedateMode::FromToday;
    bool compactMode_ = false;
    int compactWidth_ = 2;
    bool yearButtonToJanuary_ = false;
    CompactRow savedCompactDates_{};
    bool weekNumbersShown_ = false;
    int sunDisplayCountdown_ = 0;
};

}  // namespace solvane
