// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The arithmetic of one month's grid: which date each of the six weeks' cells holds, where
// each cell lies in a control of a given size, and which cell a point falls in. Nothing here
// draws or allocates, so the twelve months of the year view share it for free. The printed
// page lays its months out by the same grid, in units finer than its points, so that paper and
// screen put each day in the same column and number its week alike.

#include <QDate>
#include <QRect>

namespace solvane {

class MonthGrid {
public:
    static constexpr int kWeeks = 6;
    static constexpr int kDays = 7;
    // The year view covers the control's top with its own title panels and shows only part of
    // the bottom band: the weekday row and the six weeks lie between the two.
    static constexpr int kTopBand = 27;
    static constexpr int kBottomBand = 15;

    // Where the first of the month stands.
    enum class FirstRow {
        // After at least one day of the month before, as the screen's control shows it: a
        // month starting on the first day of the week starts row two.
        AfterTheMonthBefore,
        // In the first row whatever its weekday, as a page that shows no other month's days.
        WithTheFirst,
    };

    // A control of `size`, its bands as the year view has them.
    MonthGrid(QDate firstOfMonth, Qt::DayOfWeek firstDayOfWeek, QSize size, bool weekNumbers);
    // The weekday row and the six weeks in `area`.
    MonthGrid(QDate firstOfMonth, Qt::DayOfWeek firstDayOfWeek, QRect area, bool weekNumbers,
              FirstRow firstRow);

    // The first cell's date (see FirstRow).
    QDate firstShown() const { return firstShown_; }
    QDate dateAt(int week, int day) const { return firstShown_.addDays(week * kDays + day); }
    bool inMonth(QDate date) const { return date.month() == month_; }
    // The week holds a day of the month.
    bool weekInMonth(int week) const {
        return inMonth(dateAt(week, 0)) || inMonth(dateAt(week, kDays - 1));
    }
    // The cell of `date` as week * 7 + day, or -1 when the grid does not show it.
    int cellOf(QDate date) const;

    // The ISO 8601 number of a week: that of its Monday.
    int weekNumber(int week) const;

    int columns() const { return kDays + (weekNumbers_ ? 1 : 0); }
    QRect headerCell(int day) const;  // the weekday row
    QRect weekNumberCell(int week) const;
    QRect dayCell(int week, int day) const;
    QRect titleBand() const { return {0, 0, size_.width(), kTopBand}; }
    QRect gridArea() const { return area_; }
    QRect bottomBand() const;
    // The cell under `point` as week * 7 + day, or -1 outside the six weeks.
    int cellAt(QPoint point) const;

private:
    // Sections share the length evenly; the first ones take a pixel more each for the rest.
    static int sectionStart(int index, int length, int count);
    static int sectionAt(int offset, int length, int count);
    QRect cell(int row, int column) const;

    QDate firstShown_;
    int month_;
    QSize size_;
    QRect area_;
    bool weekNumbers_;
};

}  // namespace solvane
