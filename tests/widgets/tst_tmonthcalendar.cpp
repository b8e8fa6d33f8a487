// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "error.h"
#include "fakeplatform.h"
#include "tmonthcalendar.h"

using namespace solvane;

namespace {

QTableView* dayGrid(TMonthCalendar& calendar) {
    return calendar.findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
}

// The cell that shows `day`, searched from the first week (trailing days of the month
// before) or from the last week backwards (trailing days of the month after).
QRect dayCell(TMonthCalendar& calendar, int day, bool fromEnd = false) {
    QTableView* grid = dayGrid(calendar);
    QAbstractItemModel* model = grid->model();
    const int firstColumn = calendar.WeekNumbers() ? 1 : 0;
    for (int n = 0; n < (model->rowCount() - 1) * (model->columnCount() - firstColumn); ++n) {
        const int k =
            fromEnd ? (model->rowCount() - 1) * (model->columnCount() - firstColumn) - 1 - n : n;
        const int row = 1 + k / (model->columnCount() - firstColumn);
        const int column = firstColumn + k % (model->columnCount() - firstColumn);
        const QModelIndex index = model->index(row, column);
        if (index.data(Qt::DisplayRole).toInt() == day)
            return grid->visualRect(index);
    }
    return {};
}

enum Ink { RedInk, GreenInk, BlueInk };

// How many pixels of `cell` (in grid coordinates) are clearly tinted by an ink of one pure
// hue. Glyph edges are blended with the background, so exact colours are not compared.
int inkPixels(TMonthCalendar& calendar, const QRect& cell, Ink ink) {
    const QImage image = calendar.grab().toImage();
    const QPoint origin = dayGrid(calendar)->viewport()->mapTo(&calendar, cell.topLeft());
    int count = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const QColor c = image.pixelColor(origin + QPoint(x, y));
            const int channels[] = {c.red(), c.green(), c.blue()};
            const int others = qMax(channels[(ink + 1) % 3], channels[(ink + 2) % 3]);
            count += channels[ink] - others > 40;
        }
    }
    return count;
}

}  // namespace

class TestMonthCalendar : public QObject {
    Q_OBJECT

private slots:
    void init() {
        platform_ = std::make_unique<test::FakePlatform>();
        calendar_ = std::make_unique<TMonthCalendar>();
        calendar_->resize(197, 153);
        calendar_->setDate(QDate(2026, 12, 7));
        calendar_->show();
        QVERIFY(QTest::qWaitForWindowExposed(calendar_.get()));
    }
    void cleanup() {
        calendar_.reset();
        platform_.reset();
    }

    void writingDate_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("accepted");
        QTest::addRow("first day shown, 1 Jan 1700") << QDate(1700, 1, 1) << true;
        QTest::addRow("last day shown, 31 Dec 3000") << QDate(3000, 12, 31) << true;
        QTest::addRow("before 1752, the toolkit's usual minimum") << QDate(1751, 3, 1) << true;
        QTest::addRow("31 Dec 1699, before the range") << QDate(1699, 12, 31) << false;
        QTest::addRow("1 Jan 3001, after the range") << QDate(3001, 1, 1) << false;
        QTest::addRow("invalid date") << QDate() << false;
    }
    void writingDate() {
        QFETCH(QDate, date);
        QFETCH(bool, accepted);
        QString error;
        try {
            calendar_->setDate(date);
        } catch (const Error& e) {
            error = e.text();
        }
        const QDate expected = accepted ? date : QDate(2026, 12, 7);
        QCOMPARE(error,
                 accepted ? QString() : QStringLiteral("Failed to set calendar date or time"));
        QCOMPARE(calendar_->Date(), expected);
        QCOMPARE(calendar_->yearShown(), expected.year());
        QCOMPARE(calendar_->monthShown(), expected.month());
    }

    void clickOnDay_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("fromEnd");
        QTest::addColumn<QDate>("expected");
        QTest::addRow("day of the month") << 17 << false << QDate(2026, 12, 17);
        QTest::addRow("trailing day of the month before") << 30 << false << QDate(2026, 11, 30);
        QTest::addRow("trailing day of the month after") << 4 << true << QDate(2027, 1, 4);
    }
    void clickOnDay() {
        QFETCH(int, day);
        QFETCH(bool, fromEnd);
        QFETCH(QDate, expected);
        const QRect cell = dayCell(*calendar_, day, fromEnd);
        QVERIFY(cell.isValid());
        QVector<QDate> datesAtClick;
        connect(calendar_.get(), &TMonthCalendar::OnClick, this,
                [&] { datesAtClick.append(calendar_->Date()); });
        QTest::mouseClick(dayGrid(*calendar_)->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(datesAtClick, QVector<QDate>{expected});
        QCOMPARE(calendar_->Date(), expected);
    }

    void keyboardMovesRaiseNoClick() {
        QSignalSpy clicks(calendar_.get(), &TMonthCalendar::OnClick);
        dayGrid(*calendar_)->setFocus();
        QTest::keyClick(dayGrid(*calendar_), Qt::Key_Down);
        QCOMPARE(calendar_->Date(), QDate(2026, 12, 14));
        QCOMPARE(clicks.count(), 0);
    }

    // Paging with the bar's arrows takes the selected day along, clamped to the month's end.
    void pagingMovesTheSelection_data() {
        QTest::addColumn<QDate>("before");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QDate>("after");
        QTest::addRow("next month, day clamped")
            << QDate(2027, 1, 31) << "qt_calendar_nextmonth" << QDate(2027, 2, 28);
        QTest::addRow("previous month, year wraps")
            << QDate(2027, 1, 15) << "qt_calendar_prevmonth" << QDate(2026, 12, 15);
    }
    void pagingMovesTheSelection() {
        QFETCH(QDate, before);
        QFETCH(QString, arrow);
        QFETCH(QDate, after);
        calendar_->setDate(before);
        auto* button = calendar_->findChild<QAbstractButton*>(arrow);
        QVERIFY(button);
        button->click();
        QCOMPARE(calendar_->Date(), after);
        QCOMPARE(calendar_->monthShown(), after.month());
    }

    void todayIsRinged() {
        calendar_->setCalColors(TMonthCalendar::TextColor, cl::Navy);
        calendar_->setDate(QDate(2026, 12, 16));  // the fake clock's today is 7 December
        QVERIFY(inkPixels(*calendar_, dayCell(*calendar_, 7), RedInk) > 0);
        QCOMPARE(inkPixels(*calendar_, dayCell(*calendar_, 8), RedInk), 0);
    }

    void disabledCalendarIgnoresClicks() {
        QSignalSpy clicks(calendar_.get(), &TMonthCalendar::OnClick);
        calendar_->setEnabled(false);
        QTest::mouseClick(dayGrid(*calendar_)->viewport(), Qt::LeftButton, {},
                          dayCell(*calendar_, 17).center());
        QCOMPARE(calendar_->Date(), QDate(2026, 12, 7));
        QCOMPARE(clicks.count(), 0);
    }

    // The colours the year view writes must show in the painted grid: the month's days in
    // TextColor (weekends too, never the toolkit's red), the other months' days in
    // TrailingTextColor, all on MonthBackColor.
    void coloursReachTheGrid_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("fromEnd");
        QTest::addColumn<bool>("trailing");
        QTest::addRow("weekday of the month") << 16 << false << false;
        QTest::addRow("weekend day of the month") << 19 << false << false;
        QTest::addRow("weekend day of the month, other weekend day") << 20 << false << false;
        QTest::addRow("trailing day before") << 30 << false << true;
        QTest::addRow("trailing day after") << 8 << true << true;
    }
    void coloursReachTheGrid() {
        QFETCH(int, day);
        QFETCH(bool, fromEnd);
        QFETCH(bool, trailing);
        calendar_->setCalColors(TMonthCalendar::TextColor, cl::Navy);
        calendar_->setCalColors(TMonthCalendar::TrailingTextColor, cl::Lime);
        calendar_->setCalColors(TMonthCalendar::MonthBackColor, cl::Silver);
        const QRect cell = dayCell(*calendar_, day, fromEnd);
        const QImage image = calendar_->grab().toImage();
        const QPoint corner =
            dayGrid(*calendar_)->viewport()->mapTo(calendar_.get(), cell.topLeft());
        QCOMPARE(image.pixelColor(corner + QPoint(1, 1)), toQColor(cl::Silver));
        QCOMPARE(inkPixels(*calendar_, cell, BlueInk) > 0, !trailing);
        QCOMPARE(inkPixels(*calendar_, cell, GreenInk) > 0, trailing);
        QCOMPARE(inkPixels(*calendar_, cell, RedInk), 0);
    }

    void colourWritesTakeEffectAtOnce() {
        const QRect cell = dayCell(*calendar_, 16);
        calendar_->setCalColors(TMonthCalendar::TextColor, cl::Navy);
        QVERIFY(inkPixels(*calendar_, cell, BlueInk) > 0);
        calendar_->setCalColors(TMonthCalendar::TextColor, cl::Maroon);
        QCOMPARE(inkPixels(*calendar_, cell, BlueInk), 0);
        QVERIFY(inkPixels(*calendar_, cell, RedInk) > 0);
        QCOMPARE(calendar_->CalColors(TMonthCalendar::TextColor), cl::Maroon);
    }

    void titleColoursPaintTheNavigationBar() {
        calendar_->setCalColors(TMonthCalendar::TitleBackColor, cl::Blue);
        const QImage image = calendar_->grab().toImage();
        QCOMPARE(image.pixelColor(100, 2), toQColor(cl::Blue));
    }

    // The year view covers the navigation bar with panels of its own 27 pixels high and shows
    // only the top 138 pixels of each month, so the grid must lie between the two.
    void gridSitsBelowTheNavigationBar() {
        const QRect grid = dayGrid(*calendar_)->geometry();
        QCOMPARE(grid.top(), 27);
        QVERIFY2(grid.bottom() < 138, qPrintable(QString::number(grid.bottom())));
        QCOMPARE(grid.width(), 197);
    }

    // A month that spans six weeks (August 2026: its 31st stands alone in the sixth week) shows
    // its last day inside the part of the control that the year view leaves visible.
    void sixthWeekIsVisible() {
        calendar_->setDate(QDate(2026, 8, 31));
        const QRect cell = dayCell(*calendar_, 31, true);
        QVERIFY(cell.isValid());
        const QPoint bottom =
            dayGrid(*calendar_)->viewport()->mapTo(calendar_.get(), cell.bottomLeft());
        QVERIFY2(bottom.y() < 138, qPrintable(QString::number(bottom.y())));
    }

    void weekNumbers() {
        QCOMPARE(calendar_->WeekNumbers(), false);
        calendar_->setWeekNumbers(true);
        QCOMPARE(calendar_->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
        // ISO week 50 of 2026 holds 7 December; it shows in the first column.
        const QTableView* grid = dayGrid(*calendar_);
        const QRect weekOf7th = dayCell(*calendar_, 7);
        QCOMPARE(grid->model()->index(grid->rowAt(weekOf7th.center().y()), 0).data().toInt(), 50);
        calendar_->setWeekNumbers(false);
        QCOMPARE(calendar_->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    }

    void hintShowsOnlyWhileShowHint() {
        calendar_->setHint(QStringLiteral("26.341"));
        QCOMPARE(calendar_->toolTip(), QString());
        calendar_->setShowHint(true);
        QCOMPARE(calendar_->toolTip(), QStringLiteral("26.341"));
        calendar_->setHint(QString());
        QCOMPARE(calendar_->toolTip(), QString());
        calendar_->setHint(QStringLiteral("26.342"));
        calendar_->setShowHint(false);
        QCOMPARE(calendar_->toolTip(), QString());
        QCOMPARE(calendar_->Hint(), QStringLiteral("26.342"));
    }

private:
    std::unique_ptr<test::FakePlatform> platform_;
    std::unique_ptr<TMonthCalendar> calendar_;
};

QTEST_MAIN(TestMonthCalendar)
#include "tst_tmonthcalendar.moc"
