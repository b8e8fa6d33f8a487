// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A second start hands over to the running one, which brings its window to the front; a
// socket left by a crashed run never stops a start.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

// A start that writes what it likes to the running one: the connection's descriptor, its
// writing end closed when `finish`.
int rawStart(const QByteArray& bytes, bool finish) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(testName());
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        qFatal("cannot reach the running instance");
    // The running one reads on this same event loop: it runs while the socket is full.
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            continue;
        }
        if (n <= 0)
            break;  // the running one stopped reading: too much
        sent += n;
    }
    if (finish)
        ::shutdown(fd, SHUT_WR);
    return fd;
}

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
        running.onSecondLaunch = [&](const QStringList&) { ++launches; };
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
        second.onSecondLaunch = [&](const QStringList&) { ++launches; };
        QCOMPARE(second.start(), SingleInstance::Start::First);
        first.reset();
        QCOMPARE(SingleInstance(testName()).start(), SingleInstance::Start::HandedOver);
        QTRY_COMPARE(launches, 1);
    }

    void argumentsReachTheRunningInstance_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("none") << QStringList();
        QTest::addRow("two files") << QStringList{"/home/a/b.ics", "/home/c d/e.ics"};
        QTest::addRow("holidays and an address")
            << QStringList{"--holidays", "/x.ics", "webcal://example.org/p"};
        QTest::addRow("newline and accents") << QStringList{"/tmp/a\nb/Fêtes.ics"};
        QTest::addRow("empty argument") << QStringList{"", "/x.ics"};
    }
    void argumentsReachTheRunningInstance() {
        QFETCH(QStringList, arguments);
        SingleInstance running(testName());
        QList<QStringList> received;
        running.onSecondLaunch = [&](const QStringList& given) { received.append(given); };
        QCOMPARE(running.start(), SingleInstance::Start::First);
        QCOMPARE(SingleInstance(testName()).start(arguments), SingleInstance::Start::HandedOver);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.at(0), arguments);
    }

    // What arrives broken counts with the arguments that arrived whole, or none; a start that
    // stalls holds up no other.
    void brokenMessages_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("finish");
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("last argument cut short")
            << QByteArray("/a.ics\0/b", 9) << true << QStringList{"/a.ics"};
        QTest::addRow("too long") << QByteArray(SingleInstance::kMaxMessage + 1, 'a') << true
                                  << QStringList();
        QTest::addRow("stalls") << QByteArray("/a.ics\0", 7) << false << QStringList();
    }
    void brokenMessages() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, finish);
        QFETCH(QStringList, arguments);
        SingleInstance running(testName());
        running.setMessageTimeout(500);
        QList<QStringList> received;
        running.onSecondLaunch = [&](const QStringList& given) { received.append(given); };
        QCOMPARE(running.start(), SingleInstance::Start::First);
        const int broken = rawStart(bytes, finish);
        if (!finish) {
            QCOMPARE(SingleInstance(testName()).start({"/b.ics"}),
                     SingleInstance::Start::HandedOver);
            QTRY_COMPARE(received.size(), 1);
            QCOMPARE(received.at(0), QStringList{"/b.ics"});
            received.clear();
        }
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, kHangCheckMs);
        QCOMPARE(received.at(0), arguments);
        ::close(broken);
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
        running.onSecondLaunch = [&](const QStringList&) { app.calendar->bringToFront(); };
        clickButton(*app.calendar, "SpeedButton2");
        QVERIFY(!app.calendar->isVisible());

        QCOMPARE(SingleInstance(testName()).start(), SingleInstance::Start::HandedOver);
        QTRY_VERIFY(app.calendar->isVisible());
        QTRY_VERIFY(app.calendar->windowHandle()->isActive());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
