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

QTEST_GUILESS_MAIN(TestDayIndex)
#include "tst_day_index.moc"
