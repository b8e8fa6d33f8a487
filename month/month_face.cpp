// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "month_face.h"

#include <QPainter>

namespace solvane {
namespace {

QColor dayInk(const MonthStyle& style, const QDate& date, bool inMonth) {
    if (date == style.selected)
        return style.selectedInk;
    if (!inMonth || !style.enabled)
        return style.neighbourInk;
    const bool holiday = style.holiday && style.holiday(date);
    const bool weekend =
        style.weekendsInHolidayInk && style.weekend && style.weekend(date.dayOfWeek());
    return holiday || weekend ? style.holidayInk : style.ink;
}

}  // namespace

std::vector<PlacedText> monthTexts(const MonthGrid& grid, Qt::DayOfWeek firstDayOfWeek,
                                   const MonthStyle& style) {
    using Kind = PlacedText::Kind;
    std::vector<PlacedText> texts;
    texts.reserve(MonthGrid::kDays + MonthGrid::kWeeks * (MonthGrid::kDays + 1));
    for (int column = 0; column < MonthGrid::kDays; ++column) {
        const int dayOfWeek = (int(firstDayOfWeek) - 1 + column) % 7 + 1;
        const bool red = style.weekendsInHolidayInk && style.weekend && style.weekend(dayOfWeek);
        texts.push_back({QRectF(grid.headerCell(column)), style.weekdayName(dayOfWeek), style.font,
                         red ? style.holidayInk : style.ink, Qt::AlignCenter, Kind::Weekday,
                         QDate(), dayOfWeek});
    }
    const QColor weekInk = style.weekNumberInk.isValid() ? style.weekNumberInk : style.ink;
    for (int week = 0; week < MonthGrid::kWeeks; ++week) {
        if (!style.neighbourDays && !grid.weekInMonth(week))
            continue;
        if (grid.columns() > MonthGrid::kDays)
            texts.push_back({QRectF(grid.weekNumberCell(week)), style.number(grid.weekNumber(week)),
                             style.font, weekInk, Qt::AlignCenter, Kind::WeekNumber, QDate(), 0});
        for (int day = 0; day < MonthGrid::kDays; ++day) {
            const QDate date = grid.dateAt(week, day);
            const bool inMonth = grid.inMonth(date);
            if (!inMonth && !style.neighbourDays)
                continue;
            texts.push_back({QRectF(grid.dayCell(week, day)), style.number(date.day()), style.font,
                             dayInk(style, date, inMonth), Qt::AlignCenter, Kind::Day, date, 0});
        }
    }
    return texts;
}

void paintTexts(QPainter& painter, const std::vector<PlacedText>& texts) {
    for (const PlacedText& text : texts) {
        if (painter.font() != text.font)
            painter.setFont(text.font);
        if (painter.pen().color() != text.colour)
            painter.setPen(text.colour);
        painter.drawText(text.rect, text.flags, text.text);
    }
}

}  // namespace solvane
