// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One month of the year view: a light control that paints a weekday row, an optional column
// of week numbers and six weeks, and finds the day under the pointer by arithmetic. It shows
// one month and never pages by itself: only writing Date brings another month into view.

#include <QDate>
#include <QWidget>
#include <array>

#include "colors.h"
#include "day_marks.h"
#include "day_texts.h"
#include "month_face.h"
#include "month_grid.h"

class QPainter;

namespace solvane {

class DayPopup;

class TMonthCalendar : public QWidget {
    Q_OBJECT

public:
    // Indexes of CalColors.
    enum CalColor {
        BackColor = 0,
        TextColor = 1,
        TitleBackColor = 2,
        TitleTextColor = 3,
        MonthBackColor = 4,
        TrailingTextColor = 5
    };

    explicit TMonthCalendar(QWidget* parent = nullptr);

    // Every date from 1 January 1601 to 31 December 9999 can be shown.
    static QDate minimumDate() { return QDate(1601, 1, 1); }
    static QDate maximumDate() { return QDate(9999, 12, 31); }

    // The selected day. Writing selects the day and brings its month into view; a date the
    // control refuses raises solvane::Error("Failed to set calendar date or time") and keeps
    // the old date.
    QDate Date() const { return selected_; }
    void setDate(QDate date);
    int yearShown() const { return shown_.year(); }
    int monthShown() const { return shown_.month(); }

    TColor CalColors(int index) const;
    void setCalColors(int index, TColor colour);  // takes effect at once

    bool WeekNumbers() const { return weekNumbers_; }
    void setWeekNumbers(bool on);  // writing the current value does nothing

    QString Hint() const;
    void setHint(const QString& text);
    bool ShowHint() const;
    void setShowHint(bool on);

    // The events' marks on the days (tmonthcalendar_paint.cpp): a holiday's number in
    // `holidayInk`, a small mark for other events. A null source draws none.
    void setDayMarks(DayMarksSource source, QColor holidayInk);
    // The answers may have changed: the month is painted again.
    void marksChanged() { update(); }
    // The words for the events of a day (tmonthcalendar_events.cpp): the tooltip over a day
    // with events lists them, its accessible name adds them. A null source says none.
    void setDayTexts(DayTextsSource source);
    // The texts of a day of the month shown; empty for the days of the months around it.
    DayTexts dayTexts(QDate date) const;
    // Shows the day's events under its cell until the next key or move, and has assistive
    // technology read them; a day without events closes what was shown.
    void showDayEvents(QDate date);
    // The day whose events are shown under its cell, or an invalid date.
    QDate dayEventsShown() const { return popupDate_; }

    Qt::DayOfWeek firstDayOfWeek() const;
    // Where the grid shows `date`; empty when the month shown leaves it out.
    QRect dayRect(QDate date) const;
    // The date of the cell under `point`, or an invalid date.
    QDate dateAt(QPoint point) const;
    // The grid of the month shown, at the control's present size.
    MonthGrid grid() const;

    QSize sizeHint() const override { return {197, 153}; }

    // The date has changed (midnight): today's ring moves to the new day.
    void todayChanged();

signals:
    // After a mouse click on a day; Date() already holds the clicked day.
    void OnClick();
    // Return, Enter or Space on the selected day.
    void activated(QDate date);
    void selectionChanged();
    void currentPageChanged(int year, int month);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    MonthStyle style(const MonthGrid& month, const std::array<DayMarks, 42>& marks) const;
    void paintDayMarks(QPainter& painter, const QRect& cell, QDate date, bool inMonth,
                       const DayMarks& marks) const;
    void select(QDate date);
    bool moveSelection(int key);
    bool showDayTip(const QPoint& at, const QPoint& globalAt);
    void announceDayEvents(QDate date);

    QDate selected_{2000, 5, 2};
    QDate shown_{2000, 5, 1};  // the first of the month shown
    QDate pressed_;            // the day under the last press of the left button
    mutable QDate ringed_;     // the day the last paint took for today, and ringed
    bool weekNumbers_ = false;
    std::array<TColor, 6> colors_;
    DayMarksSource marks_;
    QColor holidayInk_;
    DayTextsSource texts_;
    DayPopup* popup_ = nullptr;  // made on first use
    QDate popupDate_;
};

}  // namespace solvane
