// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The zone tables of the time zone database (zone1970.tab, and the older zone.tab): for each
// zone, the position of its reference city in ISO 6709 form (+DDMM+DDDMM or
// +DDMMSS+DDDMMSS, north and east positive) and, from the zone's name, the city's name.

#include <optional>
#include <string>
#include <string_view>

namespace solvane::astro {

struct ZonePlace {
    std::string zone;      // "America/New_York"
    std::string city;      // "New York": the last part of the name, underscores as spaces
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
};

struct Coordinates {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
};

// "+404251-0740023" gives 40.7142, -74.0064. Empty when not of that form or out of range.
std::optional<Coordinates> parseIso6709(std::string_view text);

// "America/Argentina/Buenos_Aires" gives "Buenos Aires".
std::string cityOfZone(std::string_view zone);

// The zone's line of a table's contents; empty when the zone has none.
std::optional<ZonePlace> findZonePlace(std::string_view tableContents, std::string_view zone);

// Looks in `zoneinfoDir`/zone1970.tab, then in `zoneinfoDir`/zone.tab.
std::optional<ZonePlace> zonePlace(const std::string& zoneinfoDir, std::string_view zone);

}  // namespace solvane::astro
