// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Which zone the system runs in, and loading a zone by its name from the zone folder. The
// places this looks are arguments, so that tests can point them at a folder of their own.

#include <optional>
#include <string>
#include <string_view>

#include "timezone.h"

namespace solvane::astro {

struct SystemZoneSources {
    std::optional<std::string> tzVariable;  // the TZ environment variable, when set
    std::string zoneinfoDir = "/usr/share/zoneinfo";
    std::string timezoneFile = "/etc/timezone";
    std::string localtimeFile = "/etc/localtime";

    // TZ and TZDIR from the environment, the system's files otherwise.
    static SystemZoneSources fromEnvironment();
};

struct NamedZone {
    std::string name;  // "Europe/Berlin"; empty when only the rules are known
    TimeZone zone;
};

// The zone's name: from TZ (":Europe/Berlin", "Europe/Berlin", a path into the zone folder;
// an empty TZ is "UTC"), else the first line of /etc/timezone, else the part after
// "zoneinfo/" of where /etc/localtime links to. Empty when none of them names a zone.
std::optional<std::string> systemZoneName(const SystemZoneSources& sources);

// The zone of that name in the zone folder, or the zone a POSIX TZ string such as
// "EST5EDT,M3.2.0,M11.1.0" describes. Names that leave the folder are refused. Empty when
// no zone has that name.
std::optional<TimeZone> loadZone(const std::string& zoneinfoDir, std::string_view name);

// The system's zone with its name; the rules of /etc/localtime without a name when no name
// is found; empty when neither is there (a bare container), which callers take as UTC.
std::optional<NamedZone> systemZone(const SystemZoneSources& sources);

}  // namespace solvane::astro
