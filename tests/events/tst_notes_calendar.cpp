// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ics_text.h"
#include "ics_writer.h"
#include "notes_calendar.h"
#include "reader.h"

using namespace solvane;
using namespace solvane::events;

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(7, 0), Qt::UTC);

NotesCalendar::Clock fixedClock() {
    return [] { return kNow; };
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class TestNotesCalendar : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void folding_data();
    void folding();
    void changeAndRemove();
    void otherProgramReadsIt();
    void fileNotTakenOver_data();
    void fileNotTakenOver();
};

void TestNotesCalendar::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("days");

    QTest::addRow("plain") << "Dentist" << 1;
    QTest::addRow("comma, semicolon, backslash") << "Call Ann, Bo; C:\\files" << 1;
    QTest::addRow("line breaks") << "first line\nsecond\r\nthird" << 1;
    QTest::addRow("long text in many scripts")
        << QString("Ännchen's Geburtstag — 誕生日 🎂 ").repeated(6) << 1;
    QTest::addRow("several days") << "Holiday at the sea" << 14;
    QTest::addRow("empty") << "" << 1;
    QTest::addRow("spaces around") << "  Dentist  " << 1;
}

void TestNotesCalendar::roundTrip() {
    QFETCH(QString, text);
    QFETCH(int, days);

    QTemporaryDir temporary;
    const QString folder = temporary.filePath("data/solvane");  // not there yet
    NotesCalendar notes(folder, fixedClock());
    QVERIFY(notes.load());
    QSignalSpy changed(&notes, &NotesCalendar::changed);
    const QString uid = notes.add(QDate(2026, 12, 24), text, days);
    QVERIFY2(!uid.isEmpty(), qPrintable(notes.error()));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toByteArray(), fileBytes(notes.filePath()));

    NotesCalendar again(folder, fixedClock());
    QVERIFY2(again.load(), qPrintable(again.error()));
    QCOMPARE(again.notes().size(), 1u);
    const Note& note = again.notes().front();
    QCOMPARE(note.uid, uid);
    QCOMPARE(note.day, QDate(2026, 12, 24));
    QCOMPARE(note.days, days);
    QString expected = text.trimmed();
    QCOMPARE(note.text, expected.replace("\r\n", "\n"));
    QCOMPARE(again.notesOn(QDate(2026, 12, 23).addDays(days)).size(), 1u);
    QCOMPARE(again.notesOn(QDate(2026, 12, 24).addDays(days)).size(), 0u);
    QCOMPARE(again.bytes(), fileBytes(notes.filePath()));  // written back unchanged
}

void TestNotesCalendar::folding_data() {
    QTest::addColumn<QString>("line");

    QTest::addRow("short") << "SUMMARY:x";
    QTest::addRow("exactly 75 octets") << "SUMMARY:" + QString(67, 'a');
    QTest::addRow("76 octets") << "SUMMARY:" + QString(68, 'a');
    QTest::addRow("two-octet letters across the cut") << "SUMMARY:" + QString(100, QChar(0xe4));
    QTest::addRow("four-octet signs across the cut") << "SUMMARY:" + QString("🎂").repeated(60);
}

void TestNotesCalendar::folding() {
    QFETCH(QString, line);

    const QByteArray folded = foldedLine(line);
    QVERIFY(folded.endsWith("\r\n"));
    QByteArray unfolded;
    for (const QByteArray& piece : folded.chopped(2).split('\n')) {
        QVERIFY(piece.size() <= 76);  // 75 octets and the CR
        QVERIFY(!QString::fromUtf8(piece).contains(QChar::ReplacementCharacter));
        unfolded += piece.startsWith(' ') ? piece.mid(1) : piece;
    }
    QCOMPARE(QString::fromUtf8(unfolded.replace("\r", "")), line);
}

void TestNotesCalendar::changeAndRemove() {
    QTemporaryDir temporary;
    NotesCalendar notes(temporary.path(), fixedClock());
    QVERIFY(notes.load());
    const QString first = notes.add(QDate(2026, 5, 1), "May Day");
    const QString second = notes.add(QDate(2026, 5, 2), "Market");
    QVERIFY(notes.change(first, QDate(2026, 5, 3), "Moved"));
    QVERIFY(!notes.change("no such uid", QDate(2026, 5, 3), "x"));
    QVERIFY(notes.remove(second));
    QVERIFY(!notes.remove(second));

    const QByteArray bytes = fileBytes(notes.filePath());
    const ical::ReadResult read = ical::readCalendar(
        std::string_view(bytes.constData(), bytes.size()), {{2026, 1, 1}, {2027, 1, 1}, {}, {}});
    QVERIFY(read.problems.empty());
    QCOMPARE(read.occurrences.size(), 1u);
    QCOMPARE(read.occurrences[0].summary, "Moved");
    QCOMPARE(read.occurrences[0].uid, first.toStdString());
    QCOMPARE(read.occurrences[0].startDate, (ical::Date{2026, 5, 3}));
    QCOMPARE(read.occurrences[0].timing, ical::Timing::AllDay);
    QVERIFY(bytes.contains("DTSTAMP:20261209T070000Z\r\n"));
    // Nothing left beside the file: the save was atomic.
    QCOMPARE(QDir(temporary.path()).entryList(QDir::Files), QStringList{"notes.ics"});
}

void TestNotesCalendar::otherProgramReadsIt() {
    const QString python = "/usr/bin/python3";
    QProcess probe;
    probe.start(python, {"-c", "import icalendar"});
    if (!probe.waitForFinished(60'000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        QSKIP("python3-icalendar is not installed");

    QTemporaryDir temporary;
    NotesCalendar notes(temporary.path(), fixedClock());
    QVERIFY(notes.load());
    const QString text = QString("Ann, Bo; \\ long ").repeated(8) + "✓";
    QVERIFY(!notes.add(QDate(2026, 2, 28), text, 2).isEmpty());

    QProcess reader;
    reader.start(python, {"-c",
                          "import sys, icalendar\n"
                          "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                          "for e in cal.walk('VEVENT'):\n"
                          "    sys.stdout.buffer.write(('%s|%s|%s' % (e.decoded('dtstart'),"
                          " e.decoded('dtend'), e.get('summary'))).encode())\n",
                          notes.filePath()});
    QVERIFY(reader.waitForFinished(60'000));
    QCOMPARE(reader.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()), "2026-02-28|2026-03-02|" + text);
}

void TestNotesCalendar::fileNotTakenOver_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: a folder in the file's place

    QTest::addRow("a folder") << QByteArray();
    QTest::addRow("cut short") << QByteArray(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\n"
        "DTSTART;VALUE=DATE:20261225\r\n");
    QTest::addRow("a timed event")
        << test::calendar(test::event("t", ":20261225T100000Z", ":20261225T110000Z", "Meeting"));
    QTest::addRow("a repeating event") << test::calendar(test::event(
        "r", ";VALUE=DATE:20260101", ";VALUE=DATE:20260102", "Weekly", "RRULE:FREQ=WEEKLY|"));
    QTest::addRow("not a calendar") << QByteArray("hello\n");
}

void TestNotesCalendar::fileNotTakenOver() {
    QFETCH(QByteArray, bytes);

    QTemporaryDir temporary;
    NotesCalendar notes(temporary.path(), fixedClock());
    if (bytes.isEmpty())
        QVERIFY(QDir(temporary.path()).mkdir(NotesCalendar::fileName()));
    else
        writeFile(notes.filePath(), bytes);
    QVERIFY(!notes.load());
    QVERIFY(!notes.writable());
    QVERIFY(notes.error().contains(notes.filePath()));
    QVERIFY(notes.add(QDate(2026, 12, 25), "Lost?").isEmpty());
    if (!bytes.isEmpty())
        QCOMPARE(fileBytes(notes.filePath()), bytes);
}

QTEST_GUILESS_MAIN(TestNotesCalendar)
#include "tst_notes_calendar.moc"
