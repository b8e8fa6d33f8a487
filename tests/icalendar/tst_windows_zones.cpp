// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// The reader's table of Windows zone names is Qt's (CLDR's), and each zone it names is one
// libical can load from the system's zone files.

#include <QTest>
#include <QTimeZone>

#include <cstring>
#include <iterator>

#include "windows_zones.h"
#include "zones.h"

using namespace solvane::ical;

class WindowsZonesTest : public QObject {
    Q_OBJECT

private slots:
    void tableIsQts();
    void sortedForLookUp();
    void everyZoneLoads();
};

void WindowsZonesTest::tableIsQts() {
    QSet<QByteArray> qtNames;
    for (const QByteArray& iana : QTimeZone::availableTimeZoneIds()) {
        const QByteArray windows = QTimeZone::ianaIdToWindowsId(iana);
        if (!windows.isEmpty() && !QTimeZone::windowsIdToDefaultIanaId(windows).isEmpty()) {
            qtNames.insert(windows);
        }
    }
    QSet<QByteArray> tableNames;
    for (const WindowsZone& entry : kWindowsZones) {
        tableNames.insert(entry.windows);
        QCOMPARE(QByteArray(entry.iana), QTimeZone::windowsIdToDefaultIanaId(entry.windows));
    }
    QCOMPARE(tableNames, qtNames);
}

void WindowsZonesTest::sortedForLookUp() {
    for (auto it = std::begin(kWindowsZones) + 1; it != std::end(kWindowsZones); ++it) {
        QVERIFY2(std::strcmp((it - 1)->windows, it->windows) < 0, it->windows);
        QCOMPARE(ianaNameOfWindowsZone(it->windows), it->iana);
    }
    QCOMPARE(ianaNameOfWindowsZone("No Such Standard Time"), nullptr);
}

void WindowsZonesTest::everyZoneLoads() {
    for (const WindowsZone& entry : kWindowsZones) {
        QVERIFY2(builtinZone(entry.iana) != nullptr, entry.iana);
    }
}

QTEST_GUILESS_MAIN(WindowsZonesTest)
#include "tst_windows_zones.moc"
