// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The month grid placed anywhere, as the printed page places it: the first of the month in the
// first row or after a day of the month before, the cells inside the area given, and the
// points found again in their cells.

#include <QTest>

#include "month_grid.h"

using namespace solvane;

class MonthGridTest : public QObject {
    Q_OBJECT

private slots:
    void firstOfTheMonthsRow_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<bool>("withTheFirst");
        QTest::addColumn<QDate>("firstShown");
        QTest::addColumn<int>("weeksInMonth");
        // February 2027 starts on a Monday and fills four weeks exactly.
        QTest::newRow("Monday 1 Feb 2027, screen")
            << QDate(2027, 2, 1) << 1 << false << QDate(2027, 1, 25) << 4;
        QTest::newRow("Monday 1 Feb 2027, page")
            << QDate(2027, 2, 1) << 1 << true << QDate(2027, 2, 1) << 4;
        QTest::newRow("Monday 1 Feb 2027, page, weeks from Sunday")
            << QDate(2027, 2, 1) << 7 << true << QDate(2027, 1, 31) << 5;
        QTest::newRow("Friday 1 Jan 2027, page")
            << QDate(2027, 1, 1) << 1 << true << QDate(2026, 12, 28) << 5;
        QTest::newRow("Friday 1 Jan 2027, screen")
            << QDate(2027, 1, 1) << 1 << false << QDate(2026, 12, 28) << 5;
        QTest::newRow("Wednesday 1 Dec 2027, six weeks from Sunday on the page")
            << QDate(2027, 12, 1) << 7 << true << QDate(2027, 11, 28) << 5;
        QTest::newRow("Sunday 1 Aug 2027, six weeks from Monday on the page")
            << QDate(2027, 8, 1) << 1 << true << QDate(2027, 7, 26) << 6;
    }
    void firstOfTheMonthsRow() {
        QFETCH(QDate, first);
        QFETCH(int, firstDayOfWeek);
        QFETCH(bool, withTheFirst);
        QFETCH(QDate, firstShown);
        QFETCH(int, weeksInMonth);
        const MonthGrid grid(first, Qt::DayOfWeek(firstDayOfWeek), QRect(0, 0, 700, 700), false,
                             withTheFirst ? MonthGrid::FirstRow::WithTheFirst
                                          : MonthGrid::FirstRow::AfterTheMonthBefore);
        QCOMPARE(grid.firstShown(), firstShown);
        int weeks = 0;
        for (int week = 0; week < MonthGrid::kWeeks; ++week)
            weeks += grid.weekInMonth(week) ? 1 : 0;
        QCOMPARE(weeks, weeksInMonth);
        // Every day of the month has its cell.
        QCOMPARE(grid.cellOf(first.addDays(first.daysInMonth() - 1)) >= 0, true);
    }

    // An area away from the corner: every cell lies in it and its centre finds it again.
    void cellsLieInTheirArea_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<bool>("weekNumbers");
        QTest::newRow("page units, week numbers") << QRect(6400, 12800, 11345, 7777) << true;
        QTest::newRow("page units") << QRect(6400, 12800, 11345, 7777) << false;
        QTest::newRow("smaller than the cells") << QRect(5, 7, 6, 5) << true;
    }
    void cellsLieInTheirArea() {
        QFETCH(QRect, area);
        QFETCH(bool, weekNumbers);
        const MonthGrid grid(QDate(2027, 5, 1), Qt::Monday, area, weekNumbers,
                             MonthGrid::FirstRow::WithTheFirst);
        QCOMPARE(grid.gridArea(), area);
        QCOMPARE(grid.headerCell(0).top(), area.top());
        QCOMPARE(grid.dayCell(MonthGrid::kWeeks - 1, MonthGrid::kDays - 1).bottom(), area.bottom());
        QCOMPARE(grid.dayCell(0, MonthGrid::kDays - 1).right(), area.right());
        QCOMPARE(weekNumbers ? grid.weekNumberCell(0).left() : grid.dayCell(0, 0).left(),
                 area.left());
        for (int week = 0; week < MonthGrid::kWeeks; ++week)
            for (int day = 0; day < MonthGrid::kDays; ++day) {
                const QRect cell = grid.dayCell(week, day);
                QVERIFY(area.contains(cell) || cell.isEmpty());
                if (!cell.isEmpty())
                    QCOMPARE(grid.cellAt(cell.center()), week * MonthGrid::kDays + day);
            }
    }
};

QTEST_MAIN(MonthGridTest)
#include "tst_month_grid.moc"
