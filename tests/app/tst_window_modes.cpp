// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The strip's mode buttons: always on top, the notification area, week numbers, the
// Parameters dialog and exit.

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include "app_fixture.h"

using namespace solvane;
using namespace solvane::test;

namespace {

// A shown window with its first activation done, showing 2025 so that a stray activation,
// which would date the view from today, shows.
struct ShownApp : AppFixture {
    ShownApp() {
        calendar->trayAvailable = [this] { return trayAvailable; };
        calendar->showModally = [this](QDialog& dialog) { modalDialogs << &dialog; };
        calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(calendar.get()));
        QTRY_VERIFY(calendar->state().FirstActivated);
        child<QToolButton>(*calendar, "SpeedButton11")->click();
        monthCalendar(*calendar, 4)->setHint(QStringLiteral("25.091"));
    }
    TCalendar& c = *calendar;
    bool trayAvailable = true;
    QList<QDialog*> modalDialogs;
};

// A click where the window system delivers it: a right click there opens context menus, and
// an open popup takes the next click wherever it lands.
void clickThroughWindow(QWidget* target, Qt::MouseButton button) {
    QWidget* window = target->window();
    QTest::mouseClick(window->windowHandle(), button, {},
                      target->mapTo(window, target->rect().center()));
}

}  // namespace

class WindowModesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void alwaysOnTopAlternates() {
        ShownApp app;
        const QPoint where = app.c.pos();
        for (bool onTop : {true, false}) {
            child<QToolButton>(app.c, "SpeedButton1")->click();
            QCOMPARE(app.c.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QVERIFY(app.c.isVisible());
            QCOMPARE(app.c.pos(), where);
            QCOMPARE(app.c.focusWidget(), panel(app.c, 1));
            QCOMPARE(app.month(4)->Hint(), QString());
        }
        QTest::qWait(20);
        QCOMPARE(app.title(1), QStringLiteral("January 2025"));  // no activation on re-show
    }

    void weekNumbersAlternate() {
        ShownApp app;
        for (int shown : {1, 0}) {
            child<QToolButton>(app.c, "SpeedButton5")->click();
            QCOMPARE(app.c.state().WeekNumbersShown, shown);
            for (int k = 1; k <= 12; ++k)
                QCOMPARE(app.month(k)->WeekNumbers(), shown == 1);
        }
    }

    void trayHidesAndTheIconBringsTheWindowBackUnchanged_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addRow("tray button") << false;
        QTest::addRow("Tray menu item") << true;
    }
    void trayHidesAndTheIconBringsTheWindowBackUnchanged() {
        QFETCH(bool, fromMenu);
        ShownApp app;
        QVERIFY(child<QSystemTrayIcon>(app.c, "RxTrayIcon1")->isVisible());
        fromMenu ? child<QAction>(app.c, "Tray1")->trigger()
                 : child<QToolButton>(app.c, "SpeedButton2")->click();
        QVERIFY(!app.c.isVisible());
        // The menu item keeps the hints; the button clears them.
        QCOMPARE(app.month(4)->Hint(), fromMenu ? QStringLiteral("25.091") : QString());
        QVERIFY(child<QSystemTrayIcon>(app.c, "RxTrayIcon1")->isVisible());
        app.clickTrayIcon();
        QVERIFY(app.c.isVisible());
        QTest::qWait(20);
        QCOMPARE(app.title(1), QStringLiteral("January 2025"));
        QVERIFY(app.platform.boxes.isEmpty());
    }

    void hiddenInTheTrayTheProgramOutlivesItsMessageBoxes() {
        // A box closed while the window is hidden is the last window closed; only closing the
        // year view may end the program.
        QApplication::setQuitOnLastWindowClosed(true);
        ShownApp app;
        child<QToolButton>(app.c, "SpeedButton2")->click();
        bool ranOn = false;
        QTimer::singleShot(0, [] {
            QMessageBox box(QMessageBox::Information, QString(), QStringLiteral("No sunrise"));
            QTimer::singleShot(0, &box, &QDialog::accept);
            box.exec();
        });
        QTimer::singleShot(200, &app.c, [&] {
            ranOn = true;
            app.clickTrayIcon();
            child<QToolButton>(app.c, "SpeedButton3")->click();
        });
        // Should the close not end the program, this does, and the test fails.
        bool endedByTheTest = false;
        QTimer::singleShot(5000, qApp, [&] {
            endedByTheTest = true;
            QCoreApplication::quit();
        });
        QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY2(ranOn, "the program ended while the window was hidden");
        QVERIFY2(!endedByTheTest, "closing the year view did not end the program");
        QVERIFY(!app.c.isVisible());
    }

    // The width button's right-click menu holds one item, "Tray", shown only with one month:
    // with two or three there is nothing to open, and the next click must reach its button.
    void widthButtonMenu_data() {
        QTest::addColumn<QList<int>>("widths");  // right-clicked at each, in this order
        QTest::addRow("1 month: Tray") << QList<int>{1};
        QTest::addRow("2 months: no menu") << QList<int>{2};
        QTest::addRow("3 months: no menu") << QList<int>{3};
        QTest::addRow("1 month after 2 and 3") << QList<int>{2, 3, 1};
    }
    void widthButtonMenu() {
        QFETCH(QList<int>, widths);
        ShownApp app;
        auto* widthButton = child<QToolButton>(app.c, "SpeedButton7");
        child<QToolButton>(app.c, "SpeedButton8")->click();
        for (int width : widths) {
            while (app.c.state().CompactWidth != width)
                clickThroughWindow(widthButton, Qt::LeftButton);
            clickThroughWindow(widthButton, Qt::RightButton);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (width != 1) {
                QCOMPARE(menu, nullptr);
                clickThroughWindow(widthButton, Qt::LeftButton);
                QCOMPARE(app.c.state().CompactWidth, width % 3 + 1);
                continue;
            }
            QVERIFY(menu);
            auto* tray = child<QAction>(app.c, "Tray1");
            QCOMPARE(menu->actions(), QList<QAction*>{tray});
            QVERIFY(menu->actionGeometry(tray).isValid());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(tray).center());
            QVERIFY(!app.c.isVisible());
        }
    }

    void withoutNotificationAreaTheWindowStaysAndSaysWhyEachTime() {
        ShownApp app;
        app.trayAvailable = false;
        child<QToolButton>(app.c, "SpeedButton2")->click();
        child<QAction>(app.c, "Tray1")->trigger();
        child<QToolButton>(app.c, "SpeedButton2")->click();
        QVERIFY(app.c.isVisible());
        const Box why{Box::Message, QStringLiteral("There is no notification area on this "
                                                   "desktop, so Solvane stays visible.")};
        QCOMPARE(app.platform.boxes, (QVector<Box>{why, why, why}));
    }

    void parametersOpensModallyOverTheWindowCentre() {
        ShownApp app;
        child<QToolButton>(app.c, "SpeedButton4")->click();
        const QRect outer = app.c.frameGeometry();
        QCOMPARE(app.platform.pointerMoves.last(),
                 outer.topLeft() + QPoint(outer.width() / 2 + 50, outer.height() / 2 + 60));
        QCOMPARE(app.modalDialogs, (QList<QDialog*>{app.home()}));
        QCOMPARE(app.month(4)->Hint(), QString());
    }

    void exitClosesTheWindow() {
        ShownApp app;
        child<QToolButton>(app.c, "SpeedButton3")->click();
        QVERIFY(!app.c.isVisible());
    }
};

QTEST_MAIN(WindowModesTest)
#include "tst_window_modes.moc"
