// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "system_zone.h"

#include <QCoreApplication>
#include <QDateTime>
#include <string>
#include <vector>

#include "file_head.h"

namespace solvane::prefs {
namespace {

struct ZoneCache {
    std::optional<astro::SystemZoneSources> sources;  // the environment's unless replaced
    bool loaded = false;
    std::optional<SystemZone> zone;
};

ZoneCache& cache() {
    static ZoneCache kept;
    return kept;
}

// Qt opens the zone files it is asked for with a blocking open, and a FIFO would hang the
// program there: every file Qt may open for `name` (the folder of TZDIR, then the system's
// folders) must be a regular file or nothing at all.
bool zoneFilesAreSafe(const std::string& name, const astro::SystemZoneSources& sources) {
    std::vector<std::string> folders{sources.zoneinfoDir, "/usr/share/zoneinfo",
                                     "/usr/lib/zoneinfo"};
    if (const QByteArray tzdir = qgetenv("TZDIR"); !tzdir.isEmpty())
        folders.push_back(tzdir.toStdString());
    for (const std::string& folder : folders) {
        for (const std::string& path : {astro::zoneFilePath(folder, name), folder + "/" + name}) {
            if (astro::fileKind(path) == astro::FileKind::Other)
                return false;
        }
    }
    return true;
}

std::optional<QTimeZone> namedZone(const std::string& name,
                                   const astro::SystemZoneSources& sources) {
    if (!zoneFilesAreSafe(name, sources))
        return std::nullopt;
    QTimeZone zone(QByteArray::fromStdString(name));
    return zone.isValid() ? std::optional(zone) : std::nullopt;
}

// The rules of /etc/localtime when nothing names the zone: Qt's own search for the name reads
// /etc/TZ and /etc/timezone, so those too must not be FIFOs.
std::optional<QTimeZone> unnamedSystemZone(const astro::SystemZoneSources& sources) {
    if (!astro::isZoneFile(sources.localtimeFile))
        return std::nullopt;
    for (const std::string& path : {std::string("/etc/TZ"), sources.timezoneFile}) {
        if (astro::fileKind(path) == astro::FileKind::Other)
            return std::nullopt;
    }
    QTimeZone zone = QTimeZone::systemTimeZone();
    return zone.isValid() ? std::optional(zone) : std::nullopt;
}

std::optional<SystemZone> readZone(const astro::SystemZoneSources& sources) {
    const std::optional<std::string> name = astro::systemZoneName(sources);
    std::optional<QTimeZone> zone = name ? namedZone(*name, sources) : std::nullopt;
    if (!zone && name && *name == sources.localtimeFile) {
        // TZ=":/etc/localtime", a path Qt takes no zone from by name but reads as its default.
        zone = unnamedSystemZone(sources);
    }
    if (!zone && sources.tzVariable) {
        // A TZ that names no zone means UTC to the C library, and so to this program.
        zone = QTimeZone::utc();
    }
    const std::string shownName = name.value_or(sources.tzVariable.value_or(""));
    if (!zone) {
        zone = unnamedSystemZone(sources);
        if (!zone)
            return std::nullopt;
        return SystemZone{QString(), *zone, std::nullopt};
    }
    SystemZone found{QString::fromStdString(shownName), *zone, std::nullopt};
    if (!shownName.empty())
        found.city = astro::zonePlace(sources.zoneinfoDir, shownName);
    return found;
}

}  // namespace

const SystemZone* systemZone() {
    ZoneCache& kept = cache();
    if (!kept.loaded) {
        if (!kept.sources)
            kept.sources = astro::SystemZoneSources::fromEnvironment();
        kept.zone = readZone(*kept.sources);
        kept.loaded = true;
    }
    return kept.zone ? &*kept.zone : nullptr;
}

void setSystemZoneSources(const astro::SystemZoneSources& sources) {
    ZoneCache& kept = cache();
    kept.sources = sources;
    kept.loaded = false;
    kept.zone.reset();
}

void keepLocalTimeFromBlocking() {
    astro::SystemZoneSources sources = astro::SystemZoneSources::fromEnvironment();
    if (!astro::cLibraryZone(sources).blocked)
        return;
    // A rule, read as such unless the zone folder holds a file of its name.
    sources.tzVariable = "UTC0";
    if (astro::cLibraryZone(sources).blocked)
        qunsetenv("TZDIR");
    qputenv("TZ", "UTC0");
}

astro::NoonOffsets noonOffsets(const QTimeZone& zone, const astro::Date& date) {
    return astro::noonOffsets(date, [&zone](std::int64_t utcSeconds) {
        return long{zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC))};
    });
}

SunClock sunClock(const Preferences& settings, const SystemZone* zone) {
    if (!zone)
        return {};
    if (!settings.hasPlace() && zone->city)
        return {&zone->zone, &*zone->city};
    return {settings.useSystemZone ? &zone->zone : nullptr, nullptr};
}

QString firstStartNote(const astro::ZonePlace& city) {
    return QCoreApplication::translate("SystemZone",
                                       "Times for %1 (%2); set your place in Parameters")
        .arg(QString::fromStdString(city.city), QString::fromStdString(city.zone));
}

QString firstStartNoteInParameters(const astro::ZonePlace& city) {
    return QCoreApplication::translate("SystemZone",
                                       "Times for %1 (%2) until you save a place here. Until "
                                       "then they follow the system time zone, so its switch "
                                       "stays on.")
        .arg(QString::fromStdString(city.city), QString::fromStdString(city.zone));
}

}  // namespace solvane::prefs
