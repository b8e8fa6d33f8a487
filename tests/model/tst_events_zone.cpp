// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include "events_zone.h"
#include "preferences.h"
#include "system_zone_for_test.h"

using namespace solvane;

class TestEventsZone : public QObject {
    Q_OBJECT

private slots:
    void zoneInForce_data();
    void zoneInForce();
};

void TestEventsZone::zoneInForce_data() {
    QTest::addColumn<QString>("systemZone");  // empty: none
    QTest::addColumn<bool>("followSystem");
    QTest::addColumn<bool>("hasPlace");
    QTest::addColumn<double>("offsetHours");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offsetSeconds");

    QTest::addRow("following the system zone")
        << "Europe/Berlin" << true << true << 5.5 << "Europe/Berlin" << 0;
    QTest::addRow("fixed offset chosen") << "Europe/Berlin" << false << true << 5.5 << "" << 19800;
    QTest::addRow("west of Greenwich") << "Europe/Berlin" << false << true << -3.5 << "" << -12600;
    QTest::addRow("no place yet: the system zone")
        << "Asia/Tokyo" << false << false << 0.0 << "Asia/Tokyo" << 0;
    QTest::addRow("no system zone") << "" << true << true << -5.0 << "" << -18000;
}

void TestEventsZone::zoneInForce() {
    QFETCH(QString, systemZone);
    QFETCH(bool, followSystem);
    QFETCH(bool, hasPlace);
    QFETCH(double, offsetHours);
    QFETCH(QString, name);
    QFETCH(int, offsetSeconds);
    if (!systemZone.isEmpty() && !test::SystemZoneForTest::zoneDataInstalled())
        QSKIP("tzdata is not installed");

    test::SystemZoneForTest zoneForTest(systemZone);
    prefs::Preferences settings;
    settings.useSystemZone = followSystem;
    if (hasPlace) {
        settings.latitude = "40.71";
        settings.longitude = "74.01";
    }
    settings.offset = offsetHours;
    const ical::LocalZone zone = eventsZone(settings, 1'800'000'000);
    QCOMPARE(QString::fromStdString(zone.ianaName), name);
    QCOMPARE(zone.utcOffsetSeconds, offsetSeconds);
}

QTEST_GUILESS_MAIN(TestEventsZone)
#include "tst_events_zone.moc"
