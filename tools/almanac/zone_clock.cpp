// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "zone_clock.h"

#include <cstdlib>
#include <ctime>

#include "file_head.h"

namespace solvane::almanac {

namespace {

ZoneClock fromFile(const std::string& path) {
    return ZoneClock{":" + path};
}

}  // namespace

long ZoneClock::offsetAt(std::int64_t utcSeconds) const {
    if (tz.empty()) {
        return 0;
    }
    for (const Known& entry : known_) {
        if (entry.valid && entry.utcSeconds == utcSeconds) {
            return entry.offset;
        }
    }
    const auto instant = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    const long offset = localtime_r(&instant, &local) ? local.tm_gmtoff : 0;
    known_[nextKnown_] = Known{utcSeconds, offset, true};
    nextKnown_ = (nextKnown_ + 1) % known_.size();
    return offset;
}

std::optional<ZoneClock> namedZoneClock(const astro::SystemZoneSources& sources,
                                        const std::string& name) {
    const bool utc = name == "UTC" || name == "Etc/UTC";
    if (!utc && !astro::isSafeZoneName(name)) {
        return std::nullopt;
    }
    const std::string path = astro::zoneFilePath(sources.zoneinfoDir, name);
    if (astro::isZoneFile(path)) {
        return fromFile(path);
    }
    return utc ? std::optional(ZoneClock{}) : std::nullopt;
}

ZoneClock systemZoneClock(const astro::SystemZoneSources& sources) {
    return ZoneClock(astro::cLibraryZone(sources).tz);
}

void useZoneClock(const ZoneClock& zone) {
    if (!zone.tz.empty()) {
        ::setenv("TZ", zone.tz.c_str(), 1);
        ::tzset();
    }
}

}  // namespace solvane::almanac
