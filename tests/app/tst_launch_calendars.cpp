// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The calendars a start is given: which arguments are calendars, how they are written down
// for the running program, and how they join the user's list without doubles.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "calendar_list.h"
#include "launch_calendars.h"

using namespace solvane;

namespace {

struct Folder {
    Folder() {
        QDir(dir.path()).mkpath(QStringLiteral("sub"));
        for (const char* name : {"fêtes.ics", "sub/birthdays.ics"}) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write a calendar file");
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

}  // namespace

class TestLaunchCalendars : public QObject {
    Q_OBJECT

private slots:
    void arguments_data();
    void arguments();
    void addedOnce_data();
    void addedOnce();
};

void TestLaunchCalendars::arguments_data() {
    QTest::addColumn<QStringList>("arguments");  // "@/" stands for the folder of the start
    QTest::addColumn<QStringList>("calendars");  // as handed over
    QTest::addColumn<int>("refused");
    QTest::addRow("relative file") << QStringList{"fêtes.ics"} << QStringList{"@/fêtes.ics"} << 0;
    QTest::addRow("dotted path") << QStringList{"./sub/../sub/birthdays.ics"}
                                 << QStringList{"@/sub/birthdays.ics"} << 0;
    QTest::addRow("absolute file") << QStringList{"@/fêtes.ics"} << QStringList{"@/fêtes.ics"} << 0;
    QTest::addRow("file address, escaped")
        << QStringList{"file://@/f%C3%AAtes.ics"} << QStringList{"@/fêtes.ics"} << 0;
    QTest::addRow("missing file") << QStringList{"nothing.ics"} << QStringList() << 1;
    QTest::addRow("file address of another host")
        << QStringList{"file://elsewhere/x.ics"} << QStringList() << 1;
    QTest::addRow("https") << QStringList{"https://example.org/h.ics"}
                           << QStringList{"https://example.org/h.ics"} << 0;
    QTest::addRow("webcal") << QStringList{"webcal://example.org/h.ics"}
                            << QStringList{"webcal://example.org/h.ics"} << 0;
    QTest::addRow("address without host") << QStringList{"https://"} << QStringList() << 1;
    QTest::addRow("holidays") << QStringList{"--holidays", "fêtes.ics", "sub/birthdays.ics"}
                              << QStringList{"--holidays", "@/fêtes.ics", "@/sub/birthdays.ics"}
                              << 0;
    QTest::addRow("holidays with nothing after")
        << QStringList{"fêtes.ics", "--holidays"} << QStringList{"@/fêtes.ics"} << 1;
    QTest::addRow("unknown option")
        << QStringList{"--frobnicate", "fêtes.ics"} << QStringList{"@/fêtes.ics"} << 1;
}

void TestLaunchCalendars::arguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, calendars);
    QFETCH(int, refused);
    const Folder folder;
    const QString at = folder.dir.path();
    arguments.replaceInStrings(QStringLiteral("@"), at);
    calendars.replaceInStrings(QStringLiteral("@"), at);
    const LaunchCalendars given = launchCalendars(arguments, at);
    QCOMPARE(asArguments(given.calendars), calendars);
    QCOMPARE(given.refused.size(), refused);
    // The running program reads what was handed over the same way, from any folder.
    QCOMPARE(asArguments(launchCalendars(calendars, QDir::rootPath()).calendars), calendars);
}

void TestLaunchCalendars::addedOnce_data() {
    QTest::addColumn<QStringList>("first");   // arguments of the first start
    QTest::addColumn<QStringList>("second");  // and of a later one
    QTest::addColumn<QStringList>("names");   // the list afterwards
    QTest::addColumn<QList<bool>>("holidays");
    QTest::addRow("two files") << QStringList{"fêtes.ics"} << QStringList{"sub/birthdays.ics"}
                               << QStringList{"fêtes", "birthdays"} << QList<bool>{false, false};
    QTest::addRow("same file twice")
        << QStringList{"fêtes.ics"} << QStringList{"@/sub/../fêtes.ics"} << QStringList{"fêtes"}
        << QList<bool>{false};
    QTest::addRow("marked as holidays when given again")
        << QStringList{"fêtes.ics"} << QStringList{"--holidays", "fêtes.ics"}
        << QStringList{"fêtes"} << QList<bool>{true};
    QTest::addRow("webcal twin of a listed https address")
        << QStringList{"https://example.org/cal/de.ics"}
        << QStringList{"webcal://example.org/cal/de.ics"} << QStringList{"de"}
        << QList<bool>{false};
    QTest::addRow("address named after its host")
        << QStringList{"https://example.org/"} << QStringList() << QStringList{"example.org"}
        << QList<bool>{false};
}

void TestLaunchCalendars::addedOnce() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, holidays);
    const Folder folder;
    const QString at = folder.dir.path();
    second.replaceInStrings(QStringLiteral("@"), at);
    calendars::CalendarList list(folder.path(QStringLiteral("config")));
    addToList(list, launchCalendars(first, at).calendars);
    const QStringList ids = addToList(list, launchCalendars(second, at).calendars);
    QVERIFY(!ids.contains(QString()));
    QStringList listed;
    QList<bool> marked;
    for (const calendars::CalendarSource& source : list.sources()) {
        listed.append(source.name);
        marked.append(source.holidays);
    }
    QCOMPARE(listed, names);
    QCOMPARE(marked, holidays);
    // What the list file keeps, a new start reads.
    calendars::CalendarList again(folder.path(QStringLiteral("config")));
    QVERIFY(!again.load().isError());
    QCOMPARE(again.sources(), list.sources());
}

QTEST_MAIN(TestLaunchCalendars)
#include "tst_launch_calendars.moc"
