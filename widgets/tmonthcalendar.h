// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One month of the year view: a QCalendarWidget with the properties the year view needs.

#include <QCalendarWidget>
#include <QDate>
#include <array>

#include "colors.h"

namespace solvane {

class TMonthCalendar : public QCalendarWidget {
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

    // Every date from 1 January 1700 to 31 December 3000 can be shown.
    static QDate minimumDate() { return QDate(1700, 1, 1); }
    static QDate maximumDate() { return QDate(3000, 12, 31); }

    // The selected day. Writing selects the day and brings its month into view; a date the
    // control refuses raises solvane::Error("Failed to set calendar date or time") and keeps
    // the old date.
    QDate Date() const;
    void setDate(QDate date);

    TColor CalColors(int index) const;
    void setCalColors(int index, TColor colour);  // takes effect at once

    bool WeekNumbers() const;
    void setWeekNumbers(bool on);  // writing the current value does nothing

    QString Hint() const;
    void setHint(const QString& text);
    bool ShowHint() const;
    void setShowHint(bool on);

signals:
    // After a mouse click on a day; Date() already holds the clicked day.
    void OnClick();
    // Return, Enter or Space on the selected day: the keyboard's click on it.
    void dayActivated(QDate date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Draws the day, and a ring around today's date.
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    void followPage(int year, int month);
    void applyColors();
    void applyFont();

    std::array<TColor, 6> colors_;
};

}  // namespace solvane
