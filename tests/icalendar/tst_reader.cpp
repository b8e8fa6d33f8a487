// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// The iCalendar reader over files written the way Google, Outlook and Exchange, Apple and
// Thunderbird write them, against occurrences found independently by Python's readers
// (expected/NAME.python, from scripts/icalendar-expectations.py) or, where those are wrong,
// checked by hand (expected/NAME.reader); then each quirk on its own, the bounds, and what a
// broken file loses.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <future>

#include "occurrence_text.h"
#include "reader.h"

using namespace solvane::ical;

namespace {

const QString kFixtures = QStringLiteral(SOLVANE_ICAL_TEST_DIR "/fixtures/");
const QString kExpected = QStringLiteral(SOLVANE_ICAL_TEST_DIR "/expected/");

Request year2026() {
    Request request;
    request.first = {2026, 1, 1};
    request.until = {2027, 1, 1};
    request.local.ianaName = "Europe/Berlin";
    return request;
}

QStringList linesOf(const ReadResult& result) {
    QStringList lines;
    for (const Occurrence& occurrence : result.occurrences) {
        lines << QString::fromStdString(occurrenceLine(occurrence));
    }
    lines.sort();
    return lines;
}

QStringList problemsOf(const ReadResult& result) {
    QStringList kinds;
    for (const Problem& problem : result.problems) {
        kinds << QString::fromLatin1(problemName(problem.kind));
    }
    return kinds;
}

ReadResult readText(const QByteArray& text, const Request& request = year2026()) {
    return readCalendar(std::string_view(text.constData(), std::size_t(text.size())), request);
}

// A VCALENDAR around `body`, with CRLF line ends.
QByteArray calendar(QByteArray body) {
    body = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//t//EN\n" + body + "END:VCALENDAR\n";
    return body.replace("\n", "\r\n");
}

QByteArray veventOf(const QByteArray& lines) {
    return "BEGIN:VEVENT\nUID:u\nSUMMARY:e\n" + lines + "END:VEVENT\n";
}

void compareLines(const QStringList& actual, const QStringList& expected) {
    if (actual != expected) {
        qWarning().noquote() << "read:\n " << actual.join(QLatin1String("\n  ")) << "\nexpected:\n "
                             << expected.join(QLatin1String("\n  "));
    }
    QCOMPARE(actual, expected);
}

}  // namespace

class ReaderTest : public QObject {
    Q_OBJECT

private slots:
    void producerFiles_data();
    void producerFiles();
    void quirks_data();
    void quirks();
    void brokenText_data();
    void brokenText();
    void bombs_data();
    void bombs();
    void hostileFiles_data();
    void hostileFiles();
    void rangeAndZone_data();
    void rangeAndZone();
    void calendarNames();
    void threads();
};

Date dateOf(const QString& text) {
    const QStringList parts = text.split(u'-');
    return {parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt()};
}

void ReaderTest::producerFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("until");
    // The files that are not about 2026 name their range: "name first until".
    QFile rangeFile(kFixtures + QStringLiteral("ranges.txt"));
    QVERIFY(rangeFile.open(QIODevice::ReadOnly));
    QHash<QString, QStringList> ranges;
    for (const QString& line : QString::fromUtf8(rangeFile.readAll()).split(u'\n')) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() == 3) {
            ranges.insert(fields[0], fields.mid(1));
        }
    }
    const QStringList files = QDir(kFixtures).entryList({QStringLiteral("*.ics")}, QDir::Files);
    QVERIFY(files.size() >= 16);
    for (const QString& file : files) {
        const QString name = file.chopped(4);
        const QStringList range = ranges.value(name, {"2026-01-01", "2027-01-01"});
        QTest::addRow("%s", qPrintable(name)) << name << range[0] << range[1];
    }
}

// Every file against its expectation: Python's, or the hand-checked one where Python errs.
void ReaderTest::producerFiles() {
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, until);
    QFile expected(kExpected + name + QStringLiteral(".reader"));
    if (!expected.exists()) {
        expected.setFileName(kExpected + name + QStringLiteral(".python"));
    }
    QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expected.fileName()));
    QStringList lines = QString::fromUtf8(expected.readAll()).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    Request request = year2026();
    request.first = dateOf(first);
    request.until = dateOf(until);
    const ReadResult result = readCalendarFile((kFixtures + name + ".ics").toStdString(), request);
    compareLines(linesOf(result), lines);
}

void ReaderTest::quirks_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");  // "!..." must not be there
    // clang-format off
    QTest::addRow("VTIMEZONE with a Windows TZID (Outlook)") << "outlook_vtimezone" << "2026-01-13T14:00:00Z\t2026-01-13T15:00:00Z\tMonthly steering";
    QTest::addRow("VTIMEZONE after the events, summer time") << "outlook_vtimezone" << "2026-04-14T13:00:00Z\t2026-04-14T14:00:00Z\tMonthly steering";
    QTest::addRow("EXDATE with a Windows TZID") << "outlook_vtimezone" << "!2026-06-09T13:00:00Z\t2026-06-09T14:00:00Z\tMonthly steering";
    QTest::addRow("UNTIL as a date-time, BYDAY=2TU") << "outlook_vtimezone" << "2026-12-08T14:00:00Z\t2026-12-08T15:00:00Z\tMonthly steering";
    QTest::addRow("Windows name without VTIMEZONE") << "outlook_windows_zone_names" << "2026-01-15T09:00:00Z\t2026-01-15T10:00:00Z\tBerlin call";
    QTest::addRow("Windows name, Pacific, summer") << "outlook_windows_zone_names" << "2026-07-10T16:00:00Z\t2026-07-10T17:00:00Z\tWest coast call";
    QTest::addRow("Outlook display name as TZID") << "outlook_windows_zone_names" << "2026-02-10T09:00:00Z\t2026-02-10T10:00:00Z\tDisplay-name zone";
    QTest::addRow("X-WR-TIMEZONE: UTC start recurs in local time") << "google_calendar" << "2026-03-30T07:00:00Z\t2026-03-30T08:00:00Z\tStand-up";
    QTest::addRow("X-WR-TIMEZONE: floating time") << "google_calendar" << "2026-05-20T08:00:00Z\t2026-05-20T09:30:00Z\tReview (floating time read in X-WR-TIMEZONE)";
    QTest::addRow("cancelled instance of a series") << "google_calendar" << "!2026-03-16T08:00:00Z\t2026-03-16T09:00:00Z\tStand-up";
    QTest::addRow("cancelled event") << "google_calendar" << "!2026-04-03\t2026-04-04\tOffsite";
    QTest::addRow("floating time in the local zone") << "recurrence_rules" << "2026-07-04T18:00:00Z\t2026-07-04T21:00:00Z\tFloating evening, local wall time";
    QTest::addRow("RECURRENCE-ID: the moved day once") << "recurrence_rules" << "!2026-01-12T08:00:00Z\t2026-01-12T08:30:00Z\tDaily, second one moved";
    QTest::addRow("RECURRENCE-ID: the new day") << "recurrence_rules" << "2026-01-14T14:00:00Z\t2026-01-14T14:30:00Z\tDaily, moved";
    QTest::addRow("BYSETPOS=-1: last workday") << "recurrence_rules" << "2026-05-29T15:00:00Z\t2026-05-29T16:00:00Z\tLast workday of the month";
    QTest::addRow("BYMONTHDAY=31 skips February") << "recurrence_rules" << "!2026-02-28T07:00:00Z\t2026-02-28T07:30:00Z\tOn the 31st";
    QTest::addRow("EXDATE list on one line") << "recurrence_rules" << "!2026-04-15T10:00:00Z\t2026-04-15T11:00:00Z\tWeekly with EXDATE and RDATE";
    QTest::addRow("RDATE") << "recurrence_rules" << "2026-04-20T14:00:00Z\t2026-04-20T15:00:00Z\tWeekly with EXDATE and RDATE";
    QTest::addRow("COUNT ends the series") << "recurrence_rules" << "!2026-04-29T10:00:00Z\t2026-04-29T11:00:00Z\tWeekly with EXDATE and RDATE";
    QTest::addRow("UNTIL as a date is inclusive") << "recurrence_rules" << "2026-09-15\t2026-09-16\tWeekly all day until a date";
    QTest::addRow("UNTIL date-time on a date start") << "recurrence_rules" << "2026-10-03\t2026-10-04\tDaily all day until a date-time";
    QTest::addRow("COUNT from 1900") << "recurrence_rules" << "2026-01-01\t2026-01-02\tEvery new year since 1900";
    QTest::addRow("all day by DURATION") << "recurrence_rules" << "2026-11-10\t2026-11-13\tThree days by DURATION";
    QTest::addRow("all day, exclusive DTEND") << "thunderbird_holidays" << "2026-05-01\t2026-05-02\tLabour Day";
    QTest::addRow("all day, date-time DTEND") << "thunderbird_holidays" << "2026-01-01\t2026-01-02\tNew Year's Day";
    QTest::addRow("all day, no DTEND") << "thunderbird_holidays" << "2026-04-06\t2026-04-07\tEaster Monday";
    QTest::addRow("multi-day span past the year") << "thunderbird_holidays" << "2026-12-24\t2027-01-02\tChristmas holidays";
    QTest::addRow("duplicate UID, both kept") << "thunderbird_holidays" << "2026-12-25\t2026-12-26\tChristmas Day";
    QTest::addRow("ends where the range starts") << "thunderbird_holidays" << "!2025-12-31\t2026-01-01\tNew Year's Eve 2025";
    QTest::addRow("all day across years (Apple)") << "apple_calendar" << "2026-08-10\t2026-08-14\tHoliday at the lake";
    QTest::addRow("yearly all day since 1990") << "apple_calendar" << "2026-02-14\t2026-02-15\tBirthday";
    QTest::addRow("RDATE list in a VTIMEZONE zone") << "apple_calendar" << "2026-03-08T13:00:00Z\t2026-03-08T14:00:00Z\tDentist (with RDATEs, one on the night clocks go back)";
    QTest::addRow("BOM, LF only, folded with a tab") << "bom_lf_tab_folding" << "2026-02-12T12:00:00Z\t2026-02-12T13:00:00Z\tLunch with a summary folded over a tab";
    QTest::addRow("second VCALENDAR") << "two_calendars" << "2026-03-06\t2026-03-07\tIn the second calendar";
    QTest::addRow("VTODO ignored") << "two_calendars" << "!2026-03-05T07:00:00Z\t2026-03-05T07:00:00Z\tA task, ignored";
    // clang-format on
}

void ReaderTest::quirks() {
    QFETCH(QString, file);
    QFETCH(QString, line);
    const ReadResult result =
        readCalendarFile((kFixtures + file + ".ics").toStdString(), year2026());
    const QStringList lines = linesOf(result);
    if (line.startsWith(u'!')) {
        QVERIFY2(!lines.contains(line.mid(1)), qPrintable(lines.join(u'\n')));
    } else {
        QVERIFY2(lines.contains(line), qPrintable(lines.join(u'\n')));
    }
}

void ReaderTest::brokenText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("problems");
    const QByteArray whole = veventOf("DTSTART:20260301T100000Z\nDTEND:20260301T110000Z\n");
    const QString wholeLine = QStringLiteral("2026-03-01T10:00:00Z\t2026-03-01T11:00:00Z\te");
    QTest::addRow("empty") << QByteArray() << QStringList() << QStringList{"NoCalendar"};
    QTest::addRow("not iCalendar")
        << QByteArray("hello\nworld\n") << QStringList() << QStringList{"NoCalendar"};
    QTest::addRow("truncated: the complete event kept")
        << calendar(whole).replace("END:VCALENDAR\r\n", "BEGIN:VEVENT\r\nUID:cut\r\nDTSTA")
        << QStringList{wholeLine} << QStringList{"Truncated", "BadValue", "MissingStart"};
    QTest::addRow("bare VEVENT (Evolution's test files)")
        << whole << QStringList{wholeLine} << QStringList();
    QTest::addRow("no DTSTART") << calendar(veventOf("SUMMARY:x\n")) << QStringList()
                                << QStringList{"MissingStart"};
    QTest::addRow("bad DTSTART value dropped")
        << calendar(veventOf("DTSTART:20210527Z\n")) << QStringList()
        << QStringList{"BadValue", "MissingStart"};
    QTest::addRow("unknown TZID read as local")
        << calendar(veventOf("DTSTART;TZID=Mars/Olympus:20260301T100000\n"))
        << QStringList{"2026-03-01T09:00:00Z\t2026-03-01T09:00:00Z\te"}
        << QStringList{"UnknownZone"};
    QTest::addRow("duplicated END:VEVENT (Thunderbird)")
        << calendar(whole + "END:VEVENT\n") << QStringList{wholeLine} << QStringList();
    QTest::addRow("bad RRULE: the first instance kept")
        << calendar(veventOf("DTSTART:20260301T100000Z\nRRULE:FREQ=SOMETIMES\n"))
        << QStringList{"2026-03-01T10:00:00Z\t2026-03-01T10:00:00Z\te"} << QStringList{"BadValue"};
    QTest::addRow("Mozilla's empty lines inside folded lines")
        << calendar(
               "BEGIN:VEVENT\nUID:u\nSUMMARY\n\n :e\nDTSTART\n\n :20260301T100000Z\nEND:VEVENT\n")
        << QStringList{"2026-03-01T10:00:00Z\t2026-03-01T10:00:00Z\te"} << QStringList();
    QTest::addRow("floating series, EXDATE in UTC on its wall time")
        << calendar(veventOf("DTSTART:20260301T100000\nRRULE:FREQ=DAILY;COUNT=3\n"
                             "EXDATE:20260302T100000Z\n"))
        << QStringList{"2026-03-01T09:00:00Z\t2026-03-01T09:00:00Z\te",
                       "2026-03-03T09:00:00Z\t2026-03-03T09:00:00Z\te"}
        << QStringList();
    const QByteArray series =
        "BEGIN:VEVENT\nUID:s\nSUMMARY:s\nDTSTART:20260301T100000Z\n"
        "RRULE:FREQ=DAILY;COUNT=2\nEND:VEVENT\n";
    const QByteArray moved = "BEGIN:VEVENT\nUID:s\nRECURRENCE-ID:20260302T100000Z\n";
    QTest::addRow("duplicate overrides: the higher SEQUENCE wins")
        << calendar(series + moved +
                    "SEQUENCE:2\nSUMMARY:new\nDTSTART:20260305T100000Z\nEND:VEVENT\n" + moved +
                    "SEQUENCE:1\nSUMMARY:old\nDTSTART:20260304T100000Z\nEND:VEVENT\n")
        << QStringList{"2026-03-01T10:00:00Z\t2026-03-01T10:00:00Z\ts",
                       "2026-03-05T10:00:00Z\t2026-03-05T10:00:00Z\tnew"}
        << QStringList();
    QTest::addRow("override without its series")
        << calendar(moved + "SUMMARY:alone\nDTSTART:20260305T100000Z\nEND:VEVENT\n")
        << QStringList{"2026-03-05T10:00:00Z\t2026-03-05T10:00:00Z\talone"} << QStringList();
    QTest::addRow("override of an all-day series")
        << calendar(
               "BEGIN:VEVENT\nUID:d\nSUMMARY:d\nDTSTART;VALUE=DATE:20260301\n"
               "RRULE:FREQ=WEEKLY;COUNT=2\nEND:VEVENT\nBEGIN:VEVENT\nUID:d\nSUMMARY:d2\n"
               "RECURRENCE-ID;VALUE=DATE:20260308\nDTSTART;VALUE=DATE:20260310\nEND:VEVENT\n")
        << QStringList{"2026-03-01\t2026-03-02\td", "2026-03-10\t2026-03-11\td2"} << QStringList();
    QTest::addRow("RDATE as a period")
        << calendar(veventOf("DTSTART:20260301T100000Z\nDTEND:20260301T110000Z\n"
                             "RDATE;VALUE=PERIOD:20260310T100000Z/PT1H\n"))
        << QStringList{"2026-03-01T10:00:00Z\t2026-03-01T11:00:00Z\te",
                       "2026-03-10T10:00:00Z\t2026-03-10T11:00:00Z\te"}
        << QStringList();
    QTest::addRow("unknown X-WR-TIMEZONE: floating stays local")
        << calendar("X-WR-TIMEZONE:Atlantis/Capital\n" + veventOf("DTSTART:20260601T120000\n"))
        << QStringList{"2026-06-01T10:00:00Z\t2026-06-01T10:00:00Z\te"}
        << QStringList{"UnknownZone"};
    QTest::addRow("DTEND before DTSTART: no length")
        << calendar(veventOf("DTSTART:20260301T100000Z\nDTEND:20260301T090000Z\n"))
        << QStringList{"2026-03-01T10:00:00Z\t2026-03-01T10:00:00Z\te"} << QStringList();
    QTest::addRow("cancelled series")
        << calendar(veventOf("STATUS:CANCELLED\nDTSTART:20260301T100000Z\nRRULE:FREQ=DAILY\n"))
        << QStringList() << QStringList();
    QTest::addRow("NUL bytes") << QByteArray("BEGIN:VCALENDAR\0\0\0END", 21) << QStringList()
                               << QStringList{"Truncated", "BadValue"};
}

void ReaderTest::brokenText() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, problems);
    const ReadResult result = readText(text);
    compareLines(linesOf(result), lines);
    QCOMPARE(problemsOf(result), problems);
}

void ReaderTest::bombs_data() {
    QTest::addColumn<QByteArray>("rule");
    QTest::addColumn<int>("occurrences");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QString>("firstLine");
    // clang-format off
    QTest::addRow("every minute, no end") << QByteArray("DTSTART:20260101T000000Z\nRRULE:FREQ=MINUTELY\n") << 365 << QStringList() << "2026-01-01~\t\te";
    QTest::addRow("every second, no end") << QByteArray("DTSTART:20260101T000000Z\nRRULE:FREQ=SECONDLY\n") << 365 << QStringList() << "2026-01-01~\t\te";
    QTest::addRow("every second, COUNT from 1970") << QByteArray("DTSTART:19700101T000000Z\nRRULE:FREQ=SECONDLY;COUNT=2000000000\n") << 365 << QStringList() << "2026-01-01~\t\te";
    QTest::addRow("every second, COUNT ends in 1970") << QByteArray("DTSTART:19700101T000000Z\nRRULE:FREQ=SECONDLY;COUNT=2000\n") << 0 << QStringList() << "";
    QTest::addRow("hourly, every 25 hours") << QByteArray("DTSTART:20260101T000000Z\nRRULE:FREQ=HOURLY;INTERVAL=25;UNTIL=20260105T000000Z\n") << 4 << QStringList() << "2026-01-01~\t\te";
    QTest::addRow("every minute on Mondays") << QByteArray("DTSTART;TZID=Europe/Berlin:20260101T000000\nRRULE:FREQ=MINUTELY;BYDAY=MO\n") << 52 << QStringList() << "2026-01-05~\t\te";
    QTest::addRow("every second on 30 February") << QByteArray("DTSTART:20260101T000000Z\nRRULE:FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=30\n") << 0 << QStringList() << "";
    QTest::addRow("daily, COUNT from 1900") << QByteArray("DTSTART:19000101T120000Z\nRRULE:FREQ=DAILY;COUNT=1000000\n") << 365 << QStringList() << "2026-01-01T12:00:00Z\t2026-01-01T12:00:00Z\te";
    QTest::addRow("daily, every second of the day") << QByteArray("DTSTART:20260101T000000Z\nRRULE:FREQ=DAILY;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23;BYMINUTE=0,10,20,30,40,50;BYSECOND=0,1,2,3,4,5,6,7,8,9\n") << 1000 << QStringList{"OccurrenceCap"} << "2026-01-01T00:00:00Z\t2026-01-01T00:00:00Z\te";
    QTest::addRow("the same with COUNT from 1970") << QByteArray("DTSTART:19700101T000000Z\nRRULE:FREQ=DAILY;COUNT=2000000000;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23;BYMINUTE=0,10,20,30,40,50;BYSECOND=0,1,2,3,4,5,6,7,8,9\n") << 0 << QStringList{"StepBudget"} << "";
    QTest::addRow("yearly on 30 February: DTSTART alone") << QByteArray("DTSTART:20260101T000000Z\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30\n") << 1 << QStringList{"BadRule"} << "2026-01-01T00:00:00Z\t2026-01-01T00:00:00Z\te";
    QTest::addRow("every minute on UTC Mondays, Berlin days") << QByteArray("DTSTART:20260101T000000Z\nRRULE:FREQ=MINUTELY;BYDAY=MO\n") << 104 << QStringList() << "2026-01-05~\t\te";
    // clang-format on
}

// Rules that would run for minutes or forever; each must end quickly and bounded.
void ReaderTest::bombs() {
    QFETCH(QByteArray, rule);
    QFETCH(int, occurrences);
    QFETCH(QStringList, problems);
    QFETCH(QString, firstLine);
    const ReadResult result = readText(calendar(veventOf(rule)));
    QCOMPARE(int(result.occurrences.size()), occurrences);
    QCOMPARE(problemsOf(result), problems);
    if (!firstLine.isEmpty()) {
        QCOMPARE(QString::fromStdString(occurrenceLine(result.occurrences.front())), firstLine);
    }
}

void ReaderTest::hostileFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
    QTest::addRow("FIFO without a writer") << "fifo"
                                           << "FileNotRegular";
    QTest::addRow("device") << "device"
                            << "FileNotRegular";
    QTest::addRow("directory") << "directory"
                               << "FileNotRegular";
    QTest::addRow("1 GB sparse file") << "sparse"
                                      << "FileTooLarge";
    QTest::addRow("dangling link") << "dangling"
                                   << "FileMissing";
    QTest::addRow("missing") << "missing"
                             << "FileMissing";
    QTest::addRow("unreadable") << "unreadable"
                                << "FileUnreadable";
}

void ReaderTest::hostileFiles() {
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("calendar.ics"));
    const QByteArray local = QFile::encodeName(path);
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(local.constData(), 0600), 0);
    } else if (kind == "device") {
        path = QStringLiteral("/dev/zero");
    } else if (kind == "directory") {
        path = dir.path();
    } else if (kind == "sparse") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(1) << 30));
    } else if (kind == "dangling") {
        QCOMPARE(::symlink("/nonexistent/calendar.ics", local.constData()), 0);
    } else if (kind == "unreadable") {
        if (::geteuid() == 0) {
            QSKIP("root reads every file");
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
    }
    const ReadResult result = readCalendarFile(path.toStdString(), year2026());
    QCOMPARE(problemsOf(result), QStringList{problem});
    QVERIFY(result.occurrences.empty());
}

void ReaderTest::rangeAndZone_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QStringList>("expected");
    const QByteArray eve = "DTSTART;VALUE=DATE:20251231\nDTEND;VALUE=DATE:20260101\n";
    const QByteArray lateUtc = "DTSTART:20251231T233000Z\nDTEND:20260101T003000Z\n";
    // clang-format off
    QTest::addRow("all day before the range") << eve << "Europe/Berlin" << 0 << QStringList();
    QTest::addRow("UTC time after local midnight") << lateUtc << "Europe/Berlin" << 0 << QStringList{"2025-12-31T23:30:00Z\t2026-01-01T00:30:00Z\te"};
    QTest::addRow("the same before it in New York") << lateUtc << "America/New_York" << 0 << QStringList();
    QTest::addRow("fixed offset, floating time") << QByteArray("DTSTART:20260601T120000\n") << "" << 5400 << QStringList{"2026-06-01T10:30:00Z\t2026-06-01T10:30:00Z\te"};
    QTest::addRow("unknown local zone: UTC") << QByteArray("DTSTART:20260601T120000\n") << "Nowhere/Else" << 0 << QStringList{"2026-06-01T12:00:00Z\t2026-06-01T12:00:00Z\te"};
    // clang-format on
}

void ReaderTest::rangeAndZone() {
    QFETCH(QByteArray, lines);
    QFETCH(QString, zone);
    QFETCH(int, offset);
    QFETCH(QStringList, expected);
    Request request = year2026();
    request.local = {zone.toStdString(), offset};
    compareLines(linesOf(readText(calendar(veventOf(lines)), request)), expected);
}

void ReaderTest::calendarNames() {
    const ReadResult result =
        readCalendarFile((kFixtures + "two_calendars.ics").toStdString(), year2026());
    QCOMPARE(int(result.calendars.size()), 2);
    QCOMPARE(result.calendars[0].name, std::string("First"));
    QCOMPARE(result.calendars[1].name, std::string("Second"));
    QCOMPARE(result.occurrences.back().calendar, 1);
    QCOMPARE(result.events, 2);
}

// The window reads on a worker thread; several readers at once must agree with one alone.
void ReaderTest::threads() {
    const std::string path = (kFixtures + "apple_calendar.ics").toStdString();
    const QStringList alone = linesOf(readCalendarFile(path, year2026()));
    std::vector<std::future<QStringList>> readers;
    for (int i = 0; i < 4; ++i) {
        readers.push_back(std::async(std::launch::async, [&] {
            QStringList last;
            for (int round = 0; round < 20; ++round) {
                last = linesOf(readCalendarFile(path, year2026()));
            }
            return last;
        }));
    }
    for (auto& reader : readers) {
        QCOMPARE(reader.get(), alone);
    }
}

QTEST_GUILESS_MAIN(ReaderTest)
#include "tst_reader.moc"
