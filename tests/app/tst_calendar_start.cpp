// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Creation, activation and the layout of the main window.

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include "app_fixture.h"
#include "guard.h"
#include "hint_style.h"
#include "tjpaneltexture.h"
#include "umedit.h"

using namespace solvane;
using namespace solvane::test;

class TestCalendarStart : public QObject {
    Q_OBJECT

private slots:
    void captionAfterCreation_data();
    void captionAfterCreation();
    void firstActivationDatesTheYear();
    void firstActivationRecordsPositionAndPointer();
    void activationDoesNotWriteTheCaption();
    void redating_data();
    void redating();
    void missingPrefsKeepsTheView();
    void showActivatesOnlyFromHidden();
    void geometry_data();
    void geometry();
    void stackingOrder();
    void objectNames();
    void accessibleNames_data();
    void accessibleNames();
    void stripLayoutValues();
    void hintTimings();
};

void TestCalendarStart::captionAfterCreation_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addRow("7 Dec 2026") << QDate(2026, 12, 7)
                                << "Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341"
                                << "26.341";
    QTest::addRow("19 Jun 1992") << QDate(1992, 6, 19)
                                 << "Solvane     Today:  (6) Jun 19, 1992     Julian: 92.171"
                                 << "92.171";
    QTest::addRow("1 Jan 2000") << QDate(2000, 1, 1)
                                << "Solvane     Today:  (1) Jan 01, 2000     Julian: 00.001"
                                << "00.001";
    // The mended count: February by the full year, so 1 March 1900 is day 60, not 61.
    QTest::addRow("1 Mar 1900, mended")
        << QDate(1900, 3, 1) << "Solvane     Today:  (3) Mar 01, 1900     Julian: 00.060"
        << "00.060";
}

void TestCalendarStart::captionAfterCreation() {
    QFETCH(QDate, today);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    AppFixture app(QDateTime(today, QTime(10, 0)));
    QCOMPARE(app.calendar->windowTitle(), caption);
    QCOMPARE(app.month(1)->Hint(), hint);
    QCOMPARE(child<QToolButton>(*app.calendar, "SpeedButton10")->text(),
             QString::number(today.year()));
    QVERIFY(!app.calendar->state().FirstActivated);
    // Creation leaves the calendars on their layout date.
    QCOMPARE(app.month(1)->Date(), QDate(2000, 5, 2));
    QCOMPARE(app.title(1), QStringLiteral("Date Panel"));
}

void TestCalendarStart::firstActivationDatesTheYear() {
    AppFixture app;
    app.activate();
    QVERIFY(app.calendar->state().FirstActivated);
    QCOMPARE(app.calendar->state().YearAnchor, 2026);
    const QStringList months = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(app.month(k)->Date(), QDate(2026, k, 1));
        QCOMPARE(app.title(k), months[k - 1] + QStringLiteral(" 2026"));
        QCOMPARE(panel(*app.calendar, 2 * k - 1)->Caption(),
                 k < 10 ? QStringLiteral("%1 ").arg(k) : QString::number(k));
    }
    QVERIFY(app.platform.boxes.isEmpty());
}

void TestCalendarStart::firstActivationRecordsPositionAndPointer() {
    AppFixture app;
    app.activate();
    const QPoint position = app.calendar->pos();  // where the first show centred it
    QCOMPARE(app.calendar->state().FullPos, position);
    QCOMPARE(app.platform.pointerMoves, QVector<QPoint>{app.corner() + QPoint(481, 467)});
    // Later activations leave both alone.
    app.calendar->move(position + QPoint(10, 10));
    app.activate();
    QCOMPARE(app.calendar->state().FullPos, position);
    QCOMPARE(app.platform.pointerMoves.size(), 1);
}

void TestCalendarStart::activationDoesNotWriteTheCaption() {
    AppFixture app(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    const QString caption = app.calendar->windowTitle();
    app.activate();
    app.platform.setToday(QDate(2026, 12, 8));
    app.activate();
    QCOMPARE(app.calendar->windowTitle(), caption);
}

// The months' arithmetic (leap days, clamped month ends) is the year model's table; this one
// checks that the window dates its calendars and titles as the model says.
void TestCalendarStart::redating_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QDate>("third");
    QTest::addColumn<QDate>("twelfth");
    QTest::addColumn<int>("anchor");
    QTest::addRow("KeepFirst 31 Jan 2027")
        << int(RedateMode::KeepFirst) << QDate(2027, 1, 31) << QDate(2027, 2, 28)
        << QDate(2027, 3, 31) << QDate(2027, 12, 31) << 2026;
    QTest::addRow("FromFirstYear 15 Jun 2030")
        << int(RedateMode::FromFirstYear) << QDate(2030, 6, 15) << QDate(2030, 2, 1)
        << QDate(2030, 3, 1) << QDate(2030, 12, 1) << 2030;
    QTest::addRow("FromToday from 2030")
        << int(RedateMode::FromToday) << QDate(2030, 6, 15) << QDate(2026, 2, 1)
        << QDate(2026, 3, 1) << QDate(2026, 12, 1) << 2026;
}

void TestCalendarStart::redating() {
    QFETCH(int, mode);
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QDate, third);
    QFETCH(QDate, twelfth);
    QFETCH(int, anchor);
    AppFixture app;
    app.activate();
    app.month(1)->setDate(first);
    app.calendar->redate(RedateMode(mode));
    QCOMPARE(app.month(2)->Date(), second);
    QCOMPARE(app.month(3)->Date(), third);
    QCOMPARE(app.month(12)->Date(), twelfth);
    QCOMPARE(app.title(2), second.toString(QStringLiteral("MMMM yyyy")));
    QCOMPARE(app.calendar->state().YearAnchor, anchor);
    QCOMPARE(app.calendar->state().RedateMode, RedateMode::FromToday);
}

void TestCalendarStart::missingPrefsKeepsTheView() {
    AppFixture app(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), QStringList());
    guarded([&] { app.calendar->redate(RedateMode::KeepFirst); });
    const QVector<Box> expected{
        {Box::Error, QStringLiteral("Cannot open file ") + app.platform.prefsPath()}};
    QCOMPARE(app.platform.boxes, expected);
    QVERIFY(app.calendar->state().FirstActivated);
    QCOMPARE(app.calendar->state().RedateMode, RedateMode::KeepFirst);
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(app.month(k)->Date(), QDate(2000, 5, 2));
        QCOMPARE(app.title(k), QStringLiteral("Date Panel"));
    }
    // Once the file is there, the next activation dates the view.
    app.platform.writePrefs(defaultPrefs());
    app.calendar->redate(RedateMode::FromToday);
    QCOMPARE(app.title(12), QStringLiteral("December 2026"));
}

void TestCalendarStart::showActivatesOnlyFromHidden() {
    AppFixture app;
    app.calendar->show();
    QTRY_VERIFY(app.calendar->state().FirstActivated);
    QCOMPARE(app.title(1), QStringLiteral("January 2026"));

    // Moved to another year, then hidden and shown again: dated from today.
    showYear(*app.calendar, 2030);
    QCOMPARE(app.title(1), QStringLiteral("January 2030"));
    app.calendar->hide();
    app.calendar->show();
    QTRY_COMPARE(app.title(1), QStringLiteral("January 2026"));

    // A show after a change of the window's flags keeps the view.
    showYear(*app.calendar, 2030);
    clickButton(*app.calendar, "SpeedButton1");  // always on top: new window flags
    QTest::qWait(20);
    QCOMPARE(app.title(1), QStringLiteral("January 2030"));
}

void TestCalendarStart::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addRow("MonthCalendar7") << "MonthCalendar7" << QRect(398, 143, 197, 153);
    QTest::addRow("month-number box 1") << "Panel1" << QRect(2, 4, 28, 23);
    QTest::addRow("arrow cover 14") << "Panel14" << QRect(398 + 163, 147, 33, 23);
    QTest::addRow("Date Panel 34") << "Panel34" << QRect(40, 150, 112, 16);
    QTest::addRow("Date Panel 36, moved left") << "Panel36" << QRect(431, 150, 112, 16);
    QTest::addRow("Date Panel 37, moved left") << "Panel37" << QRect(630, 150, 112, 16);
    QTest::addRow("Panel0") << "Panel0" << QRect(-3, 138, 800, 5);
    QTest::addRow("Panel27") << "Panel27" << QRect(0, 424, 794, 17);
    QTest::addRow("Panel28") << "Panel28" << QRect(-1, 428, 795, 25);
    QTest::addRow("year entry centred") << "Panel25" << QRect(323, 215, 155, 54);
    QTest::addRow("JPanelTexture1") << "JPanelTexture1" << QRect(0, 1, 794, 23);
    QTest::addRow("Moon1 above the strip") << "Moon1" << QRect(158, -29, 20, 19);
    QTest::addRow("SpeedButton11") << "SpeedButton11" << QRect(236, 2, 25, 19);
    QTest::addRow("SpeedButton10") << "SpeedButton10" << QRect(265, 2, 75, 19);
    QTest::addRow("SpeedButton6") << "SpeedButton6" << QRect(412, 2, 25, 19);
    QTest::addRow("SpeedButton3") << "SpeedButton3" << QRect(446, 2, 48, 19);
    QTest::addRow("SpeedButton5") << "SpeedButton5" << QRect(639, 2, 29, 19);
    QTest::addRow("SpeedButton2") << "SpeedButton2" << QRect(732, 2, 29, 19);
}

void TestCalendarStart::geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    AppFixture app;
    app.activate();
    openYearEntry(*app.calendar);  // the box is made when first opened
    const auto* widget = app.calendar->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), rect);
    QCOMPARE(app.calendar->size(), QSize(794, 453));
    QCOMPARE(app.calendar->minimumSize(), app.calendar->maximumSize());
}

void TestCalendarStart::stackingOrder() {
    // Later in the list means drawn over: each row's covers over its calendars, the next row
    // over the bottom of the one before, the strip and year entry box over all months, and the
    // Date Panels over everything.
    AppFixture app;
    app.activate();
    openYearEntry(*app.calendar);
    QStringList expected;
    for (int row = 0; row < 3; ++row) {
        for (int k = row * 4 + 1; k <= row * 4 + 4; ++k)
            expected << QStringLiteral("MonthCalendar%1").arg(k);
        for (int n = row * 8 + 1; n <= row * 8 + 8; ++n)
            expected << QStringLiteral("Panel%1").arg(n);
    }
    for (int n : {0, 26, 27, 28, 25})
        expected << QStringLiteral("Panel%1").arg(n);
    for (int n = 30; n <= 41; ++n)
        expected << QStringLiteral("Panel%1").arg(n);
    QStringList actual;
    for (const QObject* child : app.calendar->children())
        if (child->isWidgetType() && !child->objectName().isEmpty())
            actual << child->objectName();
    actual.removeIf([&](const QString& name) { return !expected.contains(name); });
    QCOMPARE(actual, expected);
}

void TestCalendarStart::objectNames() {
    AppFixture app;
    app.activate();
    openYearEntry(*app.calendar);
    QStringList names = {"JPanelTexture1", "Image1",        "Image2",     "Image3",
                         "Label1",         "Label3",        "Label4",     "Moon1",
                         "umNumberEdit1",  "SpeedButton54", "PopupMenu1", "Tray1",
                         "RxTrayIcon1",    "Timer1"};
    for (int k = 1; k <= 12; ++k)
        names << QStringLiteral("MonthCalendar%1").arg(k);
    for (int n = 0; n <= 41; ++n)
        names << QStringLiteral("Panel%1").arg(n);
    for (int n = 1; n <= 11; ++n)
        names << QStringLiteral("SpeedButton%1").arg(n);
    for (const QString& name : names)
        QVERIFY2(app.calendar->findChild<QObject*>(name), qPrintable(name));
    QCOMPARE(child<QTimer>(*app.calendar, "Timer1")->interval(), 10);
    QCOMPARE(child<QAction>(*app.calendar, "Tray1")->text(), QStringLiteral("Tray"));
}

void TestCalendarStart::accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("hint");
    const auto row = [](const char* name, const char* spoken, const char* hint) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << QString::fromLatin1(spoken)
                                  << QString::fromLatin1(hint);
    };
    // Each strip button's hint names its key.
    row("SpeedButton11", "Previous year", "Previous year (PgUp)");
    row("SpeedButton10", "Current year", "Current year (Home)");
    row("SpeedButton6", "Enter a year", "Enter a year (Alt+Y)");
    row("SpeedButton3", "Exit", "Exit (Ctrl+Q)");
    row("SpeedButton5", "Week numbers", "Display week number (Alt+N)");
    row("SpeedButton1", "Always on top", "Always on top (Alt+T)");
    row("SpeedButton2", "Tray", "Tray (Alt+H)");
    row("Label3", "", "Sunrise");  // read as "Sunrise" and its time: tst_accessibility
    row("Image3", "Moon phase", "Moon phase");
    row("umNumberEdit1", "Year", "");
    row("Panel30", "January 2026", "");  // as the first activation dates it
}

void TestCalendarStart::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QString, hint);
    AppFixture app;
    app.activate();
    openYearEntry(*app.calendar);
    const auto* widget = app.calendar->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleName(), accessibleName);
    QCOMPARE(widget->accessibleDescription(), hint);
    // Strip hints show only once the hints option is on.
    QCOMPARE(widget->toolTip(), QString());
}

void TestCalendarStart::stripLayoutValues() {
    AppFixture app;
    TCalendar& c = *app.calendar;
    QCOMPARE(child<QLabel>(c, "Label3")->text(), QStringLiteral("0:00A"));
    QCOMPARE(child<QLabel>(c, "Label4")->text(), QStringLiteral("0:00P"));
    QCOMPARE(child<QLabel>(c, "Label3")->palette().color(QPalette::WindowText), toQColor(cl::Navy));
    QVERIFY(!child<QToolButton>(c, "SpeedButton7")->isVisibleTo(&c));
    for (int k = 1; k <= 12; ++k)
        QVERIFY(monthCalendar(c, k)->ShowHint());
    app.activate();
    QVERIFY(!c.findChild<QWidget*>(QStringLiteral("Panel25")));  // made when first opened
    openYearEntry(c);
    QVERIFY(panel(c, 25)->isVisibleTo(&c));
    QCOMPARE(child<TumNumberEdit>(c, "umNumberEdit1")->text(), QStringLiteral("0"));
}

void TestCalendarStart::hintTimings() {
    AppFixture app;
    installHintTimings(*qApp);
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), kHintDelayMs);
    app.calendar->show();
    QTRY_VERIFY(app.calendar->state().FirstActivated);
    // A hint over a day of the grid is the calendar's own.
    TMonthCalendar* month = app.month(1);
    const QPoint at = month->dayRect(QDate(2026, 1, 15)).center();
    QHelpEvent help(QEvent::ToolTip, at, month->mapToGlobal(at));
    QApplication::sendEvent(month, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("26.341"));
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), kHintShownMs + kHangCheckMs);
}

QTEST_MAIN(TestCalendarStart)
#include "tst_calendar_start.moc"
