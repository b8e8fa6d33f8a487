// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "ics_lines.h"

#include <charconv>
#include <cmath>

#include "dates.h"
#include "local_time.h"

namespace solvane::almanac::ics {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where a physical line that may take `room` octets from `line` ends: before the character
// that would pass the limit. A run of stray continuation bytes longer than the room (no
// valid UTF-8) is cut anyway, so that folding always moves on.
std::size_t foldPoint(std::string_view line, std::size_t room) {
    if (line.size() <= room) {
        return line.size();
    }
    std::size_t cut = room;
    while (cut > 0 && isContinuationByte(line[cut])) {
        --cut;
    }
    return cut == 0 ? room : cut;
}

long long floorDiv(long long value, long long divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

void appendDigits(std::string& out, long long value, int width) {
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

}  // namespace

std::string escapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\r' || c == '\n') {
            escaped += "\\n";
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
        } else if (c == '\t' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)) {
            escaped += c;
        }
    }
    return escaped;
}

void appendLine(std::string& out, std::string_view line) {
    std::size_t room = kMaxLineOctets;
    for (;;) {
        const std::size_t cut = foldPoint(line, room);
        out.append(line.substr(0, cut));
        out += "\r\n";
        line.remove_prefix(cut);
        if (line.empty()) {
            return;
        }
        out += ' ';
        room = kMaxLineOctets - 1;
    }
}

std::string utcDateTime(std::int64_t seconds) {
    const long long days = floorDiv(seconds, 86400);
    const long long inDay = seconds - days * 86400;
    const astro::Date date = astro::dateFromSerial(days + kSerialOfEpoch);
    std::string text;
    appendDigits(text, date.year, 4);
    appendDigits(text, date.month, 2);
    appendDigits(text, date.day, 2);
    text += 'T';
    appendDigits(text, inDay / 3600, 2);
    appendDigits(text, inDay / 60 % 60, 2);
    appendDigits(text, inDay % 60, 2);
    text += 'Z';
    return text;
}

std::string decimal(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6).ptr;
    std::string_view digits(text, static_cast<std::size_t>(end - text));
    while (digits.back() == '0') {
        digits.remove_suffix(1);
    }
    if (digits.back() == '.') {
        digits.remove_suffix(1);
    }
    return digits == "-0" ? "0" : std::string(digits);
}

}  // namespace solvane::almanac::ics
