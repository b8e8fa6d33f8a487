// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The facts of a day as every view gets them: the sun's times and texts at the place and
// clock of the settings, polar days and nights, notices, the moon and the ordinal date.

#include <QTest>

#include "day_facts.h"
#include "error_of.h"
#include "fakeplatform.h"
#include "settings.h"
#include "system_zone_for_test.h"

using namespace solvane;
using namespace solvane::test;

namespace {

const QString kColours = QStringLiteral("16711680\n65535\n16777215\n8388608\n12632256\n12632256");

// Flags, longitude, latitude, offset, then the six colours.
QStringList prefsLines(const QString& flags, const QString& longitude, const QString& latitude,
                       const QString& offset, const QString& colours = kColours) {
    return QStringList{flags, longitude, latitude, offset} + colours.split(u'\n');
}

using Notices = std::vector<DayNotice>;

struct Loaded {
    explicit Loaded(const QStringList& lines, const QString& zone = QString()) : zoneForTest(zone) {
        platform.writePrefs(lines);
        loadError = errorOf([&] { settings.load(); });
        facts.setSettings(&settings);
    }
    FakePlatform platform;
    SystemZoneForTest zoneForTest;
    prefs::Settings settings;
    DayFacts facts;
    QString loadError;
};

}  // namespace

Q_DECLARE_METATYPE(Notices)

class DayFactsTest : public QObject {
    Q_OBJECT

private slots:
    void sunTimesAtThePlaceAndClockInForce_data() {
        QTest::addColumn<QStringList>("prefs");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("sunrise");
        QTest::addColumn<QString>("sunset");
        const QString ny = QStringLiteral("America/New_York");
        const auto newYork = [](const char* flags) {
            return prefsLines(QLatin1String(flags), QStringLiteral("W\u00b073.99"),
                              QStringLiteral("N\u00b040.75"), QStringLiteral("-5"));
        };
        QTest::addRow("New York, fixed -5, 19 June 1992")
            << newYork("00") << QString() << QDate(1992, 6, 19) << "4:24A"
            << "7:30P";
        QTest::addRow("New York, 24-hour texts")
            << newYork("10") << QString() << QDate(1992, 6, 19) << "04:24"
            << "19:30";
        QTest::addRow("London, offset 0, 3 October 2001")
            << prefsLines("00", "W\u00b00.12", "N\u00b051.5", "0") << QString()
            << QDate(2001, 10, 3) << "6:06A"
            << "5:34P";
        QTest::addRow("New York, 1 July, system zone switch off")
            << newYork("000") << ny << QDate(2026, 7, 1) << "4:29A"
            << "7:31P";
        QTest::addRow("New York, 1 July, system zone on: daylight saving")
            << newYork("001") << ny << QDate(2026, 7, 1) << "5:29A"
            << "8:31P";
        QTest::addRow("New York, 1 December, system zone on")
            << newYork("001") << ny << QDate(2026, 12, 1) << "7:01A"
            << "4:29P";
        QTest::addRow("no place, no system zone")
            << prefsLines("00", "", "", "0") << QString() << QDate(2026, 7, 1) << ""
            << "";
    }
    void sunTimesAtThePlaceAndClockInForce() {
        QFETCH(QStringList, prefs);
        QFETCH(QString, zone);
        QFETCH(QDate, date);
        QFETCH(QString, sunrise);
        QFETCH(QString, sunset);
        if (!zone.isEmpty() && !SystemZoneForTest::zoneDataInstalled())
            QSKIP("tzdata is not installed");
        Loaded loaded(prefs, zone);
        QCOMPARE(loaded.loadError, QString());
        const Facts facts = loaded.facts.of(date);
        QCOMPARE(facts.sunriseText, sunrise);
        QCOMPARE(facts.sunsetText, sunset);
        QCOMPARE(facts.sunComputed, !sunrise.isEmpty());
    }

    void polarDaysNightsAndNotices_data() {
        QTest::addColumn<QStringList>("prefs");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("polarDay");
        QTest::addColumn<bool>("polarNight");
        QTest::addColumn<Notices>("notices");
        const QStringList svalbard = prefsLines("00", "E\u00b015.65", "N\u00b078.22", "1");
        const Notices allDay{DayNotice::SunUpOrDownAllDay, DayNotice::SunUpOrDownAllDay};
        QTest::addRow("Svalbard, midsummer")
            << svalbard << QDate(2026, 6, 21) << true << false << allDay;
        QTest::addRow("Svalbard, midwinter")
            << svalbard << QDate(2026, 12, 21) << false << true << allDay;
        QTest::addRow("Svalbard, equinox")
            << svalbard << QDate(2026, 3, 21) << false << false << Notices{};
        QTest::addRow("latitude text not a number")
            << prefsLines("00", "W\u00b073.99", "N\u00b0north", "-5") << QDate(2026, 3, 21) << false
            << false << Notices{DayNotice::InvalidLatitude};
        QTest::addRow("both texts not numbers")
            << prefsLines("00", "W\u00b0west", "N\u00b0north", "-5") << QDate(2026, 3, 21) << false
            << false << Notices{DayNotice::InvalidLatitude, DayNotice::InvalidLongitude};
    }
    void polarDaysNightsAndNotices() {
        QFETCH(QStringList, prefs);
        QFETCH(QDate, date);
        QFETCH(bool, polarDay);
        QFETCH(bool, polarNight);
        QFETCH(Notices, notices);
        Loaded loaded(prefs);
        const Facts facts = loaded.facts.of(date);
        QCOMPARE(facts.polarDay, polarDay);
        QCOMPARE(facts.polarNight, polarNight);
        QVERIFY(facts.notices == notices);
    }

    // The strip keeps showing the last time of each kind found; a viewer without history
    // shows none.
    void aViewerWithHistoryKeepsTheLastTimesFound() {
        Loaded loaded(prefsLines("00", "E\u00b015.65", "N\u00b078.22", "1"));
        astro::SunTexts strip;
        const Facts march = loaded.facts.of(QDate(2026, 3, 21), strip);
        QVERIFY(!march.sunriseText.isEmpty());
        const Facts june = loaded.facts.of(QDate(2026, 6, 21), strip);
        QCOMPARE(june.sunriseText, march.sunriseText);
        QCOMPARE(june.sunsetText, march.sunsetText);
        QCOMPARE(loaded.facts.of(QDate(2026, 6, 21)).sunriseText, QString());
    }

    // A file whose colour line is bad was read only up to it: its place comes without its
    // offset, so no times are shown until a load reads a file whole.
    void noTimesUntilALoadReadsTheFileWhole() {
        const QStringList newYork =
            prefsLines("00", "W\u00b073.99", "N\u00b040.75", "-5",
                       QStringLiteral("16711680\n65535\nabc\n8388608\n12632256\n12632256"));
        Loaded loaded(newYork);
        QCOMPARE(loaded.loadError, QStringLiteral("'abc' is not a valid integer value"));
        Facts facts = loaded.facts.of(QDate(2026, 12, 7));
        QVERIFY(!facts.sunComputed);
        QCOMPARE(facts.sunriseText, QString());
        QCOMPARE(facts.sunsetText, QString());

        loaded.platform.writePrefs(prefsLines("00", "W\u00b073.99", "N\u00b040.75", "-5"));
        loaded.settings.load();
        facts = loaded.facts.of(QDate(2026, 12, 7));
        QCOMPARE(facts.sunriseText, QStringLiteral("7:07A"));

        // Once a file was read whole, a later bad colour line keeps the place in force.
        loaded.platform.writePrefs(newYork);
        QVERIFY(!errorOf([&] { loaded.settings.load(); }).isEmpty());
        QCOMPARE(loaded.facts.of(QDate(2026, 12, 7)).sunriseText, QStringLiteral("7:07A"));
    }

    void moonAndOrdinalDate_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("ordinal");
        // The moon of the sky at 6 PM UT: new on 9 December 2026 at 00:52, full on the 24th.
        QTest::addRow("two days before the new moon of 9 December 2026")
            << QDate(2026, 12, 7) << "new moon" << 28 << "26.341";
        QTest::addRow("the eve of the full moon of 24 December 2026")
            << QDate(2026, 12, 23) << "full moon" << 14 << "26.357";
        QTest::addRow("31 December 2000, a leap year")
            << QDate(2000, 12, 31) << "waxing crescent" << 5 << "00.366";
    }
    void moonAndOrdinalDate() {
        QFETCH(QDate, date);
        QFETCH(QString, phase);
        QFETCH(int, picture);
        QFETCH(QString, ordinal);
        FakePlatform platform;
        DayFacts source;
        const Facts facts = source.of(date);
        QCOMPARE(facts.moonPhase, phase);
        QCOMPARE(facts.moonPicture, picture);
        QCOMPARE(facts.ordinalText, ordinal);
        QVERIFY(facts.moonAngle > 0 && facts.moonAngle <= 2 * 3.14159266);
    }
};

QTEST_GUILESS_MAIN(DayFactsTest)
#include "tst_day_facts.moc"
