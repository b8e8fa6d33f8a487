// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "error.h"
#include "fakeplatform.h"
#include "tmonthcalendar.h"

using namespace solvane;

namespace {

enum Ink { RedInk, GreenInk, BlueInk };

// How many pixels of `cell` are clearly tinted by an ink of one pure hue. Glyph edges are
// blended with the background, so exact colours are not compared.
int inkPixels(TMonthCalendar& calendar, const QRect& cell, Ink ink) {
    const QImage image = calendar.grab().toImage();
    int count = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int channels[] = {c.red(), c.green(), c.blue()};
            const int others = qMax(channels[(ink + 1) % 3], channels[(ink + 2) % 3]);
            count += channels[ink] - others > 40;
        }
    }
    return count;
}

QAccessibleTableInterface* tableOf(TMonthCalendar& calendar) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&calendar);
    return table ? table->tableInterface() : nullptr;
}

QString cellName(TMonthCalendar& calendar, QDate date) {
    const int cell = calendar.grid().cellOf(date);
    QAccessibleInterface* day = tableOf(calendar)->cellAt(cell / 7, cell % 7);
    return day ? day->text(QAccessible::Name) : QString();
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
        QTest::addRow("first day, 1 Jan 1601") << QDate(1601, 1, 1) << true;
        QTest::addRow("last day, 31 Dec 9999") << QDate(9999, 12, 31) << true;
        QTest::addRow("1699, before the year entry's range") << QDate(1699, 12, 31) << true;
        QTest::addRow("31 Dec 1600, before the range") << QDate(1600, 12, 31) << false;
        QTest::addRow("1 Jan 10000, after the range") << QDate(10000, 1, 1) << false;
        QTest::addRow("invalid date") << QDate() << false;
    }
    void writingDate() {
        QFETCH(QDate, date);
        QFETCH(bool, accepted);
        QSignalSpy pages(calendar_.get(), &TMonthCalendar::currentPageChanged);
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
        QCOMPARE(pages.count(), accepted ? 1 : 0);
    }

    // A click selects the day where it stands and never pages the month; a click beside the
    // days, or on a day beyond either end of the range, changes nothing.
    void clicks_data() {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<bool>("weekNumbers");
        QTest::addColumn<QDate>("target");  // the day clicked, or invalid to click `point`
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QDate>("selected");
        const QDate dec7(2026, 12, 7);
        QTest::addRow("day of the month")
            << dec7 << false << QDate(2026, 12, 17) << QPoint() << QDate(2026, 12, 17);
        QTest::addRow("day of the month, week numbers shown")
            << dec7 << true << QDate(2026, 12, 17) << QPoint() << QDate(2026, 12, 17);
        QTest::addRow("grey day of the month before")
            << dec7 << false << QDate(2026, 11, 30) << QPoint() << QDate(2026, 11, 30);
        QTest::addRow("grey day of the month after")
            << dec7 << false << QDate(2027, 1, 4) << QPoint() << QDate(2027, 1, 4);
        QTest::addRow("band under the title")
            << dec7 << false << QDate() << QPoint(100, 24) << dec7;
        QTest::addRow("weekday row") << dec7 << false << QDate() << QPoint(100, 35) << dec7;
        QTest::addRow("week number") << dec7 << true << QDate() << QPoint(5, 70) << dec7;
        QTest::addRow("bottom band") << dec7 << false << QDate() << QPoint(100, 145) << dec7;
        QTest::addRow("31 Dec 1600 before the range")
            << QDate(1601, 1, 1) << false << QDate(1600, 12, 31) << QPoint() << QDate(1601, 1, 1);
        QTest::addRow("1 Jan 10000 after the range")
            << QDate(9999, 12, 31) << false << QDate(10000, 1, 1) << QPoint()
            << QDate(9999, 12, 31);
    }
    void clicks() {
        QFETCH(QDate, shown);
        QFETCH(bool, weekNumbers);
        QFETCH(QDate, target);
        QFETCH(QPoint, point);
        QFETCH(QDate, selected);
        calendar_->setDate(shown);
        calendar_->setWeekNumbers(weekNumbers);
        const QPoint at = target.isValid() ? calendar_->dayRect(target).center() : point;
        QVERIFY(calendar_->rect().contains(at));
        QVector<QDate> datesAtClick;
        connect(calendar_.get(), &TMonthCalendar::OnClick, this,
                [&] { datesAtClick.append(calendar_->Date()); });
        QTest::mouseClick(calendar_.get(), Qt::LeftButton, {}, at);
        QCOMPARE(calendar_->Date(), selected);
        QCOMPARE(datesAtClick, selected == shown ? QVector<QDate>() : QVector<QDate>{selected});
        QCOMPARE(calendar_->monthShown(), shown.month());
    }

    void disabledCalendarIgnoresClicks() {
        QSignalSpy clicks(calendar_.get(), &TMonthCalendar::OnClick);
        calendar_->setEnabled(false);
        QTest::mouseClick(calendar_.get(), Qt::LeftButton, {},
                          calendar_->dayRect(QDate(2026, 12, 17)).center());
        QCOMPARE(calendar_->Date(), QDate(2026, 12, 7));
        QCOMPARE(clicks.count(), 0);
    }

    // Keys move the selection inside the month shown and never page it, type into it or
    // raise a click; Return and Space report the selected day.
    void keys_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<bool>("activated");
        QTest::addRow("Right") << QDate(2026, 12, 7) << int(Qt::Key_Right) << QDate(2026, 12, 8)
                               << false;
        QTest::addRow("Down a week")
            << QDate(2026, 12, 7) << int(Qt::Key_Down) << QDate(2026, 12, 14) << false;
        QTest::addRow("Up out of the month stays")
            << QDate(2026, 12, 3) << int(Qt::Key_Up) << QDate(2026, 12, 3) << false;
        QTest::addRow("Right past the month's end stays")
            << QDate(2026, 12, 31) << int(Qt::Key_Right) << QDate(2026, 12, 31) << false;
        QTest::addRow("Left at 1 Jan 1601 stays")
            << QDate(1601, 1, 1) << int(Qt::Key_Left) << QDate(1601, 1, 1) << false;
        QTest::addRow("End") << QDate(2027, 2, 3) << int(Qt::Key_End) << QDate(2027, 2, 28)
                             << false;
        QTest::addRow("Home") << QDate(2027, 2, 13) << int(Qt::Key_Home) << QDate(2027, 2, 1)
                              << false;
        QTest::addRow("Page Down does not page")
            << QDate(2026, 12, 7) << int(Qt::Key_PageDown) << QDate(2026, 12, 7) << false;
        QTest::addRow("a digit opens no editor")
            << QDate(2026, 12, 7) << int(Qt::Key_5) << QDate(2026, 12, 7) << false;
        QTest::addRow("Return") << QDate(2026, 12, 9) << int(Qt::Key_Return) << QDate(2026, 12, 9)
                                << true;
        QTest::addRow("Space") << QDate(2026, 12, 9) << int(Qt::Key_Space) << QDate(2026, 12, 9)
                               << true;
    }
    void keys() {
        QFETCH(QDate, start);
        QFETCH(int, key);
        QFETCH(QDate, selected);
        QFETCH(bool, activated);
        calendar_->setDate(start);
        QSignalSpy clicks(calendar_.get(), &TMonthCalendar::OnClick);
        QSignalSpy pages(calendar_.get(), &TMonthCalendar::currentPageChanged);
        QSignalSpy activations(calendar_.get(), &TMonthCalendar::activated);
        calendar_->setFocus();
        QTest::keyClick(calendar_.get(), Qt::Key(key));
        QCOMPARE(calendar_->Date(), selected);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(pages.count(), 0);
        QCOMPARE(activations.count(), activated ? 1 : 0);
        QCOMPARE(calendar_->findChildren<QWidget*>().size(), 0);
    }

    void wheelDoesNotPage() {
        QSignalSpy pages(calendar_.get(), &TMonthCalendar::currentPageChanged);
        QWheelEvent wheel(QPointF(100, 80), calendar_->mapToGlobal(QPointF(100, 80)), {},
                          QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(calendar_.get(), &wheel);
        QCOMPARE(pages.count(), 0);
        QCOMPARE(calendar_->Date(), QDate(2026, 12, 7));
    }

    // Today's ring sits on the month's own day only; at midnight it moves to the new day.
    void todayRing_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("ringed");  // invalid: no ring anywhere
        QTest::addRow("today in its month")
            << QDate(2026, 12, 7) << QDate(2026, 12, 16) << QDate(2026, 12, 7);
        QTest::addRow("today grey in the month before")
            << QDate(2026, 12, 3) << QDate(2026, 11, 16) << QDate();
        QTest::addRow("today grey in the month after")
            << QDate(2026, 11, 30) << QDate(2026, 12, 16) << QDate();
    }
    void todayRing() {
        QFETCH(QDate, today);
        QFETCH(QDate, shown);
        QFETCH(QDate, ringed);
        platform_->setToday(today);
        calendar_->setCalColors(TMonthCalendar::TextColor, cl::Navy);
        calendar_->setDate(shown);
        const QRect todayCell = calendar_->dayRect(today);
        QVERIFY(todayCell.isValid());
        QCOMPARE(inkPixels(*calendar_, todayCell, RedInk) > 0, ringed.isValid());
        QCOMPARE(inkPixels(*calendar_, calendar_->dayRect(today.addDays(1)), RedInk), 0);
    }

    void ringMovesAtMidnight() {
        calendar_->setDate(QDate(2026, 12, 16));
        QVERIFY(inkPixels(*calendar_, calendar_->dayRect(QDate(2026, 12, 7)), RedInk) > 0);
        platform_->setToday(QDate(2026, 12, 8));
        calendar_->todayChanged();
        QTRY_COMPARE(inkPixels(*calendar_, calendar_->dayRect(QDate(2026, 12, 7)), RedInk), 0);
        QVERIFY(inkPixels(*calendar_, calendar_->dayRect(QDate(2026, 12, 8)), RedInk) > 0);
    }

    // The colours the year view writes show at once: the month's days in TextColor (weekends
    // too), the other months' days in TrailingTextColor, all on MonthBackColor, the band the
    // title covers in TitleBackColor.
    void colours_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("trailing");
        QTest::addRow("weekday of the month") << QDate(2026, 12, 16) << false;
        QTest::addRow("Saturday of the month") << QDate(2026, 12, 19) << false;
        QTest::addRow("Sunday of the month") << QDate(2026, 12, 20) << false;
        QTest::addRow("grey day before") << QDate(2026, 11, 30) << true;
        QTest::addRow("grey day after") << QDate(2027, 1, 8) << true;
    }
    void colours() {
        QFETCH(QDate, day);
        QFETCH(bool, trailing);
        calendar_->setCalColors(TMonthCalendar::TextColor, cl::Navy);
        calendar_->setCalColors(TMonthCalendar::TrailingTextColor, cl::Lime);
        calendar_->setCalColors(TMonthCalendar::MonthBackColor, cl::Silver);
        calendar_->setCalColors(TMonthCalendar::TitleBackColor, cl::Blue);
        const QRect cell = calendar_->dayRect(day);
        const QImage image = calendar_->grab().toImage();
        QCOMPARE(image.pixelColor(cell.topLeft() + QPoint(1, 1)), toQColor(cl::Silver));
        QCOMPARE(image.pixelColor(100, 2), toQColor(cl::Blue));
        QCOMPARE(inkPixels(*calendar_, cell, BlueInk) > 0, !trailing);
        QCOMPARE(inkPixels(*calendar_, cell, GreenInk) > 0, trailing);
        QCOMPARE(inkPixels(*calendar_, cell, RedInk), 0);
        calendar_->setCalColors(TMonthCalendar::TextColor, cl::Maroon);
        QCOMPARE(inkPixels(*calendar_, cell, RedInk) > 0, !trailing);
    }

    // The year view covers the top 27 pixels with its title and shows only the top 138: the
    // weekday row and all six weeks (August 2026 puts its 31st alone in the sixth) lie between.
    void sixWeeksBetweenTitleAndBottomBand_data() {
        QTest::addColumn<bool>("weekNumbers");
        QTest::addRow("days only") << false;
        QTest::addRow("week numbers") << true;
    }
    void sixWeeksBetweenTitleAndBottomBand() {
        QFETCH(bool, weekNumbers);
        calendar_->setWeekNumbers(weekNumbers);
        calendar_->setDate(QDate(2026, 8, 31));
        const MonthGrid grid = calendar_->grid();
        QCOMPARE(grid.cellOf(QDate(2026, 8, 31)) / 7, 5);
        const QRect first = calendar_->dayRect(grid.dateAt(0, 0));
        const QRect last = calendar_->dayRect(grid.dateAt(5, 6));
        QVERIFY(first.top() > 27 + 10);
        QCOMPARE(last.bottom(), 137);
        QCOMPARE(last.right(), 196);
        QCOMPARE(first.left(), weekNumbers ? 25 : 0);
    }

    // The week starts on the locale's first day: Monday 7 December 2026 stands in the first
    // column where weeks start on Monday, in the second where they start on Sunday.
    void firstDayOfWeekFromLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("column");
        QTest::addRow("English (United States), Sunday first")
            << QLocale(QLocale::English, QLocale::UnitedStates) << 1;
        QTest::addRow("English (United Kingdom), Monday first")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << 0;
        QTest::addRow("French, Monday first") << QLocale(QLocale::French, QLocale::France) << 0;
    }
    void firstDayOfWeekFromLocale() {
        QFETCH(QLocale, locale);
        QFETCH(int, column);
        calendar_->setLocale(locale);
        const QRect monday = calendar_->dayRect(QDate(2026, 12, 7));
        QCOMPARE(calendar_->dateAt(QPoint(monday.center().x(), monday.center().y())),
                 QDate(2026, 12, 7));
        QCOMPARE(calendar_->grid().cellOf(QDate(2026, 12, 7)) % 7, column);
        QCOMPARE(tableOf(*calendar_)->columnDescription(column), locale.dayName(Qt::Monday));
    }

    void hintShowsOnlyWhileShowHint() {
        calendar_->setHint(QStringLiteral("26.341"));
        QCOMPARE(calendar_->toolTip(), QString());
        calendar_->setShowHint(true);
        QCOMPARE(calendar_->toolTip(), QStringLiteral("26.341"));
        calendar_->setHint(QStringLiteral("26.342"));
        calendar_->setShowHint(false);
        QCOMPARE(calendar_->toolTip(), QString());
        QCOMPARE(calendar_->Hint(), QStringLiteral("26.342"));
    }

    // A screen reader reads the month as a table of named days.
    void accessibleNames_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("name");
        QTest::addRow("today and selected")
            << QDate(2026, 12, 7) << "Monday 7 December 2026, today, selected";
        QTest::addRow("plain day") << QDate(2026, 12, 24) << "Thursday 24 December 2026";
        QTest::addRow("grey day of the month before")
            << QDate(2026, 11, 30) << "Monday 30 November 2026";
    }
    void accessibleNames() {
        QFETCH(QDate, day);
        QFETCH(QString, name);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(calendar_.get());
        QVERIFY(table && tableOf(*calendar_));
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("December 2026"));
        QCOMPARE(table->childCount(), 42);
        QCOMPARE(cellName(*calendar_, day), name);
    }

    void accessibleTableFollowsUser() {
        QAccessibleTableInterface* table = tableOf(*calendar_);
        QCOMPARE(table->rowDescription(1), QStringLiteral("Week 50"));
        calendar_->setFocus();
        QTest::keyClick(calendar_.get(), Qt::Key_Right);
        QCOMPARE(cellName(*calendar_, QDate(2026, 12, 8)),
                 QStringLiteral("Tuesday 8 December 2026, selected"));
        QCOMPARE(table->selectedCellCount(), 1);
        QVERIFY(table->selectedCells().first()->state().selected);
        // The cell under a point is the one a click there would select.
        const QPoint at = calendar_->mapToGlobal(calendar_->dayRect(QDate(2026, 12, 24)).center());
        QAccessibleInterface* hit =
            QAccessible::queryAccessibleInterface(calendar_.get())->childAt(at.x(), at.y());
        QVERIFY(hit);
        QCOMPARE(hit->text(QAccessible::Name), QStringLiteral("Thursday 24 December 2026"));
        calendar_->setDate(QDate(2027, 1, 1));
        QCOMPARE(QAccessible::queryAccessibleInterface(calendar_.get())->text(QAccessible::Name),
                 QStringLiteral("January 2027"));
    }

private:
    std::unique_ptr<test::FakePlatform> platform_;
    std::unique_ptr<TMonthCalendar> calendar_;
};

QTEST_MAIN(TestMonthCalendar)
#include "tst_tmonthcalendar.moc"
