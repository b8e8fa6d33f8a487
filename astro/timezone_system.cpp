// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "timezone_system.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "file_head.h"

namespace solvane::astro {

namespace {

std::string trimmed(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.back())) {
        text.pop_back();
    }
    std::size_t start = 0;
    while (start < text.size() && blank(text[start])) {
        ++start;
    }
    return text.substr(start);
}

// "../usr/share/zoneinfo/posix/Europe/Berlin" gives "Europe/Berlin".
std::optional<std::string> nameInZoneinfoPath(const std::string& path) {
    constexpr std::string_view kFolder = "zoneinfo/";
    const std::size_t at = path.rfind(kFolder);
    if (at == path.npos) {
        return std::nullopt;
    }
    std::string name = path.substr(at + kFolder.size());
    for (std::string_view variant : {"posix/", "right/"}) {
        if (name.rfind(variant, 0) == 0) {
            name.erase(0, variant.size());
        }
    }
    return name.empty() ? std::nullopt : std::optional(name);
}

std::optional<std::string> nameFromTzVariable(std::string value, const std::string& zoneinfoDir) {
    if (!value.empty() && value.front() == ':') {
        value.erase(0, 1);
    }
    if (value.empty()) {
        return "UTC";
    }
    if (value.front() == '/') {
        if (value.rfind(zoneinfoDir + "/", 0) == 0) {
            return value.substr(zoneinfoDir.size() + 1);
        }
        return nameInZoneinfoPath(value).value_or(value);
    }
    return value;
}

}  // namespace

SystemZoneSources SystemZoneSources::fromEnvironment() {
    SystemZoneSources sources;
    if (const char* tz = std::getenv("TZ")) {
        sources.tzVariable = tz;
    }
    if (const char* dir = std::getenv("TZDIR"); dir && *dir) {
        sources.zoneinfoDir = dir;
    }
    return sources;
}

std::optional<std::string> systemZoneName(const SystemZoneSources& sources) {
    if (sources.tzVariable) {
        return nameFromTzVariable(*sources.tzVariable, sources.zoneinfoDir);
    }
    const std::string line = firstLine(sources.timezoneFile);
    if (!trimmed(line).empty()) {
        return trimmed(line);
    }
    std::error_code error;
    const auto target = std::filesystem::read_symlink(sources.localtimeFile, error);
    return error ? std::nullopt : nameInZoneinfoPath(target.string());
}

bool isSafeZoneName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.back() == '/') {
        return false;
    }
    for (std::size_t start = 0; start <= name.size();) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
}

std::string zoneFilePath(const std::string& zoneinfoDir, const std::string& name) {
    return !name.empty() && name.front() == '/' ? name : zoneinfoDir + "/" + name;
}

CLibraryZone cLibraryZone(const SystemZoneSources& sources) {
    const auto blocked = [](const std::string& path) { return fileKind(path) == FileKind::Other; };
    if (!sources.tzVariable) {
        if (isZoneFile(sources.localtimeFile)) {
            return CLibraryZone{":" + sources.localtimeFile, false};
        }
        return CLibraryZone{"", blocked(sources.localtimeFile)};
    }
    std::string value = *sources.tzVariable;
    if (!value.empty() && value.front() == ':') {
        value.erase(0, 1);
    }
    // The C library reads an empty TZ as the folder's "Universal".
    const std::string path = zoneFilePath(sources.zoneinfoDir, value.empty() ? "Universal" : value);
    if (isZoneFile(path)) {
        return CLibraryZone{":" + path, false};
    }
    if (value.empty() || blocked(path)) {
        return CLibraryZone{"", blocked(path)};
    }
    // Not a zone file: a rule, for which it may also read the folder's "posixrules".
    if (blocked(sources.zoneinfoDir + "/posixrules")) {
        return CLibraryZone{"", true};
    }
    return CLibraryZone{value, false};
}

}  // namespace solvane::astro
