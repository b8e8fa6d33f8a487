// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What a month's grid says and how it is written: the weekday row, the week numbers and the
// days, each text in its cell and its ink, then painted. The month calendar on screen paints
// these texts as they come and adds what only a screen has (the selection, today's ring, the
// focus and the events' marks); the printed page takes the same texts and places each within
// its cell for paper (fonts fitted to the cell, room for the moon's glyph), and paints them with
// the same painter.

#include <QColor>
#include <QDate>
#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "month_grid.h"

class QPainter;

namespace solvane {

// One text, in the painter's units.
struct PlacedText {
    enum class Kind { Weekday, WeekNumber, Day, Other };

    QRectF rect;
    QString text;
    QFont font;
    QColor colour;
    int flags = 0;  // Qt::AlignmentFlag values
    Kind kind = Kind::Other;
    QDate date;         // a day's date
    int dayOfWeek = 0;  // a weekday heading's Qt::DayOfWeek
};

struct MonthStyle {
    QFont font;
    QColor ink;                 // weekdays, week numbers and the month's days
    QColor weekNumberInk;       // none: the ink
    QColor neighbourInk;        // the days of the months before and after, and a disabled month's
    QColor holidayInk;          // holidays, and weekends where `weekendsInHolidayInk`
    QColor selectedInk;         // the selected day (its cell's fill is the caller's)
    bool neighbourDays = true;  // the screen shows them; the page leaves them to their months
    bool weekendsInHolidayInk = false;
    bool enabled = true;  // a disabled month writes all its days in the neighbour ink
    QDate selected;
    std::function<QString(int dayOfWeek)> weekdayName;
    std::function<QString(int number)> number;   // of a day or a week
    std::function<bool(const QDate&)> holiday;   // none: no holidays
    std::function<bool(int dayOfWeek)> weekend;  // none: no weekends
};

// The month's texts, headings first, then week by week its number and its days, each in the
// cell the grid gives it and centred there. Without neighbour days only the weeks that hold a
// day of the month are written.
std::vector<PlacedText> monthTexts(const MonthGrid& grid, Qt::DayOfWeek firstDayOfWeek,
                                   const MonthStyle& style);

// Writes each text in its rectangle, font and colour.
void paintTexts(QPainter& painter, const std::vector<PlacedText>& texts);

}  // namespace solvane
