// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Which zone the system runs in, by name, and where the zone folder keeps a zone of that name.
// The zone's rules are the C library's and Qt's business; the name is needed here only to
// find the zone's reference city in the zone table. The places this looks are arguments, so
// that tests can point them at a folder of their own.

#include <optional>
#include <string>
#include <string_view>

namespace solvane::astro {

struct SystemZoneSources {
    std::optional<std::string> tzVariable;  // the TZ environment variable, when set
    std::string zoneinfoDir = "/usr/share/zoneinfo";
    std::string timezoneFile = "/etc/timezone";
    std::string localtimeFile = "/etc/localtime";

    // TZ and TZDIR from the environment, the system's files otherwise.
    static SystemZoneSources fromEnvironment();
};

// The zone's name: from TZ (":Europe/Berlin", "Europe/Berlin", a path into the zone folder;
// an empty TZ is "UTC"), else the first line of /etc/timezone, else the part after
// "zoneinfo/" of where /etc/localtime links to. Empty when none of them names a zone.
std::optional<std::string> systemZoneName(const SystemZoneSources& sources);

// What the C library makes of the zone of `sources` (TZ, else /etc/localtime). It opens the
// file TZ names with a blocking open, so every file it would read is checked first.
struct CLibraryZone {
    // The TZ value to give it: ":" and the path of a checked zone file, or a rule such as
    // "EST5EDT,M3.2.0,M11.1.0"; empty for UTC, which needs neither a file nor the C library.
    std::string tz;
    // The zone names a file that is not a regular one (a FIFO, a device): taken as UTC.
    bool blocked = false;
};
CLibraryZone cLibraryZone(const SystemZoneSources& sources);

// Whether `name` stays inside the zone folder: relative, and without "." or ".." parts.
bool isSafeZoneName(std::string_view name);

// Where the zone of that name is looked for: `name` itself when it is an absolute path,
// else its place in `zoneinfoDir`.
std::string zoneFilePath(const std::string& zoneinfoDir, const std::string& name);

}  // namespace solvane::astro
