// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The strip's sunrise, sunset and moon picture for the place of the preferences.

#include <QLabel>
#include <QTest>

#include "app_fixture.h"
#include "moon_picture.h"
#include "place.h"
#include "system_zone_for_test.h"

using namespace solvane;
using namespace solvane::test;

namespace {

const QString kNewYorkLatitude = QString::fromUtf8("N°40.75");
const QString kNewYorkLongitude = QString::fromUtf8("W°73.99");

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// Message boxes that, while one is open, let the test do what a timer tick would do.
class ReenteringBoxes final : public MessageBoxes {
public:
    std::function<void()> whileOpen;
    QStringList shown;
    void error(const QString& text) override { shown << text; }
    void warning(const QString& text) override { open(text); }
    void message(const QString& text) override { open(text); }

private:
    void open(const QString& text) {
        shown << text;
        if (whileOpen)
            whileOpen();
    }
};

}  // namespace

class TestSunDisplay : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTodaysSun_data();
    void loadShowsTodaysSun();
    void moonPictureOfTheDay();
    void moonFollowsTheClock_data();
    void moonFollowsTheClock();
    void invalidPlaceKeepsThePreviousNumber();
    void storedBadPlaceWarnsOncePerText_data();
    void storedBadPlaceWarnsOncePerText();
    void withoutDialogNothingIsComputed();
    void oneComputationAtATime();
};

void TestSunDisplay::loadShowsTodaysSun_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("prefs");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<QStringList>("boxes");
    QTest::addRow("New York, 19 Jun 1992")
        << QDate(1992, 6, 19) << placePrefs("00", kNewYorkLongitude, kNewYorkLatitude, "-5")
        << "4:24A"
        << "7:30P" << QStringList();
    QTest::addRow("New York, 24-hour")
        << QDate(1992, 6, 19) << placePrefs("10", kNewYorkLongitude, kNewYorkLatitude, "-5")
        << "04:24"
        << "19:30" << QStringList();
    QTest::addRow("London, 3 Oct 2001")
        << QDate(2001, 10, 3)
        << placePrefs("00", QString::fromUtf8("W°0.12"), QString::fromUtf8("N°51.5"), "") << "6:06A"
        << "5:34P" << QStringList();
    QTest::addRow("fresh prefs, no place") << QDate(2026, 12, 7) << defaultPrefs() << ""
                                           << "" << QStringList();
    QTest::addRow("latitude without degree sign")
        << QDate(1992, 6, 19) << placePrefs("00", kNewYorkLongitude, "N40.75", "-5") << ""
        << "" << QStringList{astro::kInvalidLatitude};
    QTest::addRow("both invalid, latitude first")
        << QDate(1992, 6, 19) << placePrefs("00", "W?x", "N?y", "-5") << ""
        << "" << QStringList{astro::kInvalidLatitude, astro::kInvalidLongitude};
    QTest::addRow("polar summer") << QDate(1992, 6, 19)
                                  << placePrefs("00", QString::fromUtf8("W°20"),
                                                QString::fromUtf8("N°80"), "")
                                  << ""
                                  << "" << QStringList(2, astro::kSunUpOrDownAllDay);
}

void TestSunDisplay::loadShowsTodaysSun() {
    QFETCH(QDate, today);
    QFETCH(QStringList, prefs);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(QStringList, boxes);
    AppFixture app(QDateTime(today, QTime(10, 0)), prefs);
    app.activate();
    QCOMPARE(child<QLabel>(*app.calendar, "Label3")->text(), sunrise);
    QCOMPARE(child<QLabel>(*app.calendar, "Label4")->text(), sunset);
    QCOMPARE(app.platform.boxTexts(), boxes);
    QCOMPARE(textColour(child<QLabel>(*app.calendar, "Label3")), toQColor(cl::Maroon));
    QCOMPARE(textColour(child<QLabel>(*app.calendar, "Label4")), toQColor(cl::Maroon));
    QCOMPARE(app.calendar->state().SunDisplayCountdown, 300);
    QVERIFY(!app.calendar->sunBusy());
}

void TestSunDisplay::moonPictureOfTheDay() {
    AppFixture app(QDateTime(QDate(1992, 6, 19), QTime(10, 0)),
                   placePrefs("00", kNewYorkLongitude, kNewYorkLatitude, "-5"));
    app.activate();
    // 19 June 1992 at 6 PM, 23:00 UT: the moon in the sky at about 4.062 radians, picture 17.
    const QImage expected = moonPicture(17).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(child<QLabel>(*app.calendar, "Image3")->pixmap().toImage(), expected);
    // Transparent where the picture has its background grey, opaque on the disc.
    QCOMPARE(expected.pixelColor(0, 15).alpha(), 0);
    QCOMPARE(expected.pixelColor(8, 7).alpha(), 255);

    showYear(*app.calendar, 2026);
    clickDay(app.month(12), 7);
    // Two days before the new moon of 9 December: about 6.076 radians, unlit.
    QCOMPARE(child<QLabel>(*app.calendar, "Image3")->pixmap().toImage(), moonPicture(28).toImage());
}

// The moon of a clicked day is taken at 6 PM on the clock the sun times follow: fifteen hours
// between -5 and +10 take the moon of 7 December 2026 across a picture's bound.
void TestSunDisplay::moonFollowsTheClock_data() {
    QTest::addColumn<QString>("systemZone");  // empty: none
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("picture");
    QTest::addRow("fixed offset -5") << ""
                                     << "00"
                                     << "-5" << 28;
    QTest::addRow("fixed offset +10") << ""
                                      << "00"
                                      << "10" << 27;
    QTest::addRow("system zone New York, offset +10 unused") << "America/New_York"
                                                             << "001"
                                                             << "10" << 28;
    QTest::addRow("system zone switched off: offset +10") << "America/New_York"
                                                          << "000"
                                                          << "10" << 27;
}

void TestSunDisplay::moonFollowsTheClock() {
    QFETCH(QString, systemZone);
    QFETCH(QString, flags);
    QFETCH(QString, offset);
    QFETCH(int, picture);
    if (!systemZone.isEmpty() && !SystemZoneForTest::zoneDataInstalled())
        QSKIP("no zone data installed");
    const SystemZoneForTest zone(systemZone);
    AppFixture app(QDateTime(QDate(2026, 6, 1), QTime(10, 0)),
                   placePrefs(flags, kNewYorkLongitude, kNewYorkLatitude, offset));
    app.activate();
    clickDay(app.month(12), 7);
    QCOMPARE(child<QLabel>(*app.calendar, "Image3")->pixmap().toImage(),
             moonPicture(picture).toImage());
}

void TestSunDisplay::invalidPlaceKeepsThePreviousNumber() {
    AppFixture app(QDateTime(QDate(1992, 6, 19), QTime(10, 0)),
                   placePrefs("00", kNewYorkLongitude, kNewYorkLatitude, "-5"));
    app.activate();
    // The file changes between two activations: the last good latitude stays in use.
    app.platform.writePrefs(placePrefs("00", kNewYorkLongitude, "N40.75", "-5"));
    child<QLabel>(*app.calendar, "Label3")->clear();
    app.activate();
    QCOMPARE(app.platform.boxTexts(), QStringList{astro::kInvalidLatitude});
    QCOMPARE(child<QLabel>(*app.calendar, "Label3")->text(), QStringLiteral("4:24A"));
    QCOMPARE(child<QLabel>(*app.calendar, "Label4")->text(), QStringLiteral("7:30P"));
}

void TestSunDisplay::storedBadPlaceWarnsOncePerText_data() {
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QStringList>("warnings");
    QTest::addRow("latitude without degree sign")
        << "N40.75" << kNewYorkLongitude << QStringList{astro::kInvalidLatitude};
    QTest::addRow("both unreadable")
        << "N?y"
        << "W?x" << QStringList{astro::kInvalidLatitude, astro::kInvalidLongitude};
}

// A hand-edited prefs.cal holds a place the sun computation cannot read: the start-up warns
// once; day clicks, the strip's return to today and the next activations stay silent until
// the file holds another unreadable text.
void TestSunDisplay::storedBadPlaceWarnsOncePerText() {
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QStringList, warnings);
    AppFixture app(QDateTime(QDate(1992, 6, 19), QTime(10, 0)),
                   placePrefs("00", longitude, latitude, "-5"));
    app.activate();
    QCOMPARE(app.platform.boxTexts(), warnings);
    clickDay(app.month(6), 20);
    clickDay(app.month(7), 4);
    for (int tick = 0; tick < 300; ++tick)
        app.calendar->Timer1Timer();
    QCOMPARE(textColour(child<QLabel>(*app.calendar, "Label3")), toQColor(cl::Navy));
    clickButton(*app.calendar, "SpeedButton9");  // next year
    app.activate();
    QCOMPARE(app.platform.boxTexts(), warnings);

    app.platform.writePrefs(placePrefs("00", longitude, latitude + "0", "-5"));
    app.activate();
    QCOMPARE(app.platform.boxTexts(), warnings + QStringList{astro::kInvalidLatitude});
}

void TestSunDisplay::withoutDialogNothingIsComputed() {
    AppFixture app(QDateTime(QDate(1992, 6, 19), QTime(10, 0)), defaultPrefs(), false);
    clickDay(app.month(6), 19);
    QCOMPARE(child<QLabel>(*app.calendar, "Label3")->text(), QString());
    QCOMPARE(child<QLabel>(*app.calendar, "Label4")->text(), QString());
    QCOMPARE(textColour(child<QLabel>(*app.calendar, "Label3")), toQColor(cl::Maroon));
    QCOMPARE(app.calendar->state().SunDisplayCountdown, 300);
    QVERIFY(app.platform.boxes.isEmpty());
}

void TestSunDisplay::oneComputationAtATime() {
    AppFixture app(QDateTime(QDate(1992, 6, 19), QTime(10, 0)),
                   placePrefs("00", QString::fromUtf8("W°20"), QString::fromUtf8("N°80"), ""));
    ReenteringBoxes boxes;
    const Platform previous = setPlatform(Platform{nullptr, &boxes, nullptr, nullptr});
    bool busyWhileOpen = false;
    boxes.whileOpen = [&] {
        busyWhileOpen = app.calendar->sunBusy();
        clickDay(app.month(6), 19);  // a click's computation
    };
    app.activate();
    setPlatform(previous);
    // Only the first computation's two messages: the nested one returned at once.
    QCOMPARE(boxes.shown, QStringList(2, astro::kSunUpOrDownAllDay));
    QVERIFY(busyWhileOpen);
    QVERIFY(!app.calendar->sunBusy());
    QCOMPARE(app.calendar->state().SunDisplayCountdown, 300);
}

QTEST_MAIN(TestSunDisplay)
#include "tst_sun_display.moc"
