// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The notification-area icon as a user meets it: the left click, the menu, the hint, and a
// notification area that goes away while the window is hidden in it.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>

#include "app_fixture.h"
#include "pictures.h"
#include "system_zone_for_test.h"

using namespace solvane;
using namespace solvane::test;

namespace {

enum class Window { Hidden, Covered, InFront };

struct TrayApp : AppFixture {
    explicit TrayApp(const QStringList& prefs = defaultPrefs(),
                     const QDateTime& now = QDateTime(QDate(2026, 12, 7), QTime(10, 0)))
        : AppFixture(now, prefs) {
        calendar->trayAvailable = [this] { return trayAvailable; };
        calendar->showModally = [this](QDialog& dialog) { modalDialogs << &dialog; };
        calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(calendar.get()));
        QTRY_VERIFY(calendar->state().FirstActivated);
    }
    void put(Window state) {
        if (state == Window::Hidden) {
            clickButton(*calendar, "SpeedButton2");
            return;
        }
        QWidget* front = state == Window::Covered ? &cover : calendar.get();
        cover.setVisible(state == Window::Covered);
        front->activateWindow();
        QTRY_VERIFY(front->isActiveWindow());
        // Well before the click: a window that lost the front just then lost it to the click.
        QTest::qWait(500);
    }
    QSystemTrayIcon* icon() const {
        return child<QSystemTrayIcon>(*calendar, QStringLiteral("RxTrayIcon1"));
    }
    QMenu* menu() const { return child<QMenu>(*calendar, QStringLiteral("TrayMenu")); }

    bool trayAvailable = true;
    QList<QDialog*> modalDialogs;
    QWidget cover;
};

}  // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void leftClickHidesAWindowInFrontAndBringsAnyOtherForward_data() {
        QTest::addColumn<Window>("before");
        QTest::addColumn<bool>("shownAfter");
        QTest::addRow("hidden in the tray") << Window::Hidden << true;
        QTest::addRow("covered by another window") << Window::Covered << true;
        QTest::addRow("in front") << Window::InFront << false;
    }
    void leftClickHidesAWindowInFrontAndBringsAnyOtherForward() {
        QFETCH(Window, before);
        QFETCH(bool, shownAfter);
        TrayApp app;
        app.put(before);
        app.clickTrayIcon();
        QCOMPARE(app.calendar->isVisible(), shownAfter);
        if (shownAfter)
            QTRY_VERIFY(app.calendar->windowHandle()->isActive());
        QVERIFY(app.platform.boxes.isEmpty());
    }

    void menuOffersShowHideParametersAndExit_data() {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<bool>("hiddenBefore");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shownAfter");
        QTest::addColumn<bool>("parametersOpened");
        QTest::addRow("Show") << QByteArray("TrayShowHide") << true << "Show" << true << false;
        QTest::addRow("Hide") << QByteArray("TrayShowHide") << false << "Hide" << false << false;
        QTest::addRow("Parameters from hidden")
            << QByteArray("TrayParameters") << true << "Parameters" << true << true;
        QTest::addRow("Exit") << QByteArray("TrayExit") << false << "Exit" << false << false;
    }
    void menuOffersShowHideParametersAndExit() {
        QFETCH(QByteArray, item);
        QFETCH(bool, hiddenBefore);
        QFETCH(QString, text);
        QFETCH(bool, shownAfter);
        QFETCH(bool, parametersOpened);
        TrayApp app;
        QCOMPARE(app.icon()->contextMenu(), app.menu());
        if (hiddenBefore)
            app.put(Window::Hidden);
        emit app.menu()->aboutToShow();
        auto* action = child<QAction>(*app.menu(), QLatin1String(item));
        QCOMPARE(action->text(), text);
        action->trigger();
        QCOMPARE(app.calendar->isVisible(), shownAfter);
        QCOMPARE(!app.modalDialogs.isEmpty(), parametersOpened);
    }

    void hintShowsTodayWithItsSunriseAndSunsetAndFollowsMidnight() {
        TrayApp app(placePrefs(QStringLiteral("00"), QStringLiteral("74.00"),
                               QStringLiteral("40.71"), QStringLiteral("-5")),
                    QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 800)));
        const auto sunLine = [&] {
            return QStringLiteral("Sunrise %1, sunset %2")
                .arg(labelText(*app.calendar, "Label3"), labelText(*app.calendar, "Label4"));
        };
        // At start the strip shows today's times, as the hint does.
        QTRY_COMPARE(app.icon()->toolTip(),
                     QStringLiteral("Solvane\nMonday, December 7, 2026\n") + sunLine());
        QVERIFY(sunLine().contains(QLatin1String("7:")));

        app.platform.setNow(QDateTime(QDate(2026, 12, 8), QTime(0, 0, 0, 50)));
        QTRY_VERIFY(app.icon()->toolTip().startsWith(
            QStringLiteral("Solvane\nTuesday, December 8, 2026\nSunrise ")));
    }

    // The icon the notification area shows is the program's picture, not an empty one.
    void iconShowsTheProgramsPicture() {
        TrayApp app;
        QTRY_VERIFY(!app.icon()->icon().isNull());
        for (const int size : {16, 22, 32}) {
            QCOMPARE(app.icon()->icon().pixmap(size).toImage(),
                     windowIcon().pixmap(size).toImage());
        }
    }

    // The hint's times are the strip's, on the system zone's clock where the strip follows it.
    void hintEqualsTheStripOnTheSystemZonesClock_data() {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("sunLine");
        QTest::addRow("zone switch on: daylight saving") << "001"
                                                         << "Sunrise 5:29A, sunset 8:31P";
        QTest::addRow("zone switch off: the fixed offset") << "000"
                                                           << "Sunrise 4:29A, sunset 7:31P";
    }
    void hintEqualsTheStripOnTheSystemZonesClock() {
        QFETCH(QString, flags);
        QFETCH(QString, sunLine);
        if (!SystemZoneForTest::zoneDataInstalled())
            QSKIP("tzdata is not installed");
        const SystemZoneForTest newYorkZone(QStringLiteral("America/New_York"));
        TrayApp app(placePrefs(flags, QStringLiteral("W\u00b073.99"),
                               QStringLiteral("N\u00b040.75"), QStringLiteral("-5")),
                    QDateTime(QDate(2026, 7, 1), QTime(10, 0)));
        const QString strip =
            QStringLiteral("Sunrise %1, sunset %2")
                .arg(labelText(*app.calendar, "Label3"), labelText(*app.calendar, "Label4"));
        QCOMPARE(strip, sunLine);
        QTRY_COMPARE(app.icon()->toolTip(),
                     QStringLiteral("Solvane\nWednesday, July 1, 2026\n") + sunLine);
    }

    void windowHiddenInTheTrayReturnsWhenTheNotificationAreaGoes_data() {
        QTest::addColumn<bool>("closedFirst");
        QTest::addRow("hidden in the tray") << false;
        QTest::addRow("closed by Exit") << true;
    }
    void windowHiddenInTheTrayReturnsWhenTheNotificationAreaGoes() {
        QFETCH(bool, closedFirst);
        TrayApp app;
        app.put(Window::Hidden);
        if (closedFirst) {
            app.clickTrayIcon();
            clickButton(*app.calendar, "SpeedButton3");
        }
        QTest::qWait(300);
        QVERIFY(!app.calendar->isVisible());  // the host is still there
        app.trayAvailable = false;
        if (closedFirst) {
            QTest::qWait(600);
            QVERIFY(!app.calendar->isVisible());  // an ended program stays ended
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(app.calendar->isVisible(), kHangCheckMs);
        }
        // The host comes back: hiding works again.
        app.trayAvailable = true;
        app.calendar->bringToFront();
        clickButton(*app.calendar, "SpeedButton2");
        QVERIFY(!app.calendar->isVisible());
        QVERIFY(app.platform.boxes.isEmpty());
    }
};

QTEST_MAIN(TrayIconTest)
#include "tst_tray_icon.moc"
