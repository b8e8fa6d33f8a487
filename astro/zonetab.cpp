// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "zonetab.h"

#include "file_head.h"

namespace solvane::astro {

namespace {

constexpr std::size_t kMaxTableSize = 1 << 20;

// ±DD[D]MM[SS] with `degreeDigits` digits of degrees, as decimal degrees; empty when the
// digits are not a whole field.
std::optional<double> angle(std::string_view text, std::size_t degreeDigits) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5) {
        return std::nullopt;
    }
    double parts[3] = {0, 0, 0};
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        const std::size_t part = i <= degreeDigits ? 0 : (i - degreeDigits - 1) / 2 + 1;
        parts[part] = parts[part] * 10 + (text[i] - '0');
    }
    if (parts[1] >= 60 || parts[2] >= 60) {
        return std::nullopt;
    }
    const double value = parts[0] + parts[1] / 60 + parts[2] / 3600;
    return text[0] == '-' ? -value : value;
}

std::string_view field(std::string_view line, std::size_t index) {
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t tab = line.find('\t');
        if (tab == line.npos) {
            return {};
        }
        line.remove_prefix(tab + 1);
    }
    return line.substr(0, line.find('\t'));
}

std::optional<std::string> readTable(const std::string& path) {
    return readFileHead(path, kMaxTableSize);
}

}  // namespace

std::optional<Coordinates> parseIso6709(std::string_view text) {
    const std::size_t split = text.find_first_of("+-", 1);
    if (text.empty() || (text[0] != '+' && text[0] != '-') || split == text.npos) {
        return std::nullopt;
    }
    const auto latitude = angle(text.substr(0, split), 2);
    const auto longitude = angle(text.substr(split), 3);
    if (!latitude || !longitude || *latitude < -90 || *latitude > 90 || *longitude < -180 ||
        *longitude > 180) {
        return std::nullopt;
    }
    return Coordinates{*latitude, *longitude};
}

std::string cityOfZone(std::string_view zone) {
    std::string city(zone.substr(zone.rfind('/') + 1));
    for (char& c : city) {
        c = c == '_' ? ' ' : c;
    }
    return city;
}

std::optional<ZonePlace> findZonePlace(std::string_view tableContents, std::string_view zone) {
    while (!tableContents.empty()) {
        const std::size_t end = tableContents.find('\n');
        std::string_view line = tableContents.substr(0, end);
        tableContents.remove_prefix(end == tableContents.npos ? tableContents.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line[0] == '#' || field(line, 2) != zone) {
            continue;
        }
        if (const auto place = parseIso6709(field(line, 1))) {
            return ZonePlace{std::string(zone), cityOfZone(zone), place->latitude,
                             place->longitude};
        }
    }
    return std::nullopt;
}

std::optional<ZonePlace> zonePlace(const std::string& zoneinfoDir, std::string_view zone) {
    for (const char* table : {"/zone1970.tab", "/zone.tab"}) {
        if (const auto contents = readTable(zoneinfoDir + table)) {
            if (auto place = findZonePlace(*contents, zone)) {
                return place;
            }
        }
    }
    return std::nullopt;
}

}  // namespace solvane::astro
