// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The edges of a month and of the calendar: a click on a day of the neighbouring month in
// locales whose month names begin alike, and the steps to and past the first and last dates
// the calendars can show.

#include <QTest>
#include <QToolButton>

#include "app_fixture.h"

using namespace solvane;
using namespace solvane::test;

namespace {

const QString kRefused = QStringLiteral("Failed to set calendar date or time");

void clickDate(TMonthCalendar* calendar, const QDate& date) {
    const QRect cell = calendar->dayRect(date);
    QVERIFY2(cell.isValid(), qPrintable(date.toString(Qt::ISODate)));
    QTest::mouseClick(calendar, Qt::LeftButton, {}, cell.center());
}

QStringList hints(const AppFixture& app) {
    QStringList all;
    for (int k = 1; k <= 12; ++k)
        all << app.month(k)->Hint();
    return all;
}

// What the user sees of the months: the first `count` titles and month-number boxes.
QStringList monthsShown(const AppFixture& app, int count) {
    QStringList shown;
    for (int k = 1; k <= count; ++k)
        shown << panel(*app.calendar, 2 * k - 1)->Caption() + u'|' + app.title(k);
    return shown;
}

QStringList monthsExpected(const QDate& first, int count, bool compact) {
    QStringList expected;
    for (int k = 1; k <= count; ++k) {
        const QString box = compact  ? QString()
                            : k < 10 ? QStringLiteral("%1 ").arg(k)
                                     : QString::number(k);
        expected << box + u'|' + first.addMonths(k - 1).toString(QStringLiteral("MMMM yyyy"));
    }
    return expected;
}

}  // namespace

class CalendarEdgesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void dayOfTheNeighbouringMonth_data();
    void dayOfTheNeighbouringMonth();
    void stepsToTheEndsOfTheCalendar_data();
    void stepsToTheEndsOfTheCalendar();
};

void CalendarEdgesTest::dayOfTheNeighbouringMonth_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("k");          // the calendar clicked
    QTest::addColumn<QDate>("clicked");  // a day that calendar's grid shows
    QTest::addColumn<QString>("hint");   // empty: taken as a day of another month
    const QLocale french(QLocale::French, QLocale::France);
    QTest::addRow("French: 30 juin in the juillet calendar")
        << french << 7 << QDate(2026, 6, 30) << QString();
    QTest::addRow("French: 1 juillet in the juin calendar")
        << french << 6 << QDate(2026, 7, 1) << QString();
    QTest::addRow("Czech: 30 June in the July calendar (červen, červenec)")
        << QLocale(QLocale::Czech) << 7 << QDate(2026, 6, 30) << QString();
    QTest::addRow("English: 30 June in the July calendar")
        << QLocale(QLocale::English) << 7 << QDate(2026, 6, 30) << QString();
    QTest::addRow("French: 14 juillet in its own calendar")
        << french << 7 << QDate(2026, 7, 14) << QStringLiteral("26.195");
}

// A day of the month before or after, shown in the grid's first or last row, returns the view
// to this year and sets no hint; a day of the month itself shows its ordinal date.
void CalendarEdgesTest::dayOfTheNeighbouringMonth() {
    QFETCH(QLocale, locale);
    QFETCH(int, k);
    QFETCH(QDate, clicked);
    QFETCH(QString, hint);
    AppFixture app;
    QLocale::setDefault(locale);
    app.calendar->setLocale(locale);
    app.activate();
    const QString title = app.title(k);
    QCOMPARE(title, locale.standaloneMonthName(k) + QStringLiteral(" 2026"));
    const QString caption = app.calendar->windowTitle();

    clickDate(app.month(k), clicked);

    QStringList expectedHints(12, QString());
    expectedHints[k - 1] = hint;
    QCOMPARE(hints(app), expectedHints);
    QCOMPARE(app.title(k), title);
    if (hint.isEmpty()) {
        QCOMPARE(app.month(k)->Date(), QDate(2026, k, 1));
        QCOMPARE(app.calendar->windowTitle(), caption);
        QCOMPARE(app.state().SunDisplayCountdown, 300);  // only the activation's own sun
    } else {
        QCOMPARE(app.month(k)->Date(), clicked);
        QVERIFY(app.calendar->windowTitle().endsWith(QStringLiteral("Julian: ") + hint));
    }
}

void CalendarEdgesTest::stepsToTheEndsOfTheCalendar_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("width");      // months in the compact row; 0: the full year
    QTest::addColumn<int>("year");       // typed into the year entry first; 0: none
    QTest::addColumn<QString>("steps");  // p previous, n next
    QTest::addColumn<QDate>("first");    // the first month shown afterwards
    QTest::addColumn<bool>("refused");
    const QDate now(2026, 12, 7);
    const QDate lastDay(9999, 12, 31);
    const QDate firstDay(1601, 1, 1);
    QTest::addRow("previous from 1700") << now << 0 << 1700 << "p" << QDate(1699, 1, 1) << false;
    QTest::addRow("next from 3000") << now << 0 << 3000 << "n" << QDate(3001, 1, 1) << false;
    QTest::addRow("3000 onwards to 3003")
        << now << 0 << 3000 << "nnn" << QDate(3003, 1, 1) << false;
    QTest::addRow("start on 31 December 9999")
        << lastDay << 0 << 0 << "" << QDate(9999, 1, 1) << false;
    QTest::addRow("next from 9999") << lastDay << 0 << 0 << "n" << QDate(9999, 1, 1) << true;
    QTest::addRow("previous from 1601") << firstDay << 0 << 0 << "p" << firstDay << true;
    // Three months in 9999 show October to December; the width after keeps October first.
    QTest::addRow("compact, 1 month, on to December 9999")
        << QDate(9999, 11, 15) << 1 << 0 << "nn" << QDate(9999, 12, 1) << false;
    QTest::addRow("compact, 1 month, next from December 9999")
        << lastDay << 1 << 0 << "nnn" << QDate(9999, 12, 1) << true;
    QTest::addRow("compact, 2 months, in December 9999")
        << lastDay << 2 << 0 << "" << QDate(9999, 11, 1) << false;
    QTest::addRow("compact, 2 months, next from November 9999")
        << lastDay << 2 << 0 << "n" << QDate(9999, 11, 1) << true;
    QTest::addRow("compact, 3 months, previous from January 1601")
        << firstDay << 3 << 0 << "p" << firstDay << true;
    QTest::addRow("compact, 3 months, back to 1601 and out again")
        << QDate(1601, 2, 1) << 3 << 0 << "pn" << QDate(1601, 2, 1) << false;
}

// Every date from 1 January 1601 to 31 December 9999 can be shown; only a step that would
// bring a month outside them into view is refused, and the view stays as it was.
void CalendarEdgesTest::stepsToTheEndsOfTheCalendar() {
    QFETCH(QDate, today);
    QFETCH(int, width);
    QFETCH(int, year);
    QFETCH(QString, steps);
    QFETCH(QDate, first);
    QFETCH(bool, refused);
    AppFixture app(QDateTime(today, QTime(10, 0)));
    app.activate();
    if (year)
        showYear(*app.calendar, year);
    if (width) {
        clickButton(*app.calendar, "SpeedButton8");
        for (int w = 2; w != width; w = w % 3 + 1)
            clickButton(*app.calendar, "SpeedButton7");
        QCOMPARE(app.state().CompactWidth, width);
    }
    QCOMPARE(app.platform.boxes, QVector<Box>{});
    QString yearButton;  // as the last step found it
    for (QChar step : steps) {
        yearButton = child<QToolButton>(*app.calendar, "SpeedButton10")->text();
        clickButton(*app.calendar, step == u'p' ? "SpeedButton11" : "SpeedButton9");
    }

    const int shown = width ? width : 12;
    QCOMPARE(monthsShown(app, shown), monthsExpected(first, shown, width != 0));
    for (int k = 1; k <= shown; ++k)
        QCOMPARE(app.month(k)->Date(), first.addMonths(k - 1));
    if (refused) {
        QCOMPARE(app.platform.boxes, (QVector<Box>{{Box::Error, kRefused}}));
        QCOMPARE(child<QToolButton>(*app.calendar, "SpeedButton10")->text(), yearButton);
    } else {
        QCOMPARE(app.platform.boxes, QVector<Box>{});
    }
}

QTEST_MAIN(CalendarEdgesTest)
#include "tst_calendar_edges.moc"
