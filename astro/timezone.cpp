// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "timezone.h"

#include <algorithm>
#include <iterator>

#include "file_head.h"

namespace solvane::astro {

namespace {

constexpr std::size_t kHeaderSize = 44;
constexpr std::size_t kMaxFileSize = 1 << 20;  // real zone files are a few kilobytes
constexpr long kMaxOffset = 26 * 3600;         // wider than any offset ever used
constexpr std::int64_t kSecondsPerDay = 86400;

// The six counts of a TZif header, in file order.
struct Counts {
    std::uint32_t isUt, isStd, leap, time, type, chars;
};

std::int64_t bigEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    if (width == 4) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    return static_cast<std::int64_t>(value);
}

std::optional<Counts> readHeader(std::string_view bytes, std::size_t at) {
    if (bytes.size() < at + kHeaderSize || bytes.substr(at, 4) != "TZif") {
        return std::nullopt;
    }
    std::uint32_t values[6];
    for (std::size_t i = 0; i < 6; ++i) {
        values[i] = static_cast<std::uint32_t>(bigEndian(bytes, at + 20 + 4 * i, 4));
    }
    return Counts{values[0], values[1], values[2], values[3], values[4], values[5]};
}

// The size of a data block after its header, with `timeWidth`-byte instants; 0 when the
// counts contradict each other.
std::uint64_t blockSize(const Counts& c, std::uint64_t timeWidth) {
    if (c.type == 0 || (c.isUt != 0 && c.isUt != c.type) || (c.isStd != 0 && c.isStd != c.type)) {
        return 0;
    }
    return std::uint64_t{c.time} * (timeWidth + 1) + std::uint64_t{c.type} * 6 + c.chars +
           std::uint64_t{c.leap} * (timeWidth + 4) + c.isStd + c.isUt;
}

// The footer of versions 2 and 3: a POSIX rule between two newlines, possibly empty.
std::optional<std::optional<PosixRule>> readFooter(std::string_view rest) {
    if (rest.size() < 2 || rest.front() != '\n') {
        return std::nullopt;
    }
    const std::size_t close = rest.find('\n', 1);
    if (close == rest.npos) {
        return std::nullopt;
    }
    const std::string_view text = rest.substr(1, close - 1);
    if (text.empty()) {
        return std::optional<PosixRule>();
    }
    const auto rule = parsePosixRule(text);
    if (!rule) {
        return std::nullopt;
    }
    return std::optional<PosixRule>(rule);
}

}  // namespace

TimeZone TimeZone::fixed(long offsetSeconds) {
    TimeZone zone;
    zone.typeOffsets_ = {offsetSeconds};
    return zone;
}

std::optional<TimeZone> TimeZone::fromPosixRule(std::string_view text) {
    const auto rule = parsePosixRule(text);
    if (!rule) {
        return std::nullopt;
    }
    TimeZone zone = fixed(rule->standardOffset);
    zone.rule_ = rule;
    return zone;
}

std::optional<TimeZone> TimeZone::fromTzif(std::string_view bytes) {
    auto counts = readHeader(bytes, 0);
    if (!counts || bytes.size() > kMaxFileSize) {
        return std::nullopt;
    }
    std::size_t at = kHeaderSize;
    std::size_t width = 4;
    if (bytes[4] != '\0') {
        // Versions 2 and 3 repeat the data with 64-bit instants after the first block.
        const std::uint64_t skip = blockSize(*counts, 4);
        if (skip == 0 || at + skip > bytes.size()) {
            return std::nullopt;
        }
        at += skip;
        counts = readHeader(bytes, at);
        at += kHeaderSize;
        width = 8;
    }
    const std::uint64_t size = counts ? blockSize(*counts, width) : 0;
    if (size == 0 || at + size > bytes.size()) {
        return std::nullopt;
    }
    TimeZone zone;
    for (std::uint32_t i = 0; i < counts->time; ++i) {
        const std::int64_t instant = bigEndian(bytes, at + i * width, width);
        const auto type = static_cast<std::uint8_t>(bytes[at + counts->time * width + i]);
        if (type >= counts->type || (i > 0 && instant <= zone.transitions_.back())) {
            return std::nullopt;
        }
        zone.transitions_.push_back(instant);
        zone.typeAfter_.push_back(type);
    }
    const std::size_t types = at + counts->time * (width + 1);
    for (std::uint32_t i = 0; i < counts->type; ++i) {
        const long offset = static_cast<long>(bigEndian(bytes, types + 6 * i, 4));
        if (offset < -kMaxOffset || offset > kMaxOffset) {
            return std::nullopt;
        }
        zone.typeOffsets_.push_back(offset);
    }
    if (width == 8) {
        const auto footer = readFooter(bytes.substr(at + size));
        if (!footer) {
            return std::nullopt;
        }
        zone.rule_ = *footer;
    }
    return zone;
}

std::optional<TimeZone> TimeZone::fromFile(const std::string& path) {
    // One byte over the limit tells a file that is too large from one that fits.
    const std::optional<std::string> bytes = readFileHead(path, kMaxFileSize + 1);
    if (!bytes) {
        return std::nullopt;
    }
    return fromTzif(*bytes);
}

long TimeZone::offsetAt(std::int64_t utcSeconds) const {
    const auto after = std::upper_bound(transitions_.begin(), transitions_.end(), utcSeconds);
    if (after == transitions_.end() && rule_) {
        return rule_->offsetAt(utcSeconds);
    }
    if (after == transitions_.begin()) {
        return typeOffsets_.front();  // before the table: the zone's first local time type
    }
    return typeOffsets_[typeAfter_[static_cast<std::size_t>(after - transitions_.begin() - 1)]];
}

long TimeZone::offsetAtLocalNoon(const Date& date) const {
    const std::int64_t noonAsIfUtc =
        daysFromCivil(date.year, date.month, date.day) * kSecondsPerDay + kSecondsPerDay / 2;
    // Guess the instant with the offset of noon UTC, then correct it once with the offset found
    // there: clock changes are hours apart, so the corrected instant lies on the right side.
    const long guess = offsetAt(noonAsIfUtc - offsetAt(noonAsIfUtc));
    return offsetAt(noonAsIfUtc - guess);
}

double TimeZone::offsetHoursAtLocalNoon(const Date& date) const {
    return offsetAtLocalNoon(date) / 3600.0;
}

}  // namespace solvane::astro
