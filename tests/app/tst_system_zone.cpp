// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Sun times on the system zone's wall clock: today's strip and a clicked day in both halves of
// the daylight-saving year, the fixed offset of older files, and a first start without a place
// that shows the zone city's times and writes nothing. The expected times are the almanac's
// with --tz for the same place and dates.

#include <sys/stat.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app_fixture.h"
#include "hints.h"
#include "system_zone_for_test.h"
#include "tcurrencyedit.h"

using namespace solvane;
using namespace solvane::test;

namespace {

struct Strip {
    QString sunrise;
    QString sunset;
};

Strip strip(const TCalendar& calendar) {
    return {labelText(calendar, "Label3"), labelText(calendar, "Label4")};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The other half of the year, the same year.
QDate otherHalf(const QDate& date) {
    return QDate(date.year(), date.month() <= 6 ? 12 : 1, 1);
}

}  // namespace

class TestSystemZone : public QObject {
    Q_OBJECT

private slots:
    void init();
    void wallClockTimes_data();
    void wallClockTimes();
    void firstStartShowsTheZoneCityAndWritesNothing();
    void parametersShowTodaysOffset_data();
    void parametersShowTodaysOffset();
    void switchingOffGivesTheFixedOffsetBack();
    void fifoAmongTheZoneFiles_data();
    void fifoAmongTheZoneFiles();
};

void TestSystemZone::init() {
    if (!SystemZoneForTest::zoneDataInstalled())
        QSKIP("the system's zone data (Debian's tzdata) is not installed");
}

void TestSystemZone::wallClockTimes_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QStringList>("prefs");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    // A first start: no place, so the zone's reference city on the zone's clock.
    const QStringList noPlace = placePrefs("10", "", "", "");
    const struct {
        const char* zone;
        QDate date;
        const char* sunrise;
        const char* sunset;
    } cities[] = {
        {"America/New_York", {2026, 1, 15}, "07:18", "16:52"},
        {"America/New_York", {2026, 7, 15}, "05:38", "20:26"},
        {"Europe/Berlin", {2026, 1, 15}, "08:09", "16:22"},
        {"Europe/Berlin", {2026, 7, 15}, "05:03", "21:22"},
        {"Australia/Lord_Howe", {2026, 1, 15}, "05:34", "19:32"},
        {"Australia/Lord_Howe", {2026, 7, 15}, "06:51", "17:08"},
        {"Asia/Kathmandu", {2026, 1, 15}, "06:56", "17:31"},
        {"Asia/Kathmandu", {2026, 7, 15}, "05:18", "19:02"},
        {"Pacific/Chatham", {2026, 1, 15}, "06:08", "21:13"},
        {"Pacific/Chatham", {2026, 7, 15}, "08:01", "17:13"},
        // Offsets of their day in history: Kathmandu at +5:30, New York's winter of 1974 on
        // daylight saving time.
        {"Asia/Kathmandu", {1980, 7, 15}, "05:03", "18:46"},
        {"America/New_York", {1974, 1, 15}, "08:18", "17:52"},
    };
    for (const auto& city : cities) {
        QTest::addRow("%s, %s", city.zone, qPrintable(city.date.toString(Qt::ISODate)))
            << city.zone << noPlace << city.date << city.sunrise << city.sunset;
    }
    // A place of the user's own on the zone's clock, and the fixed offset of older files.
    const QString ny[] = {QString::fromUtf8("W°73.99"), QString::fromUtf8("N°40.75")};
    QTest::addRow("own place, zone, summer")
        << "America/New_York" << placePrefs("101", ny[0], ny[1], "-5") << QDate(1992, 6, 19)
        << "05:24"
        << "20:30";
    QTest::addRow("own place, zone, winter")
        << "America/New_York" << placePrefs("101", ny[0], ny[1], "-5") << QDate(1992, 12, 19)
        << "07:16"
        << "16:30";
    QTest::addRow("two-character flags keep the fixed offset")
        << "America/New_York" << placePrefs("10", ny[0], ny[1], "-5") << QDate(1992, 6, 19)
        << "04:24"
        << "19:30";
    QTest::addRow("Berlin, the day clocks go forward")
        << "Europe/Berlin"
        << placePrefs("101", QString::fromUtf8("E°13.41"), QString::fromUtf8("N°52.52"), "")
        << QDate(2026, 3, 29) << "06:46"
        << "19:35";
    QTest::addRow("Berlin, the day clocks go back")
        << "Europe/Berlin"
        << placePrefs("101", QString::fromUtf8("E°13.41"), QString::fromUtf8("N°52.52"), "")
        << QDate(2026, 10, 25) << "06:52"
        << "16:50";
    QTest::addRow("UTC has no city: no place, no times")
        << "UTC" << noPlace << QDate(2026, 7, 15) << ""
        << "";
    QTest::addRow("UTC with a place")
        << "UTC" << placePrefs("101", QString::fromUtf8("W°0.12"), QString::fromUtf8("N°51.5"), "")
        << QDate(2001, 10, 3) << "06:06"
        << "17:34";
}

void TestSystemZone::wallClockTimes() {
    QFETCH(QString, zone);
    QFETCH(QStringList, prefs);
    QFETCH(QDate, date);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    const SystemZoneForTest systemZone(zone);
    AppFixture app(QDateTime(date, QTime(10, 0)), prefs);
    app.activate();
    QCOMPARE(strip(*app.calendar).sunrise, sunrise);
    QCOMPARE(strip(*app.calendar).sunset, sunset);

    // The same day clicked while today lies in the other half of the year.
    app.platform.setToday(otherHalf(date));
    app.activate();
    clickDay(app.month(date.month()), date.day());
    QCOMPARE(strip(*app.calendar).sunrise, sunrise);
    QCOMPARE(strip(*app.calendar).sunset, sunset);
    QVERIFY(app.platform.boxes.isEmpty());
}

void TestSystemZone::firstStartShowsTheZoneCityAndWritesNothing() {
    const SystemZoneForTest systemZone(QStringLiteral("America/New_York"));
    AppFixture app(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), placePrefs("001", "", "", ""));
    const QByteArray before = fileBytes(app.platform.prefsPath());
    app.activate();
    QCOMPARE(strip(*app.calendar).sunrise, "7:06A");
    QCOMPARE(strip(*app.calendar).sunset, "4:28P");
    const QString note =
        QStringLiteral("Times for New York (America/New_York); set your place in Parameters");
    QCOMPARE(hint(child<QLabel>(*app.calendar, "Label3")), "Sunrise\n" + note);
    QCOMPARE(hint(child<QLabel>(*app.calendar, "Label4")), "Sunset\n" + note);

    // Inside Parameters the note says why the zone switch is greyed, and so does its hint.
    auto* shown = child<QLabel>(*app.home(), "Label12");
    QVERIFY(shown->isVisibleTo(app.home()));
    QCOMPARE(
        shown->text(),
        QStringLiteral("Times for New York (America/New_York) until you save a place here. "
                       "Until then they follow the system time zone, so its switch stays on."));
    auto* zoneSwitch = child<QCheckBox>(*app.home(), "CheckBox3");
    QVERIFY(zoneSwitch->isChecked());
    QVERIFY(!zoneSwitch->isEnabled());
    QCOMPARE(zoneSwitch->accessibleDescription(), "On until you save a place");
    QCOMPARE(child<QLineEdit>(*app.home(), "Edit1")->placeholderText(),
             QString::fromUtf8("N°40.71"));
    QCOMPARE(child<QLineEdit>(*app.home(), "Edit2")->placeholderText(),
             QString::fromUtf8("W°74.01"));
    // The day's computation and its return to today write nothing either.
    clickDay(app.month(7), 15);
    app.calendar->Timer1Timer();
    QCOMPARE(fileBytes(app.platform.prefsPath()), before);

    // A place of the user's own, saved, ends the first start.
    QTest::keyClicks(child<QLineEdit>(*app.home(), "Edit1"), QString::fromUtf8("N°40.75"));
    QTest::keyClicks(child<QLineEdit>(*app.home(), "Edit2"), QString::fromUtf8("W°73.99"));
    app.home()->SavePreferences();
    QVERIFY(!shown->isVisibleTo(app.home()));
    QVERIFY(zoneSwitch->isEnabled());
    QCOMPARE(zoneSwitch->accessibleDescription(), QString());
    app.activate();
    QCOMPARE(strip(*app.calendar).sunrise, "7:07A");
    QCOMPARE(hint(child<QLabel>(*app.calendar, "Label3")), "Sunrise");
    QCOMPARE(fileBytes(app.platform.prefsPath()).left(23),
             QString::fromUtf8("001\r\nW°73.99\r\nN°40.75\r\n").toLatin1());
}

void TestSystemZone::parametersShowTodaysOffset_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("greyed");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("listText");
    QTest::addRow("New York, winter")
        << "America/New_York"
        << "001" << QDate(2026, 12, 7) << true << -5.0 << "GMT (-5:00)";
    QTest::addRow("New York, summer")
        << "America/New_York"
        << "001" << QDate(2026, 7, 15) << true << -4.0 << "GMT (-4:00)";
    QTest::addRow("Kathmandu, 45 minutes")
        << "Asia/Kathmandu"
        << "001" << QDate(2026, 7, 15) << true << 5.75 << "GMT (+5:45)";
    QTest::addRow("Chatham, summer")
        << "Pacific/Chatham"
        << "001" << QDate(2026, 1, 15) << true << 13.75 << "GMT (+13:45)";
    QTest::addRow("UTC") << "UTC"
                         << "001" << QDate(2026, 7, 15) << true << 0.0 << "GMT (0:00)";
    QTest::addRow("two-character flags: the fixed offset")
        << "America/New_York"
        << "00" << QDate(2026, 7, 15) << false << -3.5 << "Newfoundland (-03:30) Newfoundland";
    QTest::addRow("no system zone: the fixed offset")
        << ""
        << "001" << QDate(2026, 7, 15) << false << -3.5 << "Newfoundland (-03:30) Newfoundland";
}

void TestSystemZone::parametersShowTodaysOffset() {
    QFETCH(QString, zone);
    QFETCH(QString, flags);
    QFETCH(QDate, today);
    QFETCH(bool, greyed);
    QFETCH(double, offset);
    QFETCH(QString, listText);
    const SystemZoneForTest systemZone(zone);
    AppFixture app(QDateTime(today, QTime(10, 0)),
                   placePrefs(flags, QString::fromUtf8("W°1"), QString::fromUtf8("N°1"), "-3.5"));
    app.activate();
    auto* field = child<TCurrencyEdit>(*app.home(), "CurrencyEditGMT3");
    auto* list = child<QComboBox>(*app.home(), "ComboBox1");
    QCOMPARE(field->Value(), offset);
    QCOMPARE(list->currentText(), listText);
    QCOMPARE(field->isEnabled(), !greyed);
    QCOMPARE(list->isEnabled(), !greyed);
    auto* zoneSwitch = child<QCheckBox>(*app.home(), "CheckBox3");
    QCOMPARE(zoneSwitch->isEnabled(), !zone.isEmpty());
    QCOMPARE(zoneSwitch->accessibleDescription(),
             zone.isEmpty() ? QStringLiteral("The system names no time zone") : QString());
    // The fixed offset stays the setting, whatever the field shows.
    QCOMPARE(app.home()->preferences().offset, -3.5);
}

void TestSystemZone::switchingOffGivesTheFixedOffsetBack() {
    const SystemZoneForTest systemZone(QStringLiteral("Asia/Kathmandu"));
    AppFixture app(
        QDateTime(QDate(2026, 7, 15), QTime(10, 0)),
        placePrefs("101", QString::fromUtf8("E°85.32"), QString::fromUtf8("N°27.72"), "5.5"));
    app.activate();
    QCOMPARE(strip(*app.calendar).sunrise, "05:18");
    auto* zoneSwitch = child<QCheckBox>(*app.home(), "CheckBox3");
    QTest::mouseClick(zoneSwitch, Qt::LeftButton);
    QVERIFY(!zoneSwitch->isChecked());
    auto* field = child<TCurrencyEdit>(*app.home(), "CurrencyEditGMT3");
    QVERIFY(field->isEnabled());
    QCOMPARE(field->Value(), 5.5);
    // The next computation takes the fixed offset, a quarter of an hour earlier.
    clickDay(app.month(7), 15);
    QCOMPARE(strip(*app.calendar).sunrise, "05:03");
    app.home()->SavePreferences();
    QCOMPARE(app.home()->lines().mid(0, 4), (QStringList{"100", QString::fromUtf8("E°85.32"),
                                                         QString::fromUtf8("N°27.72"), "5.5"}));
}

QTEST_MAIN(TestSystemZone)
#include "tst_system_zone.moc"

void TestSystemZone::fifoAmongTheZoneFiles_data() {
    QTest::addColumn<QString>("fifo");  // the file of the zone folder's copy that is a FIFO
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    // The city from zone.tab instead, on New York's clock.
    QTest::addRow("zone table") << "zone1970.tab"
                                << "7:06A"
                                << "4:28P";
    // The zone cannot be read: New York's city on the clock of UTC, as for a zone unknown.
    QTest::addRow("zone file") << "America/New_York"
                               << "-12:06A"
                               << "9:28P";
}

// A first start in New York with TZDIR pointing at a copy of the zone folder in which one file
// is a FIFO nobody writes to: the program reads neither it nor lets Qt open it, and starts.
void TestSystemZone::fifoAmongTheZoneFiles() {
    QFETCH(QString, fifo);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QTemporaryDir copy;
    QVERIFY(QDir(copy.path()).mkdir("America"));
    for (const QString name : {"zone.tab", "zone1970.tab", "America/New_York"}) {
        if (name != fifo)
            QVERIFY(QFile::copy(QLatin1String(kZoneinfoDir) + '/' + name, copy.filePath(name)));
    }
    QCOMPARE(mkfifo(QFile::encodeName(copy.filePath(fifo)).constData(), 0600), 0);
    const SystemZoneForTest systemZone(QStringLiteral("America/New_York"), copy.path());
    AppFixture app(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), placePrefs("001", "", "", ""));
    app.activate();
    QCOMPARE(strip(*app.calendar).sunrise, sunrise);
    QCOMPARE(strip(*app.calendar).sunset, sunset);
}
