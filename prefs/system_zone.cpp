// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "system_zone.h"

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

std::optional<SystemZone> readZone(const astro::SystemZoneSources& sources) {
    std::optional<astro::NamedZone> found = astro::systemZone(sources);
    if (!found)
        return std::nullopt;
    SystemZone zone{QString::fromStdString(found->name), std::move(found->zone), std::nullopt};
    if (!found->name.empty())
        zone.city = astro::zonePlace(sources.zoneinfoDir, found->name);
    return zone;
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

SunClock sunClock(const Preferences& settings, const SystemZone* zone) {
    if (!zone)
        return {};
    if (!settings.hasPlace() && zone->city)
        return {&zone->zone, &*zone->city};
    return {settings.useSystemZone ? &zone->zone : nullptr, nullptr};
}

QString firstStartNote(const astro::ZonePlace& city) {
    return QStringLiteral("Times for %1 (%2); set your place in Parameters")
        .arg(QString::fromStdString(city.city), QString::fromStdString(city.zone));
}

QString firstStartNoteInParameters(const astro::ZonePlace& city) {
    return QStringLiteral(
               "Times for %1 (%2) until you save a place here. Until then they "
               "follow the system time zone, so its switch stays on.")
        .arg(QString::fromStdString(city.city), QString::fromStdString(city.zone));
}

}  // namespace solvane::prefs
