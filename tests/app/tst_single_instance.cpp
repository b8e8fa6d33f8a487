// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A second start hands over to the running one, which brings its window to the front; a
// socket left by a crashed run never stops a start.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWindow>
#include <memory>

#include "app_fixture.h"
#include "single_instance.h"

using namespace solvane;
using namespace solvane::test;

namespace {

// A name of this test run's own, so that a Solvane the user runs meanwhile is never reached.
QString testName() {
    return QDir::temp().filePath(
        QStringLiteral("solvane-test-%1.socket").arg(QCoreApplication::applicationPid()));
}

enum class Before { Nothing, CrashedRun, Running };

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { QFile::remove(testName()); }

    void startHandsOverOnlyToARunningInstance_data() {
        QTest::addColumn<Before>("before");
        QTest::addColumn<SingleInstance::Start>("start");
        QTest::addRow("nothing ran") << Before::Nothing << SingleInstance::Start::First;
        QTest::addRow("a crashed run left its socket")
            << Before::CrashedRun << SingleInstance::Start::First;
        QTest::addRow("one runs") << Before::Running << SingleInstance::Start::HandedOver;
    }
    void startHandsOverOnlyToARunningInstance() {
        QFETCH(Before, before);
        QFETCH(SingleInstance::Start, start);
        SingleInstance running(testName());
        int launches = 0;
        running.onSecondLaunch = [&] { ++launches; };
        if (before == Before::Running)
            QCOMPARE(running.start(), SingleInstance::Start::First);
        if (before == Before::CrashedRun) {
            // What a crash leaves: a file at the socket's path, with nobody listening on it.
            QFile stale(testName());
            QVERIFY(stale.open(QIODevice::WriteOnly));
        }
        SingleInstance later(testName());
        QCOMPARE(later.start(), start);
        if (before == Before::Running)
            QTRY_COMPARE(launches, 1);
        else  // the later start now listens itself
            QCOMPARE(SingleInstance(testName()).start(), SingleInstance::Start::HandedOver);
    }

    // The socket file went (a cleaner of the temporary folder took it) and a later start
    // listens in its place: the first run's exit leaves that one's socket alone.
    void exitingRunKeepsTheSocketOfTheOneStillRunning() {
        auto first = std::make_unique<SingleInstance>(testName());
        QCOMPARE(first->start(), SingleInstance::Start::First);
        QVERIFY(QFile::remove(testName()));
        SingleInstance second(testName());
        int launches = 0;
        second.onSecondLaunch = [&] { ++launches; };
        QCOMPARE(second.start(), SingleInstance::Start::First);
        first.reset();
        QCOMPARE(SingleInstance(testName()).start(), SingleInstance::Start::HandedOver);
        QTRY_COMPARE(launches, 1);
    }

    void testRunsWithoutAScreenNeverMeet() {
        SingleInstance first;
        SingleInstance second;
        QCOMPARE(first.start(), SingleInstance::Start::First);
        QCOMPARE(second.start(), SingleInstance::Start::First);
    }

    void secondLaunchBringsTheHiddenWindowBack() {
        AppFixture app;
        app.calendar->trayAvailable = [] { return true; };
        app.calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
        SingleInstance running(testName());
        QCOMPARE(running.start(), SingleInstance::Start::First);
        running.onSecondLaunch = [&] { app.calendar->bringToFront(); };
        clickButton(*app.calendar, "SpeedButton2");
        QVERIFY(!app.calendar->isVisible());

        QCOMPARE(SingleInstance(testName()).start(), SingleInstance::Start::HandedOver);
        QTRY_VERIFY(app.calendar->isVisible());
        QTRY_VERIFY(app.calendar->windowHandle()->isActive());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
