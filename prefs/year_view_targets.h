// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window's controls as the Parameters dialog reaches them: by object name, so the
// dialog needs nothing of the main window's class. Controls that are not there are skipped.

#include <QList>
#include <QString>

#include "colors.h"

class QWidget;

namespace solvane {

class TMonthCalendar;
class TPanel;

namespace yearview {

// The descendant of `view` named `name`. The search stays inside the main window: other
// windows parented to it (the Parameters dialog itself, popup menus) are not entered.
QWidget* findControl(QWidget* view, const QString& name);
TMonthCalendar* monthCalendar(QWidget* view, int k);  // MonthCalendar1 .. 12
TPanel* panel(QWidget* view, int n);                  // Panel0 .. Panel41

// The main window's own background colour.
void setWindowColour(QWidget* view, TColor colour);
TColor windowColour(const QWidget* view);

// The window and every control of it that can show a hint. The inner parts of a month
// calendar are the calendar's own business and are left out, as are Qt's internal widgets.
QList<QWidget*> hintControls(QWidget* view);

}  // namespace yearview
}  // namespace solvane
