// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The system time zone a test runs in, whatever the machine's: a zone of the system's zone
// folder by name (tzdata's /usr/share/zoneinfo, or a folder of the test's own given as TZDIR
// to Qt as well), or none at all as in a bare container. The environment's zone comes back
// when the object goes.

#include <QFile>
#include <QString>

#include "system_zone.h"

namespace solvane::test {

inline constexpr const char* kZoneinfoDir = "/usr/share/zoneinfo";

class SystemZoneForTest {
public:
    // An empty name: no zone at all.
    explicit SystemZoneForTest(const QString& zone = QString(),
                               const QString& zoneinfoDir = QString())
        : savedTzdir_(qgetenv("TZDIR")), tzdirWasSet_(qEnvironmentVariableIsSet("TZDIR")) {
        astro::SystemZoneSources sources;
        sources.zoneinfoDir = kZoneinfoDir;
        if (!zoneinfoDir.isEmpty()) {
            sources.zoneinfoDir = QFile::encodeName(zoneinfoDir).toStdString();
            qputenv("TZDIR", QFile::encodeName(zoneinfoDir));
        }
        sources.timezoneFile = "/nonexistent/timezone";
        sources.localtimeFile = "/nonexistent/localtime";
        if (!zone.isEmpty())
            sources.tzVariable = zone.toStdString();
        prefs::setSystemZoneSources(sources);
    }
    ~SystemZoneForTest() {
        if (tzdirWasSet_)
            qputenv("TZDIR", savedTzdir_);
        else
            qunsetenv("TZDIR");
        prefs::setSystemZoneSources(astro::SystemZoneSources::fromEnvironment());
    }
    SystemZoneForTest(const SystemZoneForTest&) = delete;
    SystemZoneForTest& operator=(const SystemZoneForTest&) = delete;

    // Whether the zone files the tests name are installed (Debian's tzdata).
    static bool zoneDataInstalled() {
        return QFile::exists(QStringLiteral("%1/zone1970.tab").arg(QLatin1String(kZoneinfoDir)));
    }

private:
    QByteArray savedTzdir_;
    bool tzdirWasSet_;
};

}  // namespace solvane::test
