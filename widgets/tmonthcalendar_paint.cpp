// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// How a month calendar looks. The twelve months of the year view share one font and one set
// of texts, made when the first month paints, so that start-up prepares nothing the first
// paint does not show and each further month costs only its own drawing.

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "fonts.h"
#include "platform.h"
#include "tmonthcalendar.h"

namespace solvane {
namespace {

// What every month calendar draws with.
struct SharedInk {
    QFont font = classicSansFont();
    std::array<QString, 54> numbers;  // day and week numbers 0 .. 53
    QString localeName;               // the locale the weekday letters were made for
    std::array<QString, 8> weekdays;  // by Qt::DayOfWeek, 1 .. 7

    SharedInk() {
        for (size_t n = 0; n < numbers.size(); ++n)
            numbers[n] = QString::number(n);
    }

    // One letter a day where the locale's narrow name is a letter; its own narrow name where
    // a letter would say less (the standalone and in-sentence names differ).
    const QString& weekday(const QLocale& locale, int day) {
        if (locale.name() != localeName) {
            localeName = locale.name();
            for (int d = Qt::Monday; d <= Qt::Sunday; ++d) {
                const QString alone = locale.standaloneDayName(d, QLocale::NarrowFormat);
                weekdays[size_t(d)] =
                    alone == locale.dayName(d, QLocale::NarrowFormat) ? alone.left(1) : alone;
            }
        }
        return weekdays[size_t(day)];
    }
};

SharedInk& sharedInk() {
    static SharedInk ink;
    return ink;
}

// The red ring around today's date.
void drawTodayRing(QPainter& painter, const QRect& cell) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(Qt::red), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    painter.restore();
}

// A small square under the number, in the colour of the day's first calendar: the cells are
// small, so one mark says "events here" and the tooltip says which.
void drawEventMark(QPainter& painter, const QRect& cell, const QColor& colour) {
    const int side = std::max(2, cell.height() / 6);
    painter.fillRect(QRect(cell.center().x() - side / 2, cell.bottom() - side, side, side), colour);
}

}  // namespace

void TMonthCalendar::setDayMarks(DayMarksSource source, QColor holidayInk) {
    marks_ = std::move(source);
    holidayInk_ = holidayInk;
    update();
}

void TMonthCalendar::paintEvent(QPaintEvent* event) {
    const MonthGrid month = grid();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setFont(sharedInk().font);
    painter.fillRect(month.titleBand(), toQColor(colors_[TitleBackColor]));
    painter.fillRect(month.gridArea(), toQColor(colors_[MonthBackColor]));
    painter.fillRect(month.bottomBand(), toQColor(colors_[BackColor]));
    paintHeadings(painter, month);
    // The clock is read once a paint, not once a cell.
    ringed_ = clock().today();
    for (int week = 0; week < MonthGrid::kWeeks; ++week) {
        for (int day = 0; day < MonthGrid::kDays; ++day) {
            const QRect cell = month.dayCell(week, day);
            if (event->region().intersects(cell))
                paintDay(painter, cell, month.dateAt(week, day),
                         month.inMonth(month.dateAt(week, day)));
        }
    }
}

void TMonthCalendar::paintHeadings(QPainter& painter, const MonthGrid& month) const {
    SharedInk& ink = sharedInk();
    painter.setPen(toQColor(colors_[TextColor]));
    const QLocale here = locale();
    const int first = int(firstDayOfWeek());
    for (int day = 0; day < MonthGrid::kDays; ++day) {
        painter.drawText(month.headerCell(day), Qt::AlignCenter,
                         ink.weekday(here, (first - 1 + day) % 7 + 1));
    }
    for (int week = 0; week < MonthGrid::kWeeks && weekNumbers_; ++week) {
        painter.drawText(month.weekNumberCell(week), Qt::AlignCenter,
                         ink.numbers[size_t(month.weekNumber(week))]);
    }
}

void TMonthCalendar::paintDay(QPainter& painter, const QRect& cell, QDate date,
                              bool inMonth) const {
    // The days of the neighbouring months are another month's to mark.
    const DayMarks marks = marks_ && inMonth ? marks_(date) : DayMarks{};
    if (date == selected_) {
        painter.fillRect(cell, toQColor(colors_[TitleBackColor]));
        painter.setPen(toQColor(colors_[TitleTextColor]));
    } else {
        // A disabled month writes all its days in the trailing colour.
        const bool plain = inMonth && isEnabled();
        painter.setPen(marks.holiday && plain
                           ? holidayInk_
                           : toQColor(colors_[plain ? TextColor : TrailingTextColor]));
    }
    painter.drawText(cell, Qt::AlignCenter, sharedInk().numbers[size_t(date.day())]);
    if (!marks.events.empty())
        drawEventMark(painter, cell, marks.events.front());
    // Only the month's own day carries the ring, not its double among the grey days.
    if (inMonth && date == ringed_)
        drawTodayRing(painter, cell);
    if (date == selected_ && hasFocus()) {
        painter.setPen(QPen(toQColor(colors_[TitleTextColor]), 1, Qt::DotLine));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

}  // namespace solvane
