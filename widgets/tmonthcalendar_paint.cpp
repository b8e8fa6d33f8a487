// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// How a month calendar looks. Its texts are the month grid's texts (month_face.h), which the
// printed page writes as well; the screen adds the selection, today's ring, the focus and the
// events' marks. The twelve months of the year view share one font and one set of texts, made
// when the first month paints, so that start-up prepares nothing the first paint does not show
// and each further month costs only its own drawing.

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "fonts.h"
#include "month_face.h"
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
    const QRegion& region = event->region();
    QPainter painter(this);
    painter.setClipRegion(region);
    painter.setFont(sharedInk().font);
    painter.fillRect(month.titleBand(), toQColor(colors_[TitleBackColor]));
    painter.fillRect(month.gridArea(), toQColor(colors_[MonthBackColor]));
    painter.fillRect(month.bottomBand(), toQColor(colors_[BackColor]));
    // The clock is read once a paint, not once a cell, and the events once a day.
    ringed_ = clock().today();
    const auto cellRect = [&month](int cell) {
        return month.dayCell(cell / MonthGrid::kDays, cell % MonthGrid::kDays);
    };
    const auto cellDate = [&month](int cell) {
        return month.dateAt(cell / MonthGrid::kDays, cell % MonthGrid::kDays);
    };
    std::array<DayMarks, MonthGrid::kWeeks * MonthGrid::kDays> marks;
    for (int cell = 0; cell < int(marks.size()) && marks_; ++cell) {
        // The days of the neighbouring months are another month's to mark.
        if (month.inMonth(cellDate(cell)) && region.intersects(cellRect(cell)))
            marks[size_t(cell)] = marks_(cellDate(cell));
    }
    if (const int cell = month.cellOf(selected_); cell >= 0)
        painter.fillRect(cellRect(cell), toQColor(colors_[TitleBackColor]));
    std::vector<PlacedText> texts = monthTexts(month, firstDayOfWeek(), style(month, marks));
    std::erase_if(texts, [&](const PlacedText& text) {
        return text.kind == PlacedText::Kind::Day && !region.intersects(text.rect.toRect());
    });
    paintTexts(painter, texts);
    for (int cell = 0; cell < int(marks.size()); ++cell) {
        if (region.intersects(cellRect(cell)))
            paintDayMarks(painter, cellRect(cell), cellDate(cell), month.inMonth(cellDate(cell)),
                          marks[size_t(cell)]);
    }
}

// The screen's look of the month's texts: the colour slots, one letter a weekday, and the
// holidays of the marks.
MonthStyle TMonthCalendar::style(const MonthGrid& month,
                                 const std::array<DayMarks, 42>& marks) const {
    SharedInk& ink = sharedInk();
    MonthStyle style;
    style.font = ink.font;
    style.ink = toQColor(colors_[TextColor]);
    style.neighbourInk = toQColor(colors_[TrailingTextColor]);
    style.holidayInk = holidayInk_;
    style.selectedInk = toQColor(colors_[TitleTextColor]);
    style.enabled = isEnabled();
    style.selected = selected_;
    const QLocale here = locale();
    style.weekdayName = [&ink, here](int day) { return ink.weekday(here, day); };
    style.number = [&ink](int n) { return ink.numbers[size_t(n)]; };
    style.holiday = [&month, &marks](const QDate& date) {
        const int cell = month.cellOf(date);
        return cell >= 0 && marks[size_t(cell)].holiday;
    };
    return style;
}

// What a screen adds to a day's number: the events' mark, today's ring and the focus.
void TMonthCalendar::paintDayMarks(QPainter& painter, const QRect& cell, QDate date, bool inMonth,
                                   const DayMarks& marks) const {
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
