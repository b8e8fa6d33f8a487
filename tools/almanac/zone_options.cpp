// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "zone_options.h"

#include <cmath>

#include "decimal.h"
#include "options.h"
#include "zone_clock.h"
#include "zonetab.h"

namespace solvane::almanac {

const char* const kZoneHelp =
    "\n"
    "Time zone and coordinates:\n"
    "  --tz ZONE        a zone of the system's zone database by its name, such as\n"
    "                   America/New_York or Asia/Kathmandu, or local for the system's zone\n"
    "                   (TZ, else /etc/localtime). Each time is shown\n"
    "                   on the wall clock: with the zone's offset at local noon of the day\n"
    "                   it belongs to, daylight saving and historical changes included.\n"
    "                   Replaces --offset; an unknown zone exits with status 2\n"
    "  --latitude DEG   signed decimal degrees, north positive (ISO 6709): 40.7142 is\n"
    "                   40\xC2\xB0"
    "42'51\" N, -33.8667 is 33\xC2\xB0"
    "52' S; -90 to 90, else exit status 2\n"
    "  --longitude DEG  signed decimal degrees, east positive (ISO 6709, unlike --lon):\n"
    "                   -74.0064 is 74\xC2\xB0"
    "00'23\" W, 151.2167 is 151\xC2\xB0"
    "13' E; -180 to 180, else exit status 2\n"
    "  --version        the program's version\n"
    "\n"
    "With --tz and no place, the place is the zone's reference city in the zone table\n"
    "(zone1970.tab or zone.tab): --tz America/New_York gives New York, 40.7142 -74.0064.\n"
    "Zones without a city there (UTC) give no sun times unless a place is given.\n"
    "Example: solvane-almanac --tz Europe/Berlin --latitude 52.52 --longitude 13.405 "
    "2026-07-01\n";

const char* const kVersionText = "solvane-almanac " SOLVANE_VERSION "\n";

namespace {

struct ZoneOption {
    const char* name;
    std::optional<std::string> ZoneArguments::*field;
};

constexpr ZoneOption kZoneOptions[] = {{"--tz", &ZoneArguments::tz},
                                       {"--latitude", &ZoneArguments::latitude},
                                       {"--longitude", &ZoneArguments::longitude}};

// Signed decimal degrees within ±limit; empty otherwise.
std::optional<double> parseDegrees(std::string text, double limit) {
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
    }
    const std::optional<double> value = astro::decimalValue(text);
    if (!value || std::fabs(*value) > limit) {
        return std::nullopt;
    }
    return value;
}

Refusal refusal(const std::string& why, bool withUsage = false) {
    return Refusal{"solvane-almanac: " + why + "\n", withUsage};
}

std::optional<Refusal> readCoordinates(const ZoneArguments& zone, Options& options) {
    if (zone.latitude) {
        const auto latitude = parseDegrees(*zone.latitude, 90);
        if (!latitude) {
            return refusal(
                "--latitude takes decimal degrees from -90 to 90, north positive, "
                "not " +
                *zone.latitude);
        }
        options.latitude = *latitude;
    }
    if (zone.longitude) {
        const auto longitude = parseDegrees(*zone.longitude, 180);
        if (!longitude) {
            return refusal(
                "--longitude takes decimal degrees from -180 to 180, east positive, "
                "not " +
                *zone.longitude);
        }
        options.longitudeNumber = -*longitude;
    }
    return std::nullopt;
}

}  // namespace

ZoneArguments takeZoneArguments(const std::vector<std::string>& arguments) {
    ZoneArguments zone;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--version") {
            zone.version = true;
            continue;
        }
        const ZoneOption* option = nullptr;
        for (const ZoneOption& candidate : kZoneOptions) {
            const std::string name = candidate.name;
            if (argument == name || argument.rfind(name + "=", 0) == 0) {
                option = &candidate;
            }
        }
        if (!option) {
            zone.rest.push_back(argument);
        } else if (argument.size() > std::string(option->name).size()) {
            zone.*(option->field) = argument.substr(std::string(option->name).size() + 1);
        } else if (i + 1 < arguments.size()) {
            zone.*(option->field) = arguments[++i];
        } else if (zone.error.empty()) {
            zone.error = std::string("option ") + option->name + " needs a value";
        }
    }
    return zone;
}

std::optional<Refusal> applyZoneArguments(const ZoneArguments& zone, bool offsetGiven,
                                          bool placeTextGiven, Options& options,
                                          const astro::SystemZoneSources& sources) {
    if (zone.tz && offsetGiven) {
        return refusal("give either --tz or --offset", true);
    }
    if ((zone.latitude || zone.longitude) && placeTextGiven) {
        return refusal("give the place either as --lat/--lon texts or as --latitude/--longitude",
                       true);
    }
    if (auto refused = readCoordinates(zone, options)) {
        return refused;
    }
    if (!zone.tz) {
        return std::nullopt;
    }
    std::string name = *zone.tz;
    if (name == "local") {
        options.zone = systemZoneClock(sources);
        name = astro::systemZoneName(sources).value_or("");
    } else {
        options.zone = namedZoneClock(sources, name);
        if (!options.zone) {
            return refusal("unknown time zone " + name);
        }
    }
    if (!placeTextGiven && !zone.latitude && !zone.longitude) {
        if (const auto city = astro::zonePlace(sources.zoneinfoDir, name)) {
            options.latitude = city->latitude;
            options.longitudeNumber = -city->longitude;
        }
    }
    return std::nullopt;
}

}  // namespace solvane::almanac
