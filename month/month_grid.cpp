// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "month_grid.h"

#include <QtGlobal>

namespace solvane {
namespace {

constexpr int kRows = MonthGrid::kWeeks + 1;  // the weekday row and six weeks

}  // namespace

MonthGrid::MonthGrid(QDate firstOfMonth, Qt::DayOfWeek firstDayOfWeek, QSize size, bool weekNumbers)
    : MonthGrid(firstOfMonth, firstDayOfWeek,
                QRect(0, kTopBand, size.width(), qMax(0, size.height() - kTopBand - kBottomBand)),
                weekNumbers, FirstRow::AfterTheMonthBefore) {
    size_ = size;
}

MonthGrid::MonthGrid(QDate firstOfMonth, Qt::DayOfWeek firstDayOfWeek, QRect area, bool weekNumbers,
                     FirstRow firstRow)
    : month_(firstOfMonth.month()),
      size_(area.right() + 1, area.bottom() + 1),
      area_(area),
      weekNumbers_(weekNumbers) {
    int lead = (firstOfMonth.dayOfWeek() - int(firstDayOfWeek) + kDays) % kDays;
    if (lead == 0 && firstRow == FirstRow::AfterTheMonthBefore)
        lead = kDays;
    firstShown_ = firstOfMonth.addDays(-lead);
}

int MonthGrid::cellOf(QDate date) const {
    const qint64 offset = firstShown_.daysTo(date);
    return offset >= 0 && offset < kWeeks * kDays ? int(offset) : -1;
}

int MonthGrid::weekNumber(int week) const {
    const QDate start = dateAt(week, 0);
    return start.addDays((Qt::Monday - start.dayOfWeek() + kDays) % kDays).weekNumber();
}

int MonthGrid::sectionStart(int index, int length, int count) {
    return index * (length / count) + qMin(index, length % count);
}

int MonthGrid::sectionAt(int offset, int length, int count) {
    const int base = length / count;
    const int wide = length % count;  // sections of base + 1 pixels
    if (offset < wide * (base + 1))
        return offset / (base + 1);
    return base > 0 ? wide + (offset - wide * (base + 1)) / base : count;
}

QRect MonthGrid::bottomBand() const {
    const int top = area_.top() + area_.height();
    return {0, top, size_.width(), size_.height() - top};
}

QRect MonthGrid::cell(int row, int column) const {
    const int left = sectionStart(column, area_.width(), columns());
    const int right = sectionStart(column + 1, area_.width(), columns());
    const int top = sectionStart(row, area_.height(), kRows);
    const int bottom = sectionStart(row + 1, area_.height(), kRows);
    return {area_.left() + left, area_.top() + top, right - left, bottom - top};
}

QRect MonthGrid::headerCell(int day) const {
    return cell(0, day + (weekNumbers_ ? 1 : 0));
}

QRect MonthGrid::weekNumberCell(int week) const {
    return weekNumbers_ ? cell(week + 1, 0) : QRect();
}

QRect MonthGrid::dayCell(int week, int day) const {
    return cell(week + 1, day + (weekNumbers_ ? 1 : 0));
}

int MonthGrid::cellAt(QPoint point) const {
    if (!area_.contains(point))
        return -1;
    const int row = sectionAt(point.y() - area_.top(), area_.height(), kRows);
    const int column =
        sectionAt(point.x() - area_.left(), area_.width(), columns()) - (weekNumbers_ ? 1 : 0);
    if (row < 1 || row >= kRows || column < 0 || column >= kDays)
        return -1;
    return (row - 1) * kDays + column;
}

}  // namespace solvane
