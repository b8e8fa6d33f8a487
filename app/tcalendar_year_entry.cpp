// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The year entry box: a year from 1700 to 3000 typed in and confirmed with "OK" or Enter.

#include <QToolButton>

#include "platform.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "umedit.h"

namespace solvane {
namespace {

constexpr int kFirstYear = 1700;
constexpr int kLastYear = 3000;

}  // namespace

void TCalendar::BitBtn6Click() {
    ResetCalendarHints();
    TPanel* box = yearEntry();
    box->show();
    // Over "OK". The vertical sum takes Panel29's Left (47), not its Top (32): with the 22 that
    // stands for the title bar, that is what puts the pointer on the button.
    movePointerFromCorner(box->x() + okFrame()->x() + SpeedButton54->x() + 43,
                          box->y() + okFrame()->x() + SpeedButton54->y() + 22);
    umNumberEdit1->setFocus();
    // An edit field selects its text when it takes the focus, so a year typed replaces it.
    umNumberEdit1->selectAll();
}

void TCalendar::umNumberEdit1Click() {
    umNumberEdit1->selectAll();
}

void TCalendar::umNumberEdit1KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        SpeedButton54Click();
    // Escape leaves the box as it came: closed, the year shown unchanged, the focus back on
    // the first month's number box where the other ways of closing it leave it.
    if (key == Qt::Key_Escape) {
        ResetCalendarHints();
        yearEntryBox()->hide();
        monthNumberBox(1)->setFocus();
    }
}

void TCalendar::SpeedButton54Click() {
    ResetCalendarHints();
    const QString text = umNumberEdit1->text();
    if (text.isEmpty() || text == QStringLiteral("0")) {
        yearEntryBox()->hide();
    } else {
        const int year = umNumberEdit1->Value();
        if (year < kFirstYear || year > kLastYear) {
            const QSize desktop = pointer().desktopSize();
            pointer().moveTo(QPoint(desktop.width() / 2 + 10, desktop.height() / 2 + 37));
            boxes().warning(tr("Year must be between 1700 and 3000"));
            return;
        }
        // The field holds digits only, so its value is the year typed.
        MonthCalendar(1)->setDate(QDate(year, 1, 1));
        redate(RedateMode::KeepFirst);
        yearEntryBox()->hide();
    }
    // Back over the year entry button.
    movePointerFromCorner(toolStripFrame()->x() + SpeedButton6->x() + 15,
                          toolStripFrame()->y() + SpeedButton6->y() + 37);
}

}  // namespace solvane
