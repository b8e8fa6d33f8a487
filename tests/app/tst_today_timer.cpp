// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The 10 ms timer, driven tick by tick: today's sun times coming back, the year laid out
// again when a month shows today, and the timer sleeping whenever a tick could change nothing.

#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "app_fixture.h"

using namespace solvane;
using namespace solvane::test;

namespace {

QStringList newYorkPrefs() {
    return placePrefs(QStringLiteral("00"), QStringLiteral("W\u00b073.99"),
                      QStringLiteral("N\u00b040.75"), QStringLiteral("-5"));
}

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

void tick(TCalendar& calendar, int times) {
    for (int i = 0; i < times; ++i)
        calendar.Timer1Timer();
}

// What the event loop does before it waits for the next event.
void idle() {
    emit QAbstractEventDispatcher::instance()->aboutToBlock();
}

QStringList titles(const AppFixture& app) {
    QStringList all;
    for (int k = 1; k <= 12; ++k)
        all << app.title(k);
    return all;
}

QStringList yearTitles(int year) {
    QStringList all;
    for (int m = 1; m <= 12; ++m)
        all << QLocale().standaloneMonthName(m) + QLatin1Char(' ') + QString::number(year);
    return all;
}

// The red of today's ring on the screen, in the cell of `day` where a month shows it as its own.
int ringPixelsOnScreen(const AppFixture& app, const QDate& day) {
    const QImage screen = app.calendar->screen()->grabWindow(app.calendar->winId()).toImage();
    int count = 0;
    for (int k = 1; k <= 12; ++k) {
        TMonthCalendar* month = app.month(k);
        if (month->isHidden() || month->yearShown() != day.year() ||
            month->monthShown() != day.month())
            continue;
        const QRect cell =
            month->dayRect(day).translated(month->mapTo(app.calendar.get(), QPoint())) &
            screen.rect();
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = screen.pixelColor(x, y);
                count += c.red() - qMax(c.green(), c.blue()) > 40;
            }
        }
    }
    return count;
}

QString caption(const AppFixture& app) {
    return app.calendar->windowTitle();
}

QString yearButton(const AppFixture& app) {
    return child<QToolButton>(*app.calendar, "SpeedButton10")->text();
}

// Starts the program a tenth of a second before midnight, so that its own check of the date
// comes within the test's patience.
QDateTime lastTenthBefore(const QDate& day) {
    return QDateTime(day.addDays(-1), QTime(23, 59, 59, 900));
}

}  // namespace

class TodayTimerTest : public QObject {
    Q_OBJECT

private slots:
    void sunTimesComeBackAfter300Ticks_data() {
        QTest::addColumn<QDate>("clicked");
        QTest::addRow("after start") << QDate();
        QTest::addRow("after a click on 15 June") << QDate(2026, 6, 15);
    }
    void sunTimesComeBackAfter300Ticks() {
        QFETCH(QDate, clicked);
        AppFixture app(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), newYorkPrefs());
        TCalendar& c = *app.calendar;
        app.activate();
        const QString todaysSunrise = child<QLabel>(c, "Label3")->text();
        if (clicked.isValid()) {
            clickDay(app.month(6), clicked.day());
            QVERIFY(child<QLabel>(c, "Label3")->text() != todaysSunrise);
        }
        QCOMPARE(textColour(child<QLabel>(c, "Label3")), toQColor(cl::Maroon));
        tick(c, 299);
        QCOMPARE(c.state().SunDisplayCountdown, 1);
        QCOMPARE(textColour(child<QLabel>(c, "Label4")), toQColor(cl::Maroon));
        tick(c, 1);  // the 300th tick brings today back
        QCOMPARE(c.state().SunDisplayCountdown, -1);
        QCOMPARE(child<QLabel>(c, "Label3")->text(), todaysSunrise);
        QCOMPARE(textColour(child<QLabel>(c, "Label3")), toQColor(cl::Navy));
        QCOMPARE(textColour(child<QLabel>(c, "Label4")), toQColor(cl::Navy));
    }

    void selectingTodayLaysTheYearOut_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("afterPrevious");
        QTest::addRow("in January's calendar") << 1 << false;
        QTest::addRow("in May's calendar") << 5 << false;
        QTest::addRow("in December's calendar") << 12 << false;
        QTest::addRow("while 2025 is shown: back to 2026") << 3 << true;
    }
    void selectingTodayLaysTheYearOut() {
        QFETCH(int, month);
        QFETCH(bool, afterPrevious);
        AppFixture app;
        TCalendar& c = *app.calendar;
        app.activate();
        if (afterPrevious)
            child<QToolButton>(c, "SpeedButton11")->click();
        tick(c, 301);
        app.month(2)->setHint(QStringLiteral("26.040"));
        app.month(month)->setDate(QDate(2026, 12, 7));
        QVERIFY(child<QTimer>(c, "Timer1")->isActive());
        tick(c, 1);
        for (int k = 1; k <= 12; ++k) {
            QCOMPARE(app.month(k)->Date(), QDate(2026, k, 1));
            QCOMPARE(app.month(k)->Hint(), QString());
        }
        QCOMPARE(titles(app), yearTitles(2026));
    }

    void timerSleepsWhenNoTickCanChangeAnything() {
        AppFixture app;
        TCalendar& c = *app.calendar;
        app.activate();
        QVERIFY(child<QTimer>(c, "Timer1")->isActive());  // the load's sun times count down
        tick(c, 299);
        QVERIFY(child<QTimer>(c, "Timer1")->isActive());
        tick(c, 1);
        QVERIFY(!child<QTimer>(c, "Timer1")->isActive());

        clickDay(app.month(3), 1);  // a day click shows that day's sun times
        QVERIFY(child<QTimer>(c, "Timer1")->isActive());
        tick(c, 300);
        QVERIFY(!child<QTimer>(c, "Timer1")->isActive());

        // A caption changed behind the timer's back is put right on the next tick.
        panel(c, 30)->setCaption(QStringLiteral("Date Panel"));
        idle();
        QVERIFY(child<QTimer>(c, "Timer1")->isActive());
        tick(c, 1);
        QCOMPARE(app.title(1), QStringLiteral("January 2026"));
        QVERIFY(!child<QTimer>(c, "Timer1")->isActive());
    }

    void firstOfMonthClearsHintsWithinOneTick() {
        // December's calendar holds today after every layout: each tick lays the year out
        // again, which changes nothing until a hint is set.
        AppFixture app(QDateTime(QDate(2026, 12, 1), QTime(10, 0)));
        TCalendar& c = *app.calendar;
        app.activate();
        tick(c, 301);
        QVERIFY(!child<QTimer>(c, "Timer1")->isActive());
        app.month(4)->setHint(QStringLiteral("26.091"));
        idle();
        QVERIFY(child<QTimer>(c, "Timer1")->isActive());
        tick(c, 1);
        QCOMPARE(app.month(4)->Hint(), QString());
        QVERIFY(!child<QTimer>(c, "Timer1")->isActive());
    }

    void layingOutTheSameYearRepaintsNothing() {
        AppFixture app(QDateTime(QDate(2026, 12, 1), QTime(10, 0)));
        TCalendar& c = *app.calendar;
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        QTRY_VERIFY(c.state().FirstActivated);
        child<QTimer>(c, "Timer1")->stop();
        tick(c, 302);
        QTest::qWait(50);  // let the first repaints through
        int paints = 0;
        struct PaintCounter : QObject {
            int* count;
            explicit PaintCounter(int* c) : count(c) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint)
                    ++*count;
                return false;
            }
        } counter(&paints);
        for (QWidget* w : c.findChildren<QWidget*>())
            w->installEventFilter(&counter);
        tick(c, 5);
        QTest::qWait(50);
        QCOMPARE(paints, 0);
    }

    void midnightWakesTheTimer() {
        // 15 June was clicked on the last evening of November; no month holds 30 November.
        AppFixture app(QDateTime(QDate(2026, 11, 30), QTime(23, 59, 59, 900)));
        TCalendar& c = *app.calendar;
        app.activate();
        clickDay(app.month(6), 15);
        tick(c, 301);
        QVERIFY(!child<QTimer>(c, "Timer1")->isActive());
        QVERIFY(child<QTimer>(c, "MidnightTimer")->isActive());
        QVERIFY(child<QTimer>(c, "MidnightTimer")->remainingTime() <= 100);
        QCOMPARE(app.month(6)->Hint(), QStringLiteral("26.166"));
        // Midnight: December's calendar now holds today, and the next tick clears the hint.
        app.platform.setNow(QDateTime(QDate(2026, 12, 1), QTime(0, 0, 0, 50)));
        QTRY_COMPARE(app.month(6)->Hint(), QString());
        QTRY_VERIFY(!child<QTimer>(c, "Timer1")->isActive());
        QVERIFY(child<QTimer>(c, "MidnightTimer")->isActive());  // at the latest a minute later
        QVERIFY(child<QTimer>(c, "MidnightTimer")->remainingTime() <= 60'000);
    }

    // Previous and next step the compact row a month at a time on the 1st of a month as on
    // any other day: the hidden months that hold today do not pull the row back to January.
    void compactRowStepsOnTheFirstOfAMonth_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("steps");  // presses of Next, or of Previous when negative
        QTest::addColumn<QStringList>("row");
        QTest::addRow("entering on 1 December")
            << QDate(2026, 12, 1) << 0
            << QStringList{QStringLiteral("December 2026"), QStringLiteral("January 2027")};
        QTest::addRow("Next three times from 1 March")
            << QDate(2026, 3, 1) << 3
            << QStringList{QStringLiteral("June 2026"), QStringLiteral("July 2026")};
        QTest::addRow("Previous from 1 June")
            << QDate(2026, 6, 1) << -1
            << QStringList{QStringLiteral("May 2026"), QStringLiteral("June 2026")};
    }
    void compactRowStepsOnTheFirstOfAMonth() {
        QFETCH(QDate, today);
        QFETCH(int, steps);
        QFETCH(QStringList, row);
        AppFixture app(QDateTime(today, QTime(10, 0)));
        TCalendar& c = *app.calendar;
        app.activate();
        clickButton(c, "SpeedButton8");
        tick(c, 1);
        for (int i = 0; i < qAbs(steps); ++i) {
            clickButton(c, steps > 0 ? "SpeedButton9" : "SpeedButton11");
            tick(c, 1);
        }
        tick(c, 300);
        QCOMPARE((QStringList{app.title(1), app.title(2)}), row);
    }

    // Within a second of midnight, with no click, "Today:" in the caption, the year button
    // and today's ring show the new day and year.
    void midnightShowsTheNewDay_data() {
        QTest::addColumn<QDate>("newDay");
        QTest::addColumn<bool>("compact");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("yearButton");
        QTest::addColumn<bool>("newDayInView");
        QTest::addRow("an ordinary night")
            << QDate(2026, 6, 15) << false
            << QStringLiteral("Solvane     Today:  (6) Jun 15, 2026     Julian: 26.165")
            << QStringLiteral("2026") << true;
        QTest::addRow("New Year") << QDate(2027, 1, 1) << false
                                  << QStringLiteral(
                                         "Solvane     Today:  (1) Jan 01, 2027     Julian: 26.365")
                                  << QStringLiteral("2027") << false;
        QTest::addRow("New Year in compact mode")
            << QDate(2027, 1, 1) << true
            << QStringLiteral("Solvane     Today:  (1) Jan 01, 2027     Julian: 26.365")
            << QStringLiteral("Jan 2027") << true;
    }
    void midnightShowsTheNewDay() {
        QFETCH(QDate, newDay);
        QFETCH(bool, compact);
        QFETCH(QString, caption);
        QFETCH(QString, yearButton);
        QFETCH(bool, newDayInView);
        AppFixture app(lastTenthBefore(newDay));
        app.activate();
        QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
        if (compact)
            clickButton(*app.calendar, "SpeedButton8");
        const QDate oldDay = newDay.addDays(-1);
        QTRY_VERIFY(ringPixelsOnScreen(app, oldDay) > 0);
        app.platform.setNow(QDateTime(newDay, QTime(0, 0, 0, 50)));
        QTRY_COMPARE_WITH_TIMEOUT(::caption(app), caption, kHangCheckMs);
        QCOMPARE(::yearButton(app), yearButton);
        QTRY_COMPARE_WITH_TIMEOUT(ringPixelsOnScreen(app, oldDay), 0, kHangCheckMs);
        QCOMPARE(ringPixelsOnScreen(app, newDay) > 0, newDayInView);
    }

    // Once the clock has run across New Year, Previous and Next step from a 1st of a month as
    // they do on the day the program started, instead of snapping back to the start's year.
    void steppingAfterNewYear_data() {
        QTest::addColumn<QDate>("newDay");
        QTest::addColumn<int>("nexts");
        QTest::addColumn<int>("year");
        QTest::addRow("New Year's Day, Next") << QDate(2027, 1, 1) << 1 << 2027;
        QTest::addRow("1 March after a sleep over New Year, Next twice")
            << QDate(2027, 3, 1) << 2 << 2028;
    }
    void steppingAfterNewYear() {
        QFETCH(QDate, newDay);
        QFETCH(int, nexts);
        QFETCH(int, year);
        AppFixture app(lastTenthBefore(QDate(2027, 1, 1)));
        TCalendar& c = *app.calendar;
        app.activate();
        app.platform.setNow(QDateTime(newDay, QTime(0, 0, 0, 50)));
        QTRY_VERIFY_WITH_TIMEOUT(
            ::caption(app).contains(newDay.toString(QStringLiteral("(M) MMM dd, yyyy"))),
            kHangCheckMs);
        for (int i = 0; i < nexts; ++i) {
            clickButton(c, "SpeedButton9");
            tick(c, 1);
        }
        QCOMPARE(titles(app), yearTitles(year));
    }
};

QTEST_MAIN(TodayTimerTest)
#include "tst_today_timer.moc"
