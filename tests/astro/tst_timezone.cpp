// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "timezone.h"
#include "timezone_sun.h"
#include "timezone_system.h"
#include "zonetab.h"

using namespace solvane::astro;

namespace {

const std::string kZoneinfo = "/usr/share/zoneinfo";

TimeZone systemZoneOrSkip(const char* name) {
    const auto zone = loadZone(kZoneinfo, name);
    if (!zone) {
        QTest::qSkip("the zone database (tzdata) is not installed", __FILE__, __LINE__);
    }
    return zone.value_or(TimeZone::fixed(0));
}

std::int64_t utcSeconds(const char* isoText) {
    return QDateTime::fromString(isoText, Qt::ISODate).toSecsSinceEpoch();
}

Date dateOf(const char* isoText) {
    const QDate date = QDate::fromString(isoText, Qt::ISODate);
    return Date{date.year(), date.month(), date.day()};
}

// "+05:45" for 20700 seconds, the form the rows are written in.
QString offsetText(long seconds) {
    const long minutes = std::abs(seconds) / 60;
    return QString::asprintf("%c%02ld:%02ld", seconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
}

}  // namespace

class TestTimeZone : public QObject {
    Q_OBJECT

private slots:
    void offsetAtLocalNoon_data();
    void offsetAtLocalNoon();
    void posixRule_data();
    void posixRule();
    void damagedZoneFile_data();
    void damagedZoneFile();
    void zoneTable_data();
    void zoneTable();
    void systemZoneName_data();
    void systemZoneName();
    void wallClockSunTimes_data();
    void wallClockSunTimes();
};

void TestTimeZone::offsetAtLocalNoon_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QString>("expected");

    QTest::addRow("New York, winter")
        << QByteArray("America/New_York") << QByteArray("2026-01-15") << "-05:00";
    QTest::addRow("New York, summer")
        << QByteArray("America/New_York") << QByteArray("2026-07-15") << "-04:00";
    QTest::addRow("New York, day clocks go forward")
        << QByteArray("America/New_York") << QByteArray("2026-03-08") << "-04:00";
    QTest::addRow("New York, day clocks go back")
        << QByteArray("America/New_York") << QByteArray("2026-11-01") << "-05:00";
    QTest::addRow("New York, 1974 winter saving time")
        << QByteArray("America/New_York") << QByteArray("1974-01-15") << "-04:00";
    QTest::addRow("New York, past the table")
        << QByteArray("America/New_York") << QByteArray("2150-07-01") << "-04:00";
    QTest::addRow("Berlin, winter")
        << QByteArray("Europe/Berlin") << QByteArray("2026-01-15") << "+01:00";
    QTest::addRow("Berlin, summer")
        << QByteArray("Europe/Berlin") << QByteArray("2026-07-15") << "+02:00";
    QTest::addRow("Berlin, 1945 double summer time")
        << QByteArray("Europe/Berlin") << QByteArray("1945-06-15") << "+03:00";
    QTest::addRow("Berlin, 1978 without summer time")
        << QByteArray("Europe/Berlin") << QByteArray("1978-07-15") << "+01:00";
    QTest::addRow("Lord Howe, half-hour saving")
        << QByteArray("Australia/Lord_Howe") << QByteArray("2026-01-15") << "+11:00";
    QTest::addRow("Lord Howe, standard")
        << QByteArray("Australia/Lord_Howe") << QByteArray("2026-07-15") << "+10:30";
    QTest::addRow("Lord Howe, 1980")
        << QByteArray("Australia/Lord_Howe") << QByteArray("1980-07-15") << "+10:00";
    QTest::addRow("Kathmandu") << QByteArray("Asia/Kathmandu") << QByteArray("2026-07-15")
                               << "+05:45";
    QTest::addRow("Kathmandu before 1986")
        << QByteArray("Asia/Kathmandu") << QByteArray("1980-07-15") << "+05:30";
    QTest::addRow("Chatham, summer")
        << QByteArray("Pacific/Chatham") << QByteArray("2026-01-15") << "+13:45";
    QTest::addRow("Chatham, winter")
        << QByteArray("Pacific/Chatham") << QByteArray("2026-07-15") << "+12:45";
    QTest::addRow("UTC") << QByteArray("UTC") << QByteArray("2026-07-15") << "+00:00";
}

void TestTimeZone::offsetAtLocalNoon() {
    QFETCH(QByteArray, zone);
    QFETCH(QByteArray, date);
    QFETCH(QString, expected);
    const TimeZone timeZone = systemZoneOrSkip(zone.constData());
    QCOMPARE(offsetText(timeZone.offsetAtLocalNoon(dateOf(date))), expected);
}

void TestTimeZone::posixRule_data() {
    QTest::addColumn<QByteArray>("rule");
    QTest::addColumn<QByteArray>("instant");
    QTest::addColumn<QString>("expected");  // empty when the rule is refused

    const QByteArray us = "EST5EDT,M3.2.0,M11.1.0";
    QTest::addRow("US, a second before 2 AM standard")
        << us << QByteArray("2026-03-08T06:59:59Z") << "-05:00";
    QTest::addRow("US, 2 AM standard") << us << QByteArray("2026-03-08T07:00:00Z") << "-04:00";
    QTest::addRow("US, a second before 2 AM daylight")
        << us << QByteArray("2026-11-01T05:59:59Z") << "-04:00";
    QTest::addRow("US, 2 AM daylight") << us << QByteArray("2026-11-01T06:00:00Z") << "-05:00";
    QTest::addRow("US rules when none are written")
        << QByteArray("EST5EDT") << QByteArray("2031-07-01T12:00:00Z") << "-04:00";
    QTest::addRow("southern saving across new year")
        << QByteArray("<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45")
        << QByteArray("2031-01-10T00:00:00Z") << "+13:45";
    QTest::addRow("southern winter") << QByteArray("<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45")
                                     << QByteArray("2031-06-10T00:00:00Z") << "+12:45";
    QTest::addRow("fifth week means the last") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3")
                                               << QByteArray("2031-03-30T00:59:59Z") << "+01:00";
    QTest::addRow("winter saving, negative standard")
        << QByteArray("IST-1GMT0,M10.5.0,M3.5.0/1") << QByteArray("2031-01-10T00:00:00Z")
        << "+00:00";
    QTest::addRow("times below zero") << QByteArray("<-02>2<-01>,M3.5.0/-1,M10.5.0/0")
                                      << QByteArray("2031-03-30T00:59:59Z") << "-02:00";
    QTest::addRow("saving all year")
        << QByteArray("EST5EDT4,0/0,J365/25") << QByteArray("2031-12-31T23:00:00Z") << "-04:00";
    QTest::addRow("Julian day, leap day not counted")
        << QByteArray("AAA0BBB,J60,J300") << QByteArray("2032-02-29T12:00:00Z") << "+00:00";
    QTest::addRow("zero-based day")
        << QByteArray("AAA0BBB,59,J300") << QByteArray("2032-02-29T12:00:00Z") << "+01:00";
    QTest::addRow("empty") << QByteArray("") << QByteArray("2031-01-01T00:00:00Z") << "";
    QTest::addRow("no offset") << QByteArray("EST") << QByteArray("2031-01-01T00:00:00Z") << "";
    QTest::addRow("short name") << QByteArray("E5") << QByteArray("2031-01-01T00:00:00Z") << "";
    QTest::addRow("month 13") << QByteArray("EST5EDT,M13.1.0,M11.1.0")
                              << QByteArray("2031-01-01T00:00:00Z") << "";
    QTest::addRow("trailing text")
        << QByteArray("EST5EDT,M3.2.0,M11.1.0x") << QByteArray("2031-01-01T00:00:00Z") << "";
}

void TestTimeZone::posixRule() {
    QFETCH(QByteArray, rule);
    QFETCH(QByteArray, instant);
    QFETCH(QString, expected);
    const auto zone = TimeZone::fromPosixRule(rule.toStdString());
    QCOMPARE(zone.has_value(), !expected.isEmpty());
    if (zone) {
        QCOMPARE(offsetText(zone->offsetAt(utcSeconds(instant))), expected);
    }
}

void TestTimeZone::damagedZoneFile_data() {
    QTest::addColumn<int>("keep");  // bytes kept from the start of the file, -1 for all
    QTest::addColumn<int>("poke");  // a byte offset to overwrite with 0xFF, -1 for none
    QTest::addColumn<bool>("valid");

    QTest::addRow("whole file") << -1 << -1 << true;
    QTest::addRow("header only") << 44 << -1 << false;
    QTest::addRow("cut in the first block") << 100 << -1 << false;
    QTest::addRow("cut in the footer") << -2 << -1 << false;
    QTest::addRow("bad magic") << -1 << 0 << false;
    QTest::addRow("type count huge") << -1 << 36 << false;
}

// Damaged or hostile files are refused, never read past their end.
void TestTimeZone::damagedZoneFile() {
    QFETCH(int, keep);
    QFETCH(int, poke);
    QFETCH(bool, valid);
    QFile file(QString::fromStdString(kZoneinfo) + "/America/New_York");
    if (!file.open(QIODevice::ReadOnly)) {
        QSKIP("the zone database (tzdata) is not installed");
    }
    QByteArray bytes = file.readAll();
    bytes.truncate(keep == -2 ? bytes.size() - 2 : keep == -1 ? bytes.size() : keep);
    if (poke >= 0) {
        bytes[poke] = char(0xFF);
    }
    QCOMPARE(TimeZone::fromTzif(bytes.toStdString()).has_value(), valid);
}

void TestTimeZone::zoneTable_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("expected");  // "city lat lon", empty for none

    const QByteArray zone1970 =
        "# tzdb timezone descriptions\n"
        "#codes\tcoordinates\tTZ\tcomments\n"
        "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
        "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\r\n"
        "NZ\t-4357-17633\tPacific/Chatham\tChatham Islands\n"
        "XX\t+9100+00000\tEtc/Broken\n"
        "NP\t+2743+08519\tAsia/Kathmandu";
    QTest::addRow("seconds in both")
        << zone1970 << QByteArray("America/New_York") << "New York 40.7142 -74.0064";
    QTest::addRow("three parts, CR LF") << zone1970 << QByteArray("America/Argentina/Buenos_Aires")
                                        << "Buenos Aires -34.6000 -58.4500";
    QTest::addRow("east of 180 west")
        << zone1970 << QByteArray("Pacific/Chatham") << "Chatham -43.9500 -176.5500";
    QTest::addRow("last line without newline")
        << zone1970 << QByteArray("Asia/Kathmandu") << "Kathmandu 27.7167 85.3167";
    QTest::addRow("latitude out of range") << zone1970 << QByteArray("Etc/Broken") << "";
    QTest::addRow("not listed") << zone1970 << QByteArray("UTC") << "";
    QTest::addRow("comment is not a zone") << zone1970 << QByteArray("TZ") << "";
}

void TestTimeZone::zoneTable() {
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, zone);
    QFETCH(QString, expected);
    const auto place = findZonePlace(table.toStdString(), zone.toStdString());
    const QString actual = place ? QString("%1 %2 %3")
                                       .arg(QString::fromStdString(place->city))
                                       .arg(place->latitude, 0, 'f', 4)
                                       .arg(place->longitude, 0, 'f', 4)
                                 : QString();
    QCOMPARE(actual, expected);
}

void TestTimeZone::systemZoneName_data() {
    QTest::addColumn<QByteArray>("tz");             // "-" for an unset TZ
    QTest::addColumn<QByteArray>("timezoneFile");   // "-" for no /etc/timezone
    QTest::addColumn<QByteArray>("localtimeLink");  // "-" for no /etc/localtime
    QTest::addColumn<QString>("expected");          // "-" for no name

    QTest::addRow("TZ") << QByteArray("Asia/Kathmandu") << QByteArray("Europe/Berlin\n")
                        << QByteArray("-") << "Asia/Kathmandu";
    QTest::addRow("TZ with a colon") << QByteArray(":Pacific/Chatham") << QByteArray("-")
                                     << QByteArray("-") << "Pacific/Chatham";
    QTest::addRow("TZ as a path") << QByteArray("/usr/share/zoneinfo/Europe/Berlin")
                                  << QByteArray("-") << QByteArray("-") << "Europe/Berlin";
    QTest::addRow("empty TZ") << QByteArray("") << QByteArray("Europe/Berlin\n") << QByteArray("-")
                              << "UTC";
    QTest::addRow("timezone file") << QByteArray("-") << QByteArray(" Europe/Berlin \r\n")
                                   << QByteArray("../usr/share/zoneinfo/UTC") << "Europe/Berlin";
    QTest::addRow("localtime link")
        << QByteArray("-") << QByteArray("\n")
        << QByteArray("../usr/share/zoneinfo/posix/Australia/Lord_Howe") << "Australia/Lord_Howe";
    QTest::addRow("nothing") << QByteArray("-") << QByteArray("-") << QByteArray("-") << "-";
}

void TestTimeZone::systemZoneName() {
    QFETCH(QByteArray, tz);
    QFETCH(QByteArray, timezoneFile);
    QFETCH(QByteArray, localtimeLink);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    SystemZoneSources sources;
    sources.timezoneFile = (dir.path() + "/timezone").toStdString();
    sources.localtimeFile = (dir.path() + "/localtime").toStdString();
    if (tz != "-") {
        sources.tzVariable = tz.toStdString();
    }
    if (timezoneFile != "-") {
        QFile file(QString::fromStdString(sources.timezoneFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(timezoneFile);
    }
    if (localtimeLink != "-") {
        QVERIFY(QFile::link(localtimeLink, QString::fromStdString(sources.localtimeFile)));
    }
    const auto name = solvane::astro::systemZoneName(sources);
    QCOMPARE(name ? QString::fromStdString(*name) : QString("-"), expected);
}

void TestTimeZone::wallClockSunTimes_data() {
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QString>("expected");  // "sunrise sunset", 24-hour

    // Each at the zone's reference city. With an offset below zero the sunset shown is the
    // day before's, otherwise the sunrise shown is the day after's.
    QTest::addRow("New York, winter")
        << QByteArray("America/New_York") << QByteArray("2026-01-15") << "07:18 16:52";
    QTest::addRow("New York, summer")
        << QByteArray("America/New_York") << QByteArray("2026-07-15") << "05:38 20:26";
    QTest::addRow("New York, clocks forward that night")
        << QByteArray("America/New_York") << QByteArray("2026-03-08") << "07:19 17:54";
    QTest::addRow("New York, clocks back that night")
        << QByteArray("America/New_York") << QByteArray("2026-11-02") << "06:28 16:52";
    QTest::addRow("Berlin, winter")
        << QByteArray("Europe/Berlin") << QByteArray("2026-01-15") << "08:09 16:22";
    QTest::addRow("Berlin, summer")
        << QByteArray("Europe/Berlin") << QByteArray("2026-07-15") << "05:03 21:22";
    QTest::addRow("Berlin, clocks forward next night")
        << QByteArray("Europe/Berlin") << QByteArray("2026-03-28") << "06:48 18:34";
    QTest::addRow("Lord Howe, summer")
        << QByteArray("Australia/Lord_Howe") << QByteArray("2026-01-15") << "05:34 19:32";
    QTest::addRow("Lord Howe, winter")
        << QByteArray("Australia/Lord_Howe") << QByteArray("2026-07-15") << "06:51 17:08";
    QTest::addRow("Kathmandu") << QByteArray("Asia/Kathmandu") << QByteArray("2026-07-15")
                               << "05:18 19:02";
    QTest::addRow("Chatham, summer")
        << QByteArray("Pacific/Chatham") << QByteArray("2026-01-15") << "06:08 21:13";
    QTest::addRow("Chatham, winter")
        << QByteArray("Pacific/Chatham") << QByteArray("2026-07-15") << "08:01 17:13";
}

// TZ set per row, read the way the program reads it; the place is the zone's reference city.
void TestTimeZone::wallClockSunTimes() {
    QFETCH(QByteArray, tz);
    QFETCH(QByteArray, date);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", tz);
    const auto zone = systemZone(SystemZoneSources::fromEnvironment());
    qputenv("TZ", saved);
    QVERIFY(zone);
    QCOMPARE(QString::fromStdString(zone->name), QString(tz));
    const auto city = zonePlace(kZoneinfo, zone->name);
    if (!city) {
        QSKIP("the zone table (tzdata) is not installed");
    }
    SunTexts texts;
    const auto shown =
        computeSunInZone(texts, dateOf(date), city->latitude, city->longitude, zone->zone, true);
    QCOMPARE(QString::fromStdString(shown.sunrise + " " + shown.sunset), expected);
}

QTEST_APPLESS_MAIN(TestTimeZone)
#include "tst_timezone.moc"
