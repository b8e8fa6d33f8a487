// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include "day_index.h"
#include "ics_text.h"
#include "reader.h"

using namespace solvane;
using namespace solvane::events;

class TestDayIndex : public QObject {
    Q_OBJECT

private slots:
    void datesCovered_data();
    void datesCovered();
    void datesAcrossZoneChanges_data();
    void datesAcrossZoneChanges();
};

void TestDayIndex::datesCovered_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("zone");  // an IANA name, or seconds ahead of UTC
    QTest::addColumn<QString>("dates");

    // The range is December 2026.
    QTest::addRow("one day") << ";VALUE=DATE:20261225"
                             << ";VALUE=DATE:20261226"
                             << "UTC"
                             << "2026-12-25";
    QTest::addRow("all day, three days") << ";VALUE=DATE:20261224"
                                         << ";VALUE=DATE:20261227"
                                         << "Europe/Berlin"
                                         << "2026-12-24 2026-12-25 2026-12-26";
    QTest::addRow("all day, DTEND equal to DTSTART") << ";VALUE=DATE:20261225"
                                                     << ";VALUE=DATE:20261225"
                                                     << "UTC"
                                                     << "2026-12-25";
    QTest::addRow("all day, from November") << ";VALUE=DATE:20261129"
                                            << ";VALUE=DATE:20261202"
                                            << "UTC"
                                            << "2026-12-01";
    QTest::addRow("all day, a century long, clipped") << ";VALUE=DATE:19500101"
                                                      << ";VALUE=DATE:20500101"
                                                      << "UTC"
                                                      << "whole December";
    QTest::addRow("timed within a day") << ":20261210T090000Z"
                                        << ":20261210T100000Z"
                                        << "UTC"
                                        << "2026-12-10";
    QTest::addRow("timed across midnight, UTC") << ":20261210T220000Z"
                                                << ":20261211T020000Z"
                                                << "UTC"
                                                << "2026-12-10 2026-12-11";
    QTest::addRow("UTC evening is the next local day in Tokyo") << ":20261210T200000Z"
                                                                << ":20261210T210000Z"
                                                                << "Asia/Tokyo"
                                                                << "2026-12-11";
    QTest::addRow("UTC evening across midnight in Berlin") << ":20261210T223000Z"
                                                           << ":20261210T233000Z"
                                                           << "Europe/Berlin"
                                                           << "2026-12-10 2026-12-11";
    QTest::addRow("fixed offset -5 h keeps it on the day before") << ":20261211T020000Z"
                                                                  << ":20261211T030000Z"
                                                                  << "-18000"
                                                                  << "2026-12-10";
    QTest::addRow("ends at local midnight, not on the next day") << ":20261210T220000"
                                                                 << ":20261211T000000"
                                                                 << "Europe/Berlin"
                                                                 << "2026-12-10";
    QTest::addRow("ends at midnight UTC, which is 01:00 in Berlin") << ":20261210T220000Z"
                                                                    << ":20261211T000000Z"
                                                                    << "Europe/Berlin"
                                                                    << "2026-12-10 2026-12-11";
    QTest::addRow("instant at midnight stays on its day") << ":20261211T000000"
                                                          << ":20261211T000000"
                                                          << "UTC"
                                                          << "2026-12-11";
    QTest::addRow("floating time in the local zone") << ":20261231T230000"
                                                     << ":20270101T010000"
                                                     << "America/New_York"
                                                     << "2026-12-31";
    QTest::addRow("before the range") << ":20261130T100000Z"
                                      << ":20261130T110000Z"
                                      << "UTC"
                                      << "";
}

void TestDayIndex::datesCovered() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, zone);
    QFETCH(QString, dates);

    bool isOffset = false;
    const int offset = zone.toInt(&isOffset);
    const ical::LocalZone local{isOffset ? "" : zone.toStdString(), isOffset ? offset : 0};
    const QByteArray bytes = test::calendar(test::event("a", start, end, "Event"));
    const ical::Request request{{2026, 12, 1}, {2027, 1, 1}, local, {}};
    const ical::ReadResult result =
        ical::readCalendar(std::string_view(bytes.constData(), bytes.size()), request);
    const DayIndex index =
        indexByDate(result, qtZone(local), QDate(2026, 12, 1), QDate(2027, 1, 1));

    QStringList found;
    for (const auto& [day, occurrences] : index.days) {
        QCOMPARE(occurrences.size(), 1u);
        found.append(day.toString(Qt::ISODate));
    }
    if (dates == "whole December") {
        QCOMPARE(found.size(), 31);
        return;
    }
    QCOMPARE(found.join(' '), dates);
}

// Timed occurrences around the zone's changes of offset, with the range March to October 2026:
// the local date of an end, and whether it is a local midnight, must follow the offset in
// force at that instant. Given as UTC instants so that the expectation is independent of the
// reader: the start's local date is the reader's, the end's the index's.
void TestDayIndex::datesAcrossZoneChanges_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("dates");

    // Berlin: CET until 2026-03-29 01:00 UTC, CEST until 2026-10-25 01:00 UTC.
    QTest::addRow("Berlin, ends at local midnight before summer time") << "20260328T220000Z"
                                                                       << "20260328T230000Z"
                                                                       << "Europe/Berlin"
                                                                       << "2026-03-28";
    QTest::addRow("Berlin, ends at local midnight in summer time") << "20260329T200000Z"
                                                                   << "20260329T220000Z"
                                                                   << "Europe/Berlin"
                                                                   << "2026-03-29";
    QTest::addRow("Berlin, 23:00 UTC is already the next day in summer") << "20260329T200000Z"
                                                                         << "20260329T230000Z"
                                                                         << "Europe/Berlin"
                                                                         << "2026-03-29 2026-03-30";
    QTest::addRow("Berlin, across the change back, in the repeated hour") << "20261025T003000Z"
                                                                          << "20261025T013000Z"
                                                                          << "Europe/Berlin"
                                                                          << "2026-10-25";
    QTest::addRow("Berlin, ends at local midnight after the change back") << "20261025T210000Z"
                                                                          << "20261025T230000Z"
                                                                          << "Europe/Berlin"
                                                                          << "2026-10-25";
    QTest::addRow("Berlin, the last second before the change back") << "20261024T200000Z"
                                                                    << "20261024T215959Z"
                                                                    << "Europe/Berlin"
                                                                    << "2026-10-24";
    // New York: EST until 2026-03-08 07:00 UTC, then EDT.
    QTest::addRow("New York, ends at local midnight after the change") << "20260309T020000Z"
                                                                       << "20260309T040000Z"
                                                                       << "America/New_York"
                                                                       << "2026-03-08";
    QTest::addRow("New York, 04:00 UTC was the same day's 23:00 before it") << "20260307T020000Z"
                                                                            << "20260307T040000Z"
                                                                            << "America/New_York"
                                                                            << "2026-03-06";
    // Lord Howe Island: +11 until 2026-04-05 02:00 local, then +10:30.
    QTest::addRow("Lord Howe, half an hour of change, ends at local midnight")
        << "20260405T123000Z"
        << "20260405T133000Z"
        << "Australia/Lord_Howe"
        << "2026-04-05";
    QTest::addRow("fixed offset +5:30, ends at local midnight") << "20260601T173000Z"
                                                                << "20260601T183000Z"
                                                                << "19800"
                                                                << "2026-06-01";
    QTest::addRow("ends after the range: clipped to its last day") << "20261031T100000Z"
                                                                   << "20270601T000000Z"
                                                                   << "Europe/Berlin"
                                                                   << "2026-10-31";
    QTest::addRow("began years before the range, ends on its first day") << "20200101T000000Z"
                                                                         << "20260301T120000Z"
                                                                         << "Europe/Berlin"
                                                                         << "2026-03-01";
}

void TestDayIndex::datesAcrossZoneChanges() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, zone);
    QFETCH(QString, dates);

    bool isOffset = false;
    const int offset = zone.toInt(&isOffset);
    const ical::LocalZone local{isOffset ? "" : zone.toStdString(), isOffset ? offset : 0};
    const QTimeZone qt = qtZone(local);
    const auto instant = [](const QString& text) {
        return QDateTime::fromString(text, "yyyyMMdd'T'HHmmss'Z'").toUTC();
    };
    const QDateTime begins(instant(start).date(), instant(start).time(), Qt::UTC);
    const QDateTime ends(instant(end).date(), instant(end).time(), Qt::UTC);
    QVERIFY(begins.isValid() && ends.isValid());
    ical::ReadResult result;
    ical::Occurrence occurrence;
    const QDate startDay = begins.toTimeZone(qt).date();
    occurrence.startDate = {startDay.year(), startDay.month(), startDay.day()};
    occurrence.start = begins.toSecsSinceEpoch();
    occurrence.end = ends.toSecsSinceEpoch();
    result.occurrences.push_back(occurrence);
    const DayIndex index = indexByDate(result, qt, QDate(2026, 3, 1), QDate(2026, 11, 1));

    QStringList found;
    for (const auto& [day, occurrences] : index.days)
        found.append(day.toString(Qt::ISODate));
    QCOMPARE(found.join(' '), dates);
}

QTEST_GUILESS_MAIN(TestDayIndex)
#include "tst_day_index.moc"
