// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The printed year's values from the settings: the place and clock in the title, the sun of the
// 1st and 15th, and the moon's principal phases on their local days. The expected days of the
// phases of 2027 come from python3-ephem (PyEphem 4.1.4), turned into the zone's local dates
// with Python's zoneinfo. The holidays come from the user's holiday calendars: files and the
// subscriptions' cached copies.

#include <QTemporaryDir>
#include <QTest>

#include "calendar_list.h"
#include "error_of.h"
#include "events_model.h"
#include "fakeplatform.h"
#include "page_holidays.h"
#include "settings.h"
#include "subscription_cache.h"
#include "system_zone_for_test.h"
#include "year_page_input.h"

using namespace solvane;
using namespace solvane::test;

namespace {

const QStringList kColours{"16711680", "65535", "16777215", "8388608", "12632256", "12632256"};

struct Loaded {
    Loaded(const QStringList& place, const QString& zone) : zoneForTest(zone) {
        platform.writePrefs(place + kColours);
        errorOf([&] { settings.load(); });
    }
    FakePlatform platform;
    SystemZoneForTest zoneForTest;
    prefs::Settings settings;
};

// "01-07N 01-15F ...": month-day and N(ew), F(irst quarter), U (full), L(ast quarter).
QString phasesText(const print::YearPageInput& input) {
    QStringList marks;
    for (const print::MoonMark& mark : input.moon)
        marks.append(QStringLiteral("%1-%2%3")
                         .arg(mark.localDate.month(), 2, 10, QLatin1Char('0'))
                         .arg(mark.localDate.day(), 2, 10, QLatin1Char('0'))
                         .arg(QLatin1Char("NFUL"[int(mark.phase)])));
    return marks.join(u' ');
}

// One calendar of all-day events, each "summary@yyyyMMdd".
QByteArray holidayFile(const QStringList& events) {
    QString text = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n");
    for (const QString& event : events)
        text += QStringLiteral(
                    "BEGIN:VEVENT\r\nUID:%1\r\nDTSTAMP:20260101T000000Z\r\n"
                    "DTSTART;VALUE=DATE:%2\r\nSUMMARY:%3\r\nEND:VEVENT\r\n")
                    .arg(event, event.section(u'@', 1), event.section(u'@', 0, 0));
    return (text + QStringLiteral("END:VCALENDAR\r\n")).toUtf8();
}

// "12-25 Christmas Day, ...": the page's holidays.
QString holidaysText(const print::YearPageInput& input) {
    QStringList listed;
    for (const print::Holiday& holiday : input.holidays)
        listed.append(holiday.date.toString(QStringLiteral("MM-dd ")) + holiday.name);
    return listed.join(QStringLiteral(", "));
}

}  // namespace

class YearPageInputTest : public QObject {
    Q_OBJECT

private slots:
    void moonPhasesStandOnTheirLocalDays_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("phases");
        QTest::newRow("Sydney")
            << QStringLiteral("Australia/Sydney")
            << QStringLiteral(
                   "01-08N 01-16F 01-22U 01-29L 02-07N 02-14F 02-21U 02-28L 03-08N 03-16F 03-22U "
                   "03-30L 04-07N 04-14F 04-21U 04-29L 05-06N 05-13F 05-20U 05-28L 06-05N 06-11F "
                   "06-19U 06-27L 07-04N 07-11F 07-19U 07-27L 08-02N 08-09F 08-17U 08-25L 09-01N "
                   "09-08F 09-16U 09-23L 09-30N 10-07F 10-16U 10-23L 10-30N 11-06F 11-14U 11-21L "
                   "11-28N 12-06F 12-14U 12-20L 12-28N");
        QTest::newRow("New York")
            << QStringLiteral("America/New_York")
            << QStringLiteral(
                   "01-07N 01-15F 01-22U 01-29L 02-06N 02-14F 02-20U 02-28L 03-08N 03-15F 03-22U "
                   "03-29L 04-06N 04-13F 04-20U 04-28L 05-06N 05-13F 05-20U 05-28L 06-04N 06-11F "
                   "06-18U 06-27L 07-03N 07-10F 07-18U 07-26L 08-02N 08-09F 08-17U 08-24L 08-31N "
                   "09-07F 09-15U 09-23L 09-29N 10-07F 10-15U 10-22L 10-29N 11-06F 11-13U 11-20L "
                   "11-27N 12-06F 12-13U 12-20L 12-27N");
        QTest::newRow("Berlin")
            << QStringLiteral("Europe/Berlin")
            << QStringLiteral(
                   "01-07N 01-15F 01-22U 01-29L 02-06N 02-14F 02-21U 02-28L 03-08N 03-15F 03-22U "
                   "03-30L 04-07N 04-14F 04-21U 04-28L 05-06N 05-13F 05-20U 05-28L 06-04N 06-11F "
                   "06-19U 06-27L 07-04N 07-10F 07-18U 07-26L 08-02N 08-09F 08-17U 08-25L 08-31N "
                   "09-07F 09-16U 09-23L 09-30N 10-07F 10-15U 10-22L 10-29N 11-06F 11-14U 11-21L "
                   "11-28N 12-06F 12-13U 12-20L 12-27N");
    }
    void moonPhasesStandOnTheirLocalDays() {
        if (!SystemZoneForTest::zoneDataInstalled())
            QSKIP("the zone files are not installed");
        QFETCH(QString, zone);
        QFETCH(QString, phases);
        // No place saved: the zone's city and clock are in force.
        const Loaded loaded({QStringLiteral("00"), {}, {}, QStringLiteral("0")}, zone);
        const print::YearPageInput input =
            yearPageInput(2027, &loaded.settings, QLocale(QLocale::English), false);
        QCOMPARE(phasesText(input), phases);
        QCOMPARE(input.zone, zone);
        QCOMPARE(input.place, zone.section(u'/', -1).replace(u'_', u' '));
        QCOMPARE(input.sun.size(), std::size_t(24));
    }

    // A place of the user's own is named by its coordinates, its clock by the offset.
    void savedPlaceAtFixedOffset_data() {
        QTest::addColumn<QStringList>("place");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("sunriseOn1stJanuary");
        QTest::newRow("Berlin") << QStringList{QStringLiteral("00"), QStringLiteral("E\u00b013.40"),
                                               QStringLiteral("N\u00b052.52"), QStringLiteral("1")}
                                << QStringLiteral("52.52\u00b0 N, 13.40\u00b0 E")
                                << QStringLiteral("UTC+01:00") << QStringLiteral("8:17A");
        QTest::newRow("Buenos Aires, 24-hour times")
            << QStringList{QStringLiteral("10"), QStringLiteral("W\u00b058.38"),
                           QStringLiteral("S\u00b034.60"), QStringLiteral("-3")}
            << QStringLiteral("34.60\u00b0 S, 58.38\u00b0 W") << QStringLiteral("UTC-03:00")
            << QString();
    }
    void savedPlaceAtFixedOffset() {
        QFETCH(QStringList, place);
        QFETCH(QString, title);
        QFETCH(QString, zone);
        QFETCH(QString, sunriseOn1stJanuary);
        const Loaded loaded(place, QString());
        const print::YearPageInput input =
            yearPageInput(2027, &loaded.settings, QLocale(QLocale::English), true);
        QCOMPARE(input.place, title);
        QCOMPARE(input.zone, zone);
        QVERIFY(input.weekNumbers);
        QCOMPARE(input.sun.size(), std::size_t(24));
        if (!sunriseOn1stJanuary.isEmpty())
            QCOMPARE(input.sun.front().sunrise, sunriseOn1stJanuary);
        QVERIFY(input.moon.size() >= 48);
    }

    // The calendars a page written without a window lists: the shown holiday calendars, read
    // from their files or their subscriptions' last copies, never fetched.
    void holidaysFromTheUsersHolidayCalendars_data() {
        QTest::addColumn<bool>("subscription");
        QTest::addColumn<bool>("holidays");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("present");  // the file exists, the copy is cached
        QTest::addColumn<QString>("listed");
        const QString both = QStringLiteral("05-01 Labour Day, 12-25 Christmas Day");
        QTest::newRow("holiday file") << false << true << true << true << both;
        QTest::newRow("holiday subscription's copy") << true << true << true << true << both;
        QTest::newRow("subscription never fetched") << true << true << true << false << QString();
        QTest::newRow("file missing") << false << true << true << false << QString();
        QTest::newRow("hidden holiday file") << false << true << false << true << QString();
        QTest::newRow("calendar of other events") << false << false << true << true << QString();
    }
    void holidaysFromTheUsersHolidayCalendars() {
        QFETCH(bool, subscription);
        QFETCH(bool, holidays);
        QFETCH(bool, shown);
        QFETCH(bool, present);
        QFETCH(QString, listed);
        QTemporaryDir dir;
        const HolidayFolders folders{dir.filePath(QStringLiteral("config")),
                                     dir.filePath(QStringLiteral("cache"))};
        const QByteArray bytes = holidayFile({QStringLiteral("Christmas Day@20271225"),
                                              QStringLiteral("Labour Day@20270501"),
                                              QStringLiteral("Another Year@20280101")});
        const QString path = dir.filePath(QStringLiteral("holidays.ics"));
        const QString address = QStringLiteral("webcal://holidays.example/de.ics");
        {
            calendars::CalendarList list(folders.config);
            const QString id = subscription ? list.addUrl(address, QStringLiteral("Holidays"), 0)
                                            : list.addFile(path, QStringLiteral("Holidays"), 0);
            QVERIFY(!id.isEmpty());
            list.setHolidays(id, holidays);
            list.setShown(id, shown);
        }
        if (present && subscription) {
            calendars::SubscriptionCache cache(folders.cache);
            QVERIFY(cache.store(QUrl(QStringLiteral("https://holidays.example/de.ics")),
                                {bytes, {}, {}}));
        } else if (present) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        events::EventsModel model;
        QVERIFY(readHolidayCalendars(model, folders, ical::LocalZone{}, QDate(2027, 1, 1),
                                     QDate(2027, 12, 31)));
        const Loaded loaded({QStringLiteral("00"), {}, {}, QStringLiteral("0")}, QString());
        const print::YearPageInput input =
            yearPageInput(2027, &loaded.settings, QLocale(QLocale::English), false, &model);
        QCOMPARE(holidaysText(input), listed);
    }
};

QTEST_MAIN(YearPageInputTest)
#include "tst_year_page_input.moc"
