// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The almanac's time zone and coordinate options: --tz ZONE, --latitude DEG, --longitude DEG
// and --version, taken out of the command line before the other options are read.

#include <optional>
#include <string>
#include <vector>

#include "sun.h"
#include "timezone_system.h"

namespace solvane::almanac {

struct Options;
struct Refusal;

struct ZoneArguments {
    std::optional<std::string> tz, latitude, longitude;
    bool version = false;
    std::vector<std::string> rest;  // every other argument, in order
    std::string error;              // a usage error, empty when none
};

ZoneArguments takeZoneArguments(const std::vector<std::string>& arguments);

// Puts the zone and the coordinates into the options: the place from --latitude and
// --longitude, or from the zone's reference city when no place was given at all. `offsetGiven`
// and `placeTextGiven` tell whether --offset and --lat/--lon were used, which do not mix
// with --tz and with --latitude/--longitude.
std::optional<Refusal> applyZoneArguments(const ZoneArguments& zone, bool offsetGiven,
                                          bool placeTextGiven, Options& options,
                                          const astro::SystemZoneSources& sources);

extern const char* const kZoneHelp;
extern const char* const kVersionText;

}  // namespace solvane::almanac
