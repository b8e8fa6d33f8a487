// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QStringDecoder>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ics_lines.h"
#include "ics_writer.h"
#include "moon_phases.h"

using namespace solvane;
using namespace solvane::almanac;

Q_DECLARE_METATYPE(solvane::almanac::IcsContent)

namespace {

const astro::Observer kNewYork(40.75, -73.99);
const astro::Observer kTromso(69.65, 18.96);

QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// What a reader does: a CRLF and one space join the lines again.
QByteArray unfolded(QByteArray folded) {
    return folded.replace("\r\n ", "").chopped(2);
}

// The whole calendar as the almanac would write it, through a stream in memory.
QByteArray calendar(const RowSettings& settings, IcsContent content,
                    const std::vector<astro::Date>& dates, long long days) {
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&data, &size);
    const int error = writeCalendar(file, settings, content, dates, days);
    std::fclose(file);
    const QByteArray text(data, static_cast<qsizetype>(size));
    std::free(data);
    return error == 0 ? text : QByteArray("error");
}

QStringList uidsOf(const QByteArray& calendarText) {
    QStringList uids;
    for (const QByteArray& line : unfolded(calendarText).split('\n')) {
        if (line.startsWith("UID:")) {
            uids << QString::fromUtf8(line.mid(4).chopped(1));
        }
    }
    return uids;
}

}  // namespace

class TestIcsWriter : public QObject {
    Q_OBJECT

private slots:
    void folding_data();
    void folding();
    void escaping_data();
    void escaping();
    void utcDateTimes_data();
    void utcDateTimes();
    void sunUidsNameTheLineDateKindAndPlace();
    void sunEventsFollowTheLines_data();
    void sunEventsFollowTheLines();
    void phaseUidsCountLunations();
    void content_data();
    void content();
    void exportsAreIdentical();
};

void TestIcsWriter::folding_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<int>>("lengths");  // of each physical line, without CRLF

    const QByteArray a74(74, 'a');
    QTest::addRow("short line") << QByteArray("VERSION:2.0") << QList<int>{11};
    QTest::addRow("exactly 75 octets") << QByteArray(75, 'a') << QList<int>{75};
    QTest::addRow("76 octets") << QByteArray(76, 'a') << QList<int>{75, 2};
    QTest::addRow("continuations take 74 more")
        << QByteArray(75 + 74 + 1, 'a') << QList<int>{75, 75, 2};
    // The degree sign's two octets would be the 75th and 76th: it moves to the next line.
    QTest::addRow("two-octet character at the fold") << a74 + "\xC2\xB0" << QList<int>{74, 3};
    QTest::addRow("three-octet character at the fold")
        << QByteArray(73, 'a') + "\xE2\x82\xAC" << QList<int>{73, 4};
    QTest::addRow("four-octet character at the fold")
        << QByteArray(72, 'a') + "\xF0\x9F\x8C\x95" << QList<int>{72, 5};
    QTest::addRow("character ending on the 75th octet")
        << QByteArray(73, 'a') + "\xC2\xB0" + "b" << QList<int>{75, 2};
    QTest::addRow("degree signs only")
        << QByteArray(100, 'x').replace("x", "\xC2\xB0") << QList<int>{74, 75, 53};
    // Not UTF-8: a fold still comes, so the line ends.
    QTest::addRow("stray continuation octets") << QByteArray(100, '\x80') << QList<int>{75, 26};
}

void TestIcsWriter::folding() {
    QFETCH(QByteArray, line);
    QFETCH(QList<int>, lengths);

    std::string out;
    ics::appendLine(out, line.toStdString());
    const QByteArray folded = bytes(out);
    QVERIFY(folded.endsWith("\r\n"));
    QList<int> found;
    const QList<QByteArray> physical = folded.chopped(2).split('\n');
    for (qsizetype i = 0; i < physical.size(); ++i) {
        const QByteArray text = i + 1 < physical.size() ? physical[i].chopped(1) : physical[i];
        QVERIFY2(i + 1 == physical.size() || physical[i].endsWith('\r'), "a bare LF");
        QVERIFY2(i == 0 || text.startsWith(' '), "a continuation without its space");
        found << static_cast<int>(text.size());
        if (!QTest::currentDataTag() ||
            qstrcmp(QTest::currentDataTag(), "stray continuation octets")) {
            auto decoder = QStringDecoder(QStringDecoder::Utf8);
            const QString decoded = decoder(text);
            QVERIFY2(!decoder.hasError(), "a fold inside a character");
        }
    }
    QCOMPARE(found, lengths);
    QCOMPARE(unfolded(folded), line);
}

void TestIcsWriter::escaping_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("escaped");

    QTest::addRow("plain") << QByteArray("Full moon") << QByteArray("Full moon");
    QTest::addRow("comma") << QByteArray("40.75°N, 73.99°W") << QByteArray("40.75°N\\, 73.99°W");
    QTest::addRow("semicolon") << QByteArray("a;b") << QByteArray("a\\;b");
    QTest::addRow("backslash") << QByteArray("C:\\moon") << QByteArray("C:\\\\moon");
    QTest::addRow("already escaped text") << QByteArray("\\n") << QByteArray("\\\\n");
    QTest::addRow("colon kept") << QByteArray("at 7:07A") << QByteArray("at 7:07A");
    QTest::addRow("LF") << QByteArray("one\ntwo") << QByteArray("one\\ntwo");
    QTest::addRow("CRLF is one break") << QByteArray("one\r\ntwo") << QByteArray("one\\ntwo");
    QTest::addRow("CR alone") << QByteArray("one\rtwo") << QByteArray("one\\ntwo");
    QTest::addRow("tab kept") << QByteArray("a\tb") << QByteArray("a\tb");
    QTest::addRow("other controls dropped") << QByteArray(
                                                   "a\x01\x1b"
                                                   "b\x7f")
                                            << QByteArray("ab");
}

void TestIcsWriter::escaping() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, escaped);

    QCOMPARE(bytes(ics::escapeText(text.toStdString())), escaped);
}

void TestIcsWriter::utcDateTimes_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");

    QTest::addRow("epoch") << qint64(0) << "19700101T000000Z";
    QTest::addRow("a second before the epoch") << qint64(-1) << "19691231T235959Z";
    QTest::addRow("new moon of 9 December 2026") << qint64(1796777520) << "20261209T005200Z";
    QTest::addRow("first instant of year 1") << qint64(-62135596800) << "00010101T000000Z";
    QTest::addRow("last second of 9999") << qint64(253402300799) << "99991231T235959Z";
}

void TestIcsWriter::utcDateTimes() {
    QFETCH(qint64, seconds);
    QFETCH(QString, text);

    QCOMPARE(QString::fromStdString(ics::utcDateTime(seconds)), text);
}

void TestIcsWriter::sunUidsNameTheLineDateKindAndPlace() {
    const RowSettings newYork{kNewYork, -5, false};
    const auto events = ics::sunEvents(newYork, {2026, 12, 7});
    QCOMPARE(events.size(), std::size_t(2));
    QCOMPARE(events[0].uid, std::string("sunrise-20261207-40.75_-73.99@solvane-almanac"));
    QCOMPARE(events[1].uid, std::string("sunset-20261207-40.75_-73.99@solvane-almanac"));
    // Another clock or time style changes the words, not the UIDs nor the instant (within
    // the minute the scan rounds to): a new export updates the events.
    const auto onAnotherClock = ics::sunEvents(RowSettings{kNewYork, -4, true}, {2026, 12, 7});
    QCOMPARE(onAnotherClock[0].uid, events[0].uid);
    QVERIFY(std::abs(onAnotherClock[0].start - events[0].start) <= 60);
    QCOMPARE(events[0].description, std::string("Sunrise at 7:07A (GMT-5)"));
    QCOMPARE(onAnotherClock[0].description, std::string("Sunrise at 08:07 (GMT-4)"));
    // Another place is another event.
    const auto elsewhere =
        ics::sunEvents(RowSettings{astro::Observer(40.76, -73.99), -5, false}, {2026, 12, 7});
    QVERIFY(elsewhere[0].uid != events[0].uid);
    QCOMPARE(ics::sunEvents(newYork, {2026, 12, 8})[0].uid,
             std::string("sunrise-20261208-40.75_-73.99@solvane-almanac"));
}

void TestIcsWriter::sunEventsFollowTheLines_data() {
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<astro::Date>("date");
    QTest::addColumn<QStringList>("starts");  // of the sunrise and sunset events, in UTC

    // Behind GMT the line shows the sunset of the day before; ahead of it, the sunrise of
    // the day after.
    QTest::addRow("New York, offset -5") << 40.75 << -73.99 << -5.0 << astro::Date{2026, 12, 7}
                                         << QStringList{"20261207T120700Z", "20261206T212800Z"};
    QTest::addRow("Sydney, offset 10") << -33.87 << 151.21 << 10.0 << astro::Date{2026, 12, 21}
                                       << QStringList{"20261221T184100Z", "20261221T090500Z"};
    QTest::addRow("Tromso, last sunset before the polar night")
        << 69.65 << 18.96 << 1.0 << astro::Date{2026, 11, 26} << QStringList{"20261126T110500Z"};
    QTest::addRow("Tromso, polar night")
        << 69.65 << 18.96 << 1.0 << astro::Date{2026, 11, 27} << QStringList{};
    QTest::addRow("Tromso, midnight sun")
        << 69.65 << 18.96 << 1.0 << astro::Date{2026, 6, 21} << QStringList{};
    QTest::addRow("no place") << 0.0 << 0.0 << 0.0 << astro::Date{2026, 6, 21} << QStringList{};
}

void TestIcsWriter::sunEventsFollowTheLines() {
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    QFETCH(astro::Date, date);
    QFETCH(QStringList, starts);

    QStringList found;
    for (const ics::Event& event :
         ics::sunEvents(RowSettings{astro::Observer(latitude, longitude), offset, false}, date)) {
        found << QString::fromStdString(ics::utcDateTime(event.start));
        QVERIFY(event.place.has_value());
    }
    // The sunrise first: compare as a set, the order of the lines is not the order in time.
    found.sort();
    starts.sort();
    QCOMPARE(found, starts);
}

void TestIcsWriter::phaseUidsCountLunations() {
    // The new moon of 9 December 2026 00:52 UT.
    const double newMoon = astro::principalPhaseNear(astro::PrincipalPhase::NewMoon, 2461383.5);
    const ics::Event event = ics::phaseEvent({astro::PrincipalPhase::NewMoon, newMoon});
    QCOMPARE(event.summary, std::string("New moon"));
    QCOMPARE(event.uid, std::string("lunation333-new-moon@solvane-almanac"));
    QVERIFY(!event.place.has_value());
    // A finer computation that moves the instant keeps the UID.
    QCOMPARE(ics::phaseEvent({astro::PrincipalPhase::NewMoon, newMoon + 0.5}).uid, event.uid);
    QCOMPARE(ics::phaseEvent({astro::PrincipalPhase::LastQuarter, newMoon - 7.4}).uid,
             std::string("lunation332-last-quarter@solvane-almanac"));
    QCOMPARE(ics::phaseEvent({astro::PrincipalPhase::FullMoon, newMoon + 14.8}).summary,
             std::string("Full moon"));
}

void TestIcsWriter::content_data() {
    QTest::addColumn<IcsContent>("content");
    QTest::addColumn<int>("sunEvents");
    QTest::addColumn<int>("moonEvents");

    // December 2026 in New York: 31 sunrises, 31 sunsets and five principal phases.
    QTest::addRow("sun and moon") << IcsContent::SunAndMoon << 62 << 5;
    QTest::addRow("--ics-only sun") << IcsContent::SunOnly << 62 << 0;
    QTest::addRow("--ics-only moon") << IcsContent::MoonOnly << 0 << 5;
}

void TestIcsWriter::content() {
    QFETCH(IcsContent, content);
    QFETCH(int, sunEvents);
    QFETCH(int, moonEvents);

    const QStringList uids = uidsOf(calendar({kNewYork, -5, false}, content, {{2026, 12, 1}}, 31));
    QCOMPARE(uids.filter(QRegularExpression("^sun(rise|set)-")).size(), sunEvents);
    QCOMPARE(uids.filter(QRegularExpression("^lunation")).size(), moonEvents);
    QCOMPARE(uids.size(), sunEvents + moonEvents);
}

void TestIcsWriter::exportsAreIdentical() {
    const RowSettings tromso{kTromso, 1, true};
    const QByteArray first = calendar(tromso, IcsContent::SunAndMoon, {{2026, 11, 20}}, 40);
    QCOMPARE(calendar(tromso, IcsContent::SunAndMoon, {{2026, 11, 20}}, 40), first);
    const QStringList uids = uidsOf(first);
    QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
    QVERIFY(first.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:"));
    QVERIFY(first.endsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    QVERIFY(!first.contains("TZID"));
    // A date listed twice gives its events once: two events of one UID are refused.
    const QByteArray listed =
        calendar(tromso, IcsContent::SunAndMoon, {{2026, 11, 24}, {2026, 11, 24}}, 0);
    QCOMPARE(uidsOf(listed).size(), 3);  // sunset, sunrise of the 25th, full moon
}

QTEST_GUILESS_MAIN(TestIcsWriter)
#include "tst_ics_writer.moc"
