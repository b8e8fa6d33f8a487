// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

#include "tmoon.h"

using namespace solvane;
using Mode = TMoon::TMoonDisplayType;

namespace {

constexpr double kPi = std::numbers::pi;

QDateTime at(int year, int month, int day, int hour = 10, int minute = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

// A moon control on a fixed clock that counts its paints.
class TestMoon : public TMoon {
public:
    explicit TestMoon(const QDateTime& now = at(2026, 12, 7)) {
        setClock([now] { return now; });
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TMoon::paintEvent(event);
    }
};

QImage drawn(TMoon& moon) {
    return moon.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isMoonColour(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

}  // namespace

class TestTMoon : public QObject {
    Q_OBJECT

private slots:
    void defaults() {
        TMoon moon;
        QCOMPARE(moon.BackgroundColor(), 0);
        QCOMPARE(moon.BorderSize(), 2);
        QCOMPARE(moon.Hemisphere(), TMoon::heNorthern);
        QCOMPARE(moon.MoonColor(), 0xFFFFFF);
        QCOMPARE(moon.Phase(), 0.0);
        QCOMPARE(moon.MoonDisplayType(), TMoon::mdtUseSystemTime);
        QCOMPARE(moon.size(), QSize(32, 32));
        // The creation time, written so that the custom-time mode can read it back.
        QVERIFY(!moon.CustomTime().isEmpty());
        moon.SetCustomTime(moon.CustomTime());
        const double angle = moon.CalcPhase();
        QVERIFY(angle > 0 && angle <= 2 * kPi);
    }

    void setterModes_data() {
        QTest::addColumn<std::function<void(TMoon&)>>("set");
        QTest::addColumn<Mode>("mode");
        using F = std::function<void(TMoon&)>;
        QTest::addRow("custom time switches to it")
            << F([](TMoon& m) { m.SetCustomTime("10/3/01 1:02:13 PM"); })
            << TMoon::mdtUseCustomTime;
        QTest::addRow("phase switches to the angle")
            << F([](TMoon& m) { m.SetPhase(1.0); }) << TMoon::mdtUsePhaseAngle;
        QTest::addRow("same phase still switches")
            << F([](TMoon& m) { m.SetPhase(0.0); }) << TMoon::mdtUsePhaseAngle;
        QTest::addRow("display type as given")
            << F([](TMoon& m) { m.SetMoonDisplayType(TMoon::mdtUseCustomTime); })
            << TMoon::mdtUseCustomTime;
        QTest::addRow("colours keep the mode") << F([](TMoon& m) {
            m.SetBackgroundColor(128);
            m.SetMoonColor(65535);
        }) << TMoon::mdtUseSystemTime;
        QTest::addRow("border and hemisphere keep the mode") << F([](TMoon& m) {
            m.SetBorderSize(4);
            m.SetHemisphere(TMoon::heSouthern);
        }) << TMoon::mdtUseSystemTime;
    }
    void setterModes() {
        QFETCH(std::function<void(TMoon&)>, set);
        QFETCH(Mode, mode);
        TestMoon moon;
        set(moon);
        QCOMPARE(moon.MoonDisplayType(), mode);
    }

    // Writers repaint only when the value changes.
    void repaintsOnChangeOnly_data() {
        QTest::addColumn<std::function<void(TMoon&)>>("prepare");
        QTest::addColumn<std::function<void(TMoon&)>>("same");
        QTest::addColumn<std::function<void(TMoon&)>>("changed");
        using F = std::function<void(TMoon&)>;
        const F onAngle = [](TMoon& m) { m.SetPhase(1.0); };
        QTest::addRow("BackgroundColor") << onAngle << F([](TMoon& m) { m.SetBackgroundColor(0); })
                                         << F([](TMoon& m) { m.SetBackgroundColor(255); });
        QTest::addRow("BorderSize") << onAngle << F([](TMoon& m) { m.SetBorderSize(2); })
                                    << F([](TMoon& m) { m.SetBorderSize(3); });
        QTest::addRow("Hemisphere")
            << onAngle << F([](TMoon& m) { m.SetHemisphere(TMoon::heNorthern); })
            << F([](TMoon& m) { m.SetHemisphere(TMoon::heSouthern); });
        QTest::addRow("MoonColor") << onAngle << F([](TMoon& m) { m.SetMoonColor(0xFFFFFF); })
                                   << F([](TMoon& m) { m.SetMoonColor(0x00FFFF); });
        QTest::addRow("Phase") << onAngle << F([](TMoon& m) { m.SetPhase(1.0); })
                               << F([](TMoon& m) { m.SetPhase(2.0); });
        const F on1992 = [](TMoon& m) { m.SetCustomTime("6/19/1992"); };
        QTest::addRow("CustomTime")
            << on1992 << on1992 << F([](TMoon& m) { m.SetCustomTime("6/20/1992"); });
        QTest::addRow("MoonDisplayType")
            << onAngle << F([](TMoon& m) { m.SetMoonDisplayType(TMoon::mdtUsePhaseAngle); })
            << F([](TMoon& m) { m.SetMoonDisplayType(TMoon::mdtUseSystemTime); });
    }
    void repaintsOnChangeOnly() {
        QFETCH(std::function<void(TMoon&)>, prepare);
        QFETCH(std::function<void(TMoon&)>, same);
        QFETCH(std::function<void(TMoon&)>, changed);
        TestMoon moon;
        prepare(moon);
        moon.show();
        QVERIFY(QTest::qWaitForWindowExposed(&moon));
        QTRY_VERIFY(moon.paints > 0);
        QTest::qWait(20);
        moon.paints = 0;
        same(moon);
        QTest::qWait(20);
        QCOMPARE(moon.paints, 0);
        changed(moon);
        QTRY_VERIFY(moon.paints > 0);
    }

    // The moon in the sky (PyEphem's elongation) at the moment read in the zone given.
    void calcPhase_data() {
        QTest::addColumn<QDateTime>("clock");
        QTest::addColumn<QString>("customTime");  // empty: the clock's time
        QTest::addColumn<int>("offset");          // seconds ahead of UT
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("litFraction");
        QTest::addRow("custom 06/19/1992 6 PM at -5")
            << at(2026, 12, 7) << "06/19/1992 6:00:00 PM" << -18000 << 4.06199 << 0.80282;
        QTest::addRow("custom 12/07/2026 6 PM at -5")
            << at(2026, 12, 7) << "12/07/2026 6:00:00 PM" << -18000 << 6.07603 << 0.01257;
        QTest::addRow("two-digit year in today's century, UT")
            << at(2026, 12, 7) << "10/3/01 1:02:13 PM" << 0 << 3.33150 << 0.98943;
        QTest::addRow("clock at 3 October 2001 23:02:13 at +10")
            << QDateTime(QDate(2001, 10, 3), QTime(23, 2, 13)) << "" << 36000 << 3.33150 << 0.98943;
        QTest::addRow("clock at 7 December 2026 18:00 at -5")
            << at(2026, 12, 7, 18) << "" << -18000 << 6.07603 << 0.01257;
    }
    void calcPhase() {
        QFETCH(QDateTime, clock);
        QFETCH(QString, customTime);
        QFETCH(int, offset);
        QFETCH(double, angle);
        QFETCH(double, litFraction);
        TestMoon moon(clock);
        QDateTime asked;
        moon.setUtcOffset([&](const QDateTime& local) {
            asked = local;
            return offset;
        });
        if (!customTime.isEmpty())
            moon.SetCustomTime(customTime);
        const Mode mode = moon.MoonDisplayType();
        const double result = moon.CalcPhase();
        QVERIFY2(std::abs(result - angle) < 0.003,
                 qPrintable(QStringLiteral("%1, expected %2").arg(result, 0, 'f', 6).arg(angle)));
        QVERIFY2(std::abs(moon.LitFraction() - litFraction) < 0.002,
                 qPrintable(QString::number(moon.LitFraction())));
        QCOMPARE(moon.Phase(), result);
        QCOMPARE(moon.MoonDisplayType(), mode);
        // The zone is asked about the wall-clock moment itself.
        QVERIFY(asked.isValid());
        if (customTime.isEmpty()) {
            QCOMPARE(asked.date(), clock.date());
            QCOMPARE(asked.time(), clock.time());
        }
    }

    // Without a zone of its own the control reads the system's (UTC under the tests).
    void systemZoneByDefault() {
        TestMoon moon;
        moon.SetCustomTime("12/07/2026 11:00:00 PM");
        const double inSystemZone = moon.CalcPhase();
        moon.setUtcOffset([](const QDateTime&) { return 0; });
        moon.SetCustomTime("12/07/2026 11:00:00 PM");
        QCOMPARE(moon.CalcPhase(), inSystemZone);
        QCOMPARE(TMoon::systemUtcOffset(at(2026, 12, 7, 23)), 0);
    }

    // Words for assistive technology: the name of the phase and the share lit in the sky, or
    // of the angle as set.
    void phaseDescription_data() {
        QTest::addColumn<QString>("customTime");  // empty: the angle below as set
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("words");
        QTest::addRow("two days before the new moon")
            << "12/07/2026 6:00:00 PM" << 0.0 << "new moon, 1% of the disc lit";
        QTest::addRow("full moon of 24 December 2026")
            << "12/24/2026 6:00:00 PM" << 0.0 << "full moon, 99% of the disc lit";
        QTest::addRow("first quarter as set")
            << "" << kPi / 2 << "first quarter, 50% of the disc lit";
        QTest::addRow("waning crescent as set")
            << "" << 7 * kPi / 4 << "waning crescent, 15% of the disc lit";
    }
    void phaseDescription() {
        QFETCH(QString, customTime);
        QFETCH(double, angle);
        QFETCH(QString, words);
        TestMoon moon;
        moon.setUtcOffset([](const QDateTime&) { return -18000; });
        if (customTime.isEmpty())
            moon.SetPhase(angle);
        else
            moon.SetCustomTime(customTime);
        moon.CalcPhase();
        QCOMPARE(moon.PhaseDescription(), words);
    }

    void systemTimeWritesCustomTime() {
        TestMoon moon(QDateTime(QDate(2026, 12, 7), QTime(18, 5, 9)));
        moon.CalcPhase();
        QCOMPARE(moon.CustomTime(), QStringLiteral("12/7/2026 6:05:09 PM"));
        QCOMPARE(moon.MoonDisplayType(), TMoon::mdtUseSystemTime);
    }

    void phaseAngleModeReturnsPhase() {
        TestMoon moon;
        moon.SetCustomTime("06/19/1992 6:00:00 PM");
        moon.SetPhase(1.25);
        QCOMPARE(moon.CalcPhase(), 1.25);
        QCOMPARE(moon.CustomTime(), QStringLiteral("06/19/1992 6:00:00 PM"));
    }

    void unreadableCustomTime_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("words") << "next Tuesday";
        QTest::addRow("no such day") << "2/30/2026 6:00:00 PM";
        QTest::addRow("hour out of range") << "2/3/2026 25:00:00";
        QTest::addRow("empty") << "";
    }
    void unreadableCustomTime() {
        QFETCH(QString, text);
        TestMoon moon;
        moon.SetPhase(0.5);
        moon.SetCustomTime(text);
        try {
            moon.CalcPhase();
            QFAIL("no error");
        } catch (const std::runtime_error& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains("'" + text + "'"), e.what());
        }
        QCOMPARE(moon.Phase(), 0.5);
        // Painting cannot let the error out: the control shows its background only.
        moon.SetBackgroundColor(0x0000FF);
        const QImage image = drawn(moon);
        QCOMPARE(image.pixel(16, 16), qRgb(255, 0, 0));
    }

    // W = 32, b = 2: Half 14, Cx 16, the disc spans columns 2 .. 29 on the middle row 16.
    void paintGeometry_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("hemisphere");
        QTest::addColumn<int>("firstLit");  // on row 16; -1: none
        QTest::addColumn<int>("lastLit");
        QTest::addRow("new moon, 2pi") << 2 * kPi << int(TMoon::heNorthern) << -1 << -1;
        QTest::addRow("waxing crescent, K 10") << kPi / 4 << int(TMoon::heNorthern) << 26 << 29;
        QTest::addRow("first quarter, K 0") << kPi / 2 << int(TMoon::heNorthern) << 16 << 29;
        QTest::addRow("waxing gibbous, K -10") << 3 * kPi / 4 << int(TMoon::heNorthern) << 6 << 29;
        QTest::addRow("full moon") << kPi << int(TMoon::heNorthern) << 2 << 29;
        QTest::addRow("waning gibbous, K -10") << 5 * kPi / 4 << int(TMoon::heNorthern) << 2 << 25;
        QTest::addRow("last quarter, K 0") << 3 * kPi / 2 << int(TMoon::heNorthern) << 2 << 16;
        QTest::addRow("waning crescent, K 10") << 7 * kPi / 4 << int(TMoon::heNorthern) << 2 << 5;
        QTest::addRow("southern waxing crescent") << kPi / 4 << int(TMoon::heSouthern) << 2 << 5;
        QTest::addRow("a turn and a quarter") << 2.5 * kPi << int(TMoon::heNorthern) << 16 << 29;
    }
    void paintGeometry() {
        QFETCH(double, angle);
        QFETCH(int, hemisphere);
        QFETCH(int, firstLit);
        QFETCH(int, lastLit);
        TestMoon moon;
        moon.SetHemisphere(TMoon::THemisphere(hemisphere));
        moon.SetPhase(angle);
        const QImage image = drawn(moon);
        QCOMPARE(image.size(), QSize(32, 32));
        for (int x = 0; x < 32; ++x) {
            const bool lit = firstLit >= 0 && x >= firstLit && x <= lastLit;
            QVERIFY2(isMoonColour(image, x, 16) == lit,
                     qPrintable(QStringLiteral("column %1 %2").arg(x).arg(lit ? "dark" : "lit")));
        }
        // The margin of BorderSize pixels stays background.
        for (int i = 0; i < 32; ++i) {
            for (int edge : {0, 1, 30, 31}) {
                QVERIFY(!isMoonColour(image, i, edge));
                QVERIFY(!isMoonColour(image, edge, i));
            }
        }
    }

    void southernMirrorsNorthern() {
        TestMoon south;
        south.SetHemisphere(TMoon::heSouthern);
        south.SetPhase(kPi / 4);
        TestMoon north;
        north.SetPhase(7 * kPi / 4);
        QCOMPARE(drawn(south), drawn(north));
    }

    // Colours are 0x00BBGGRR: red in the low byte.
    void colourLayout() {
        TestMoon moon;
        moon.SetBackgroundColor(0x0000FF);  // red
        moon.SetMoonColor(0xFF0000);        // blue
        moon.SetPhase(kPi);
        const QImage image = drawn(moon);
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(16, 16), qRgb(0, 0, 255));
    }
};

QTEST_MAIN(TestTMoon)
#include "tst_tmoon.moc"
