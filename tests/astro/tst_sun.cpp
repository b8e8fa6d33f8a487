// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include "sun.h"

using namespace solvane::astro;

Q_DECLARE_METATYPE(solvane::astro::Date)

namespace {

QStringList toQt(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

const QStringList kPolarMessages{kSunUpOrDownAllDay, kSunUpOrDownAllDay};

QString describe(const SunEvents& events) {
    const auto time = [](const std::optional<EventTime>& t) {
        return t ? QString("%1h%2m").arg(t->hours).arg(t->minutes) : QString("none");
    };
    QString text = time(events.sunrise) + " " + time(events.sunset);
    for (int i = 0; i < events.messageCount; ++i) {
        text += QString(" | ") + events.messages[i];
    }
    return text;
}

}  // namespace

class TestSun : public QObject {
    Q_OBJECT

private slots:
    void times_data();
    void times();
    void calendarReform();
    void placeNotConfigured();
    void labelsKeepLastTimeFound();
    void singleScanReportsWhatItWrote();
    void secondScanIsAScanStartedAsSunset_data();
    void secondScanIsAScanStartedAsSunset();
};

// Reference rows: latitude north positive, longitude EAST positive (the sun computation's
// own sign), offset in hours; the times are compared to the minute.
void TestSun::times_data() {
    QTest::addColumn<Date>("date");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<QString>("sunrise24");
    QTest::addColumn<QString>("sunset24");
    QTest::addColumn<QStringList>("messages");

    QTest::addRow("New York, offset below zero: this sunrise, the day before's sunset")
        << Date{1992, 6, 19} << 40.75 << -73.99 << -5.0 << "4:24A"
        << "7:30P"
        << "04:24"
        << "19:30" << QStringList{};
    QTest::addRow("London, offset zero: this sunset, the next day's sunrise")
        << Date{2001, 10, 3} << 51.5 << -0.12 << 0.0 << "6:06A"
        << "5:34P"
        << "06:06"
        << "17:34" << QStringList{};
    QTest::addRow("Sydney in summer, offset above zero")
        << Date{2026, 12, 21} << -33.87 << 151.21 << 10.0 << "4:41A"
        << "7:05P"
        << "04:41"
        << "19:05" << QStringList{};
    QTest::addRow("Sydney in winter") << Date{2026, 6, 21} << -33.87 << 151.21 << 10.0 << "7:00A"
                                      << "4:54P"
                                      << "07:00"
                                      << "16:54" << QStringList{};
    QTest::addRow("a hundredth of a degree off the equator")
        << Date{2026, 3, 20} << 0.01 << -78.5 << -5.0 << "6:18A"
        << "6:25P"
        << "06:18"
        << "18:25" << QStringList{};
    QTest::addRow("sunrise after local noon shows a negative hour")
        << Date{2026, 12, 20} << 66.5 << 25.0 << 4.0 << "-11:10A"
        << "3:25P"
        << "-11:10"
        << "15:25" << QStringList{};
    QTest::addRow("sunset after local midnight counts on past 12")
        << Date{2026, 6, 21} << 64.84 << -147.72 << -8.0 << "2:58A"
        << "12:48P"
        << "02:58"
        << "24:48" << QStringList{};
    QTest::addRow("sunrise just after midnight shows hour 0")
        << Date{2026, 5, 24} << 64.0 << 60.0 << 2.0 << "0:17A"
        << "7:36P"
        << "00:17"
        << "19:36" << QStringList{};
    QTest::addRow("sunrise before midnight shows -1")
        << Date{2026, 6, 2} << 64.0 << 60.0 << 2.0 << "-1:54A"
        << "8:02P"
        << "-01:54"
        << "20:02" << QStringList{};
    QTest::addRow("before the calendar reform")
        << Date{1492, 10, 12} << 24.0 << -74.5 << -5.0 << "5:59A"
        << "5:27P"
        << "05:59"
        << "17:27" << QStringList{};
    QTest::addRow("first day of the calendar")
        << Date{1, 1, 1} << 40.75 << -73.99 << -5.0 << "7:26A"
        << "4:41P"
        << "07:26"
        << "16:41" << QStringList{};
    QTest::addRow("last day of the calendar")
        << Date{9999, 12, 31} << 40.75 << -73.99 << -5.0 << "7:12A"
        << "4:39P"
        << "07:12"
        << "16:39" << QStringList{};
    QTest::addRow("midnight sun: each scan reports")
        << Date{2026, 6, 21} << 69.65 << 18.96 << 1.0 << ""
        << ""
        << ""
        << "" << kPolarMessages;
    QTest::addRow("polar night: each scan reports")
        << Date{2026, 12, 21} << 69.65 << 18.96 << 1.0 << ""
        << ""
        << ""
        << "" << kPolarMessages;
    QTest::addRow("last sunset before the polar night")
        << Date{2026, 12, 8} << 68.0 << 25.0 << 2.0 << ""
        << "0:35P"
        << ""
        << "12:35" << QStringList{kNoSunrise, kNoSunrise};
}

void TestSun::times() {
    QFETCH(Date, date);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(QString, sunrise24);
    QFETCH(QString, sunset24);
    QFETCH(QStringList, messages);

    const auto twelveHour = SunTexts().compute(date, latitude, longitude, offset, false);
    QCOMPARE(QString::fromStdString(twelveHour.sunrise), sunrise);
    QCOMPARE(QString::fromStdString(twelveHour.sunset), sunset);
    QCOMPARE(toQt(twelveHour.messages), messages);

    const auto military = SunTexts().compute(date, latitude, longitude, offset, true);
    QCOMPARE(QString::fromStdString(military.sunrise), sunrise24);
    QCOMPARE(QString::fromStdString(military.sunset), sunset24);
    QCOMPARE(toQt(military.messages), messages);
}

// The last day of the Julian calendar before the switch and the Gregorian date of the same
// day give the same times; the next calendar day jumps by the ten days of the reform.
void TestSun::calendarReform() {
    const auto times = [](const Date& date) {
        const auto shown = SunTexts().compute(date, 51.5, -0.12, 0, true);
        return QString::fromStdString(shown.sunrise + " " + shown.sunset);
    };
    QCOMPARE(times({1582, 12, 31}), times({1583, 1, 10}));
    QCOMPARE(times({1582, 12, 31}), QStringLiteral("08:04 16:13"));
    QCOMPARE(times({1583, 1, 1}), QStringLiteral("08:07 16:02"));
}

void TestSun::placeNotConfigured() {
    for (const auto& [latitude, longitude] : {std::pair{0.0, -73.99}, std::pair{40.75, 0.0}}) {
        const SunScan scan = sunRiseSet({1992, 6, 19}, latitude, longitude, -5, Sunrise, false);
        QVERIFY(!scan.scanned);
        QVERIFY(!scan.sunriseText && !scan.sunsetText);
        QVERIFY(scan.messages.empty());

        SunTexts fresh;
        const auto shown = fresh.compute({1992, 6, 19}, latitude, longitude, -5, false);
        QCOMPARE(shown.sunrise, std::string());
        QCOMPARE(shown.sunset, std::string());
        QVERIFY(shown.messages.empty());
    }
}

// A label shows the last time of its kind found, across computations.
void TestSun::labelsKeepLastTimeFound() {
    SunTexts texts;
    auto shown = texts.compute({2026, 12, 7}, 68, 25, 2, false);
    QCOMPARE(shown.sunrise + " " + shown.sunset, std::string("11:48A 0:45P"));

    shown = texts.compute({2026, 12, 8}, 68, 25, 2, false);  // no sunrise any more
    QCOMPARE(shown.sunrise + " " + shown.sunset, std::string("11:48A 0:35P"));
    QCOMPARE(toQt(shown.messages), (QStringList{kNoSunrise, kNoSunrise}));

    shown = texts.compute({2026, 12, 21}, 68, 25, 2, false);  // polar night
    QCOMPARE(shown.sunrise + " " + shown.sunset, std::string("11:48A 0:35P"));

    shown = texts.compute({2026, 12, 21}, 0, 25, 2, false);  // place not configured
    QCOMPARE(shown.sunrise + " " + shown.sunset, std::string("11:48A 0:35P"));
    QVERIFY(shown.messages.empty());
}

void TestSun::singleScanReportsWhatItWrote() {
    const SunScan scan = sunRiseSet({2026, 12, 8}, 68, 25, 2, Sunset, true);
    QVERIFY(scan.scanned);
    QVERIFY(!scan.sunriseText.has_value());
    QCOMPARE(scan.sunsetText.value_or("none"), std::string("12:35"));
    QCOMPARE(toQt(scan.messages), QStringList{kNoSunrise});
}

// The sun computation's second scan starts as a sunset; when the first scan shows that the
// start decided nothing, its events stand for the second. A year at each place, polar days
// and nights included, must agree with a scan really started as a sunset.
void TestSun::secondScanIsAScanStartedAsSunset_data() {
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");
    QTest::addRow("New York") << 40.75 << -73.99 << -5.0;
    QTest::addRow("Sydney") << -33.87 << 151.21 << 10.0;
    QTest::addRow("Tromso") << 69.65 << 18.96 << 1.0;
    QTest::addRow("near the south pole") << -89.9 << 0.5 << 0.0;
}

void TestSun::secondScanIsAScanStartedAsSunset() {
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    const Observer observer(latitude, longitude);
    for (long long serial = daySerial({2026, 1, 1}); serial <= daySerial({2026, 12, 31});
         ++serial) {
        const Date date = dateFromSerial(serial);
        const SunScanPair pair = scanSunTwice(observer, date, offset);
        QCOMPARE(describe(pair.first), describe(scanSunEvents(observer, date, offset, Sunrise)));
        QCOMPARE(describe(pair.second), describe(scanSunEvents(observer, date, offset, Sunset)));
    }
}

QTEST_APPLESS_MAIN(TestSun)
#include "tst_sun.moc"
