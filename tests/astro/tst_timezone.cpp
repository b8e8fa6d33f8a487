// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <sys/stat.h>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include "file_head.h"
#include "timezone_sun.h"
#include "timezone_system.h"
#include "zonetab.h"

using namespace solvane::astro;

namespace {

const std::string kZoneinfo = "/usr/share/zoneinfo";

// The offsets of a zone of the system's zone folder, as Qt reads them; the test skips
// without the zone database.
OffsetAt systemZoneOrSkip(const QByteArray& name) {
    if (!QFile::exists(QString::fromStdString(kZoneinfo) + "/zone1970.tab")) {
        QTest::qSkip("the zone database (tzdata) is not installed", __FILE__, __LINE__);
    }
    const QTimeZone zone(name);
    return [zone](std::int64_t utcSeconds) {
        return long{zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC))};
    };
}

// A zone whose offset goes from `before` to `after` seconds at an instant.
OffsetAt clockChange(const char* isoInstant, long before, long after) {
    const std::int64_t change = QDateTime::fromString(isoInstant, Qt::ISODate).toSecsSinceEpoch();
    return [=](std::int64_t utcSeconds) { return utcSeconds < change ? before : after; };
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

// A FIFO nobody writes to: opening it for reading without O_NONBLOCK waits for ever.
QString makeFifo(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class TestTimeZone : public QObject {
    Q_OBJECT

private slots:
    void offsetAtLocalNoon_data();
    void offsetAtLocalNoon();
    void noonAroundAClockChange_data();
    void noonAroundAClockChange();
    void fileKinds_data();
    void fileKinds();
    void zoneTable_data();
    void zoneTable();
    void zoneTableFifo();
    void systemZoneName_data();
    void systemZoneName();
    void cLibraryZone_data();
    void cLibraryZone();
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
    QCOMPARE(offsetText(solvane::astro::offsetAtLocalNoon(dateOf(date), systemZoneOrSkip(zone))),
             expected);
}

void TestTimeZone::noonAroundAClockChange_data() {
    QTest::addColumn<QByteArray>("change");  // the instant of the change, UTC
    QTest::addColumn<int>("before");         // hours ahead of UTC before it
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("expected");  // at local noon of 2026-03-08

    QTest::addRow("forward in the small hours")
        << QByteArray("2026-03-08T07:00:00Z") << -5 << -4 << "-04:00";
    QTest::addRow("back in the small hours")
        << QByteArray("2026-03-08T06:00:00Z") << -4 << -5 << "-05:00";
    QTest::addRow("forward in the evening")
        << QByteArray("2026-03-08T23:00:00Z") << -5 << -4 << "-05:00";
    QTest::addRow("forward the evening before")
        << QByteArray("2026-03-07T23:00:00Z") << 10 << 11 << "+11:00";
    QTest::addRow("east, forward in the small hours")
        << QByteArray("2026-03-07T16:00:00Z") << 8 << 9 << "+09:00";
    QTest::addRow("east, forward in the afternoon")
        << QByteArray("2026-03-08T05:00:00Z") << 8 << 9 << "+08:00";
    QTest::addRow("a day's jump across the date line")
        << QByteArray("2026-03-07T10:00:00Z") << -10 << 14 << "+14:00";
}

// The afternoon's offset, whichever side of noon UTC the change lies.
void TestTimeZone::noonAroundAClockChange() {
    QFETCH(QByteArray, change);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QString, expected);
    const OffsetAt zone = clockChange(change.constData(), before * 3600L, after * 3600L);
    QCOMPARE(offsetText(solvane::astro::offsetAtLocalNoon(dateOf("2026-03-08"), zone)), expected);
}

void TestTimeZone::fileKinds_data() {
    QTest::addColumn<QString>("kind");  // what to put at the path
    QTest::addColumn<int>("expected");  // FileKind
    QTest::addColumn<bool>("readable");

    QTest::addRow("regular file") << "file" << int(FileKind::Regular) << true;
    QTest::addRow("link to a regular file") << "link" << int(FileKind::Regular) << true;
    QTest::addRow("nothing") << "none" << int(FileKind::Missing) << false;
    QTest::addRow("FIFO") << "fifo" << int(FileKind::Other) << false;
    QTest::addRow("folder") << "folder" << int(FileKind::Other) << false;
    QTest::addRow("device") << "device" << int(FileKind::Other) << false;
}

// Only regular files are read, and asking about a FIFO returns at once.
void TestTimeZone::fileKinds() {
    QFETCH(QString, kind);
    QFETCH(int, expected);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    QString path = dir.filePath("zone");
    if (kind == "file" || kind == "link") {
        writeFile(dir.filePath("zone"), "TZif2");
    }
    if (kind == "link") {
        QVERIFY(QFile::link(dir.filePath("zone"), dir.filePath("link")));
        path = dir.filePath("link");
    } else if (kind == "fifo") {
        QVERIFY(!makeFifo(dir, "zone").isEmpty());
    } else if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("zone"));
    } else if (kind == "device") {
        path = "/dev/zero";
    }
    QCOMPARE(int(fileKind(path.toStdString())), expected);
    QCOMPARE(readFileHead(path.toStdString(), 100).has_value(), readable);
    QCOMPARE(isZoneFile(path.toStdString()), readable);
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

// A FIFO as zone1970.tab is passed over for zone.tab.
void TestTimeZone::zoneTableFifo() {
    QTemporaryDir dir;
    QVERIFY(!makeFifo(dir, "zone1970.tab").isEmpty());
    writeFile(dir.filePath("zone.tab"), "US\t+404251-0740023\tAmerica/New_York\n");
    const auto place = zonePlace(dir.path().toStdString(), "America/New_York");
    QVERIFY(place);
    QCOMPARE(QString::fromStdString(place->city), QString("New York"));
}

void TestTimeZone::systemZoneName_data() {
    QTest::addColumn<QByteArray>("tz");             // "-" for an unset TZ
    QTest::addColumn<QByteArray>("timezoneFile");   // "-" for none, "FIFO" for a FIFO
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
    QTest::addRow("timezone file a FIFO")
        << QByteArray("-") << QByteArray("FIFO") << QByteArray("../usr/share/zoneinfo/Asia/Tokyo")
        << "Asia/Tokyo";
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
    if (timezoneFile == "FIFO") {
        QVERIFY(!makeFifo(dir, "timezone").isEmpty());
    } else if (timezoneFile != "-") {
        writeFile(QString::fromStdString(sources.timezoneFile), timezoneFile);
    }
    if (localtimeLink != "-") {
        QVERIFY(QFile::link(localtimeLink, QString::fromStdString(sources.localtimeFile)));
    }
    const auto name = solvane::astro::systemZoneName(sources);
    QCOMPARE(name ? QString::fromStdString(*name) : QString("-"), expected);
}

void TestTimeZone::cLibraryZone_data() {
    QTest::addColumn<QByteArray>("tz");     // "-" for an unset TZ
    QTest::addColumn<QByteArray>("fifo");   // the file of the folder that is a FIFO, if any
    QTest::addColumn<QString>("expected");  // the TZ value, "@" standing for the folder
    QTest::addColumn<bool>("blocked");

    QTest::addRow("zone by name") << QByteArray("Europe/Berlin") << QByteArray()
                                  << ":@/Europe/Berlin" << false;
    QTest::addRow("zone with a colon")
        << QByteArray(":Europe/Berlin") << QByteArray() << ":@/Europe/Berlin" << false;
    QTest::addRow("zone file a FIFO")
        << QByteArray("Europe/Berlin") << QByteArray("Europe/Berlin") << "" << true;
    QTest::addRow("rule") << QByteArray("EST5EDT,M3.2.0,M11.1.0") << QByteArray()
                          << "EST5EDT,M3.2.0,M11.1.0" << false;
    QTest::addRow("rule, posixrules a FIFO")
        << QByteArray("EST5EDT") << QByteArray("posixrules") << "" << true;
    QTest::addRow("empty TZ") << QByteArray("") << QByteArray() << "" << false;
    QTest::addRow("empty TZ, Universal a FIFO")
        << QByteArray("") << QByteArray("Universal") << "" << true;
    QTest::addRow("no TZ: localtime") << QByteArray("-") << QByteArray() << ":@/localtime" << false;
    QTest::addRow("no TZ, localtime a FIFO")
        << QByteArray("-") << QByteArray("localtime") << "" << true;
}

// Every file the C library would open for the zone is a regular one, or the zone is UTC.
void TestTimeZone::cLibraryZone() {
    QFETCH(QByteArray, tz);
    QFETCH(QByteArray, fifo);
    QFETCH(QString, expected);
    QFETCH(bool, blocked);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Europe"));
    for (const char* name : {"Europe/Berlin", "localtime"}) {
        if (fifo != name) {
            writeFile(dir.filePath(name), "TZif2");
        }
    }
    if (!fifo.isEmpty()) {
        QVERIFY(!makeFifo(dir, fifo).isEmpty());
    }
    SystemZoneSources sources;
    sources.zoneinfoDir = dir.path().toStdString();
    sources.localtimeFile = dir.filePath("localtime").toStdString();
    if (tz != "-") {
        sources.tzVariable = tz.toStdString();
    }
    const CLibraryZone zone = solvane::astro::cLibraryZone(sources);
    QCOMPARE(QString::fromStdString(zone.tz), QString(expected).replace("@", dir.path()));
    QCOMPARE(zone.blocked, blocked);
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

// The place is the zone's reference city, the offsets Qt's.
void TestTimeZone::wallClockSunTimes() {
    QFETCH(QByteArray, tz);
    QFETCH(QByteArray, date);
    QFETCH(QString, expected);
    const OffsetAt zone = systemZoneOrSkip(tz);
    const auto city = zonePlace(kZoneinfo, tz.toStdString());
    QVERIFY(city);
    SunTexts texts;
    const auto shown = computeSunInZone(texts, dateOf(date), city->latitude, city->longitude,
                                        noonOffsets(dateOf(date), zone), true);
    QCOMPARE(QString::fromStdString(shown.sunrise + " " + shown.sunset), expected);
}

QTEST_APPLESS_MAIN(TestTimeZone)
#include "tst_timezone.moc"
