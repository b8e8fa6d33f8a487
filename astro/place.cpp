// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "place.h"

#include "decimal.h"

#include <charconv>
#include <cmath>

namespace solvane::astro {

namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";
constexpr std::size_t kMaxNumberCharacters = 100;

// The part of a place text before the degree sign (the hemisphere letter) and the number
// text after it.
struct PlaceText {
    std::string_view hemisphere;
    std::string_view number;
};

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// At most `count` UTF-8 characters from the start of the text.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    std::size_t seen = 0;
    while (end < text.size()) {
        if (!isContinuationByte(text[end]) && seen++ == count) {
            break;
        }
        ++end;
    }
    return text.substr(0, end);
}

PlaceText splitPlaceText(std::string_view text) {
    const std::size_t sign = text.find(kDegreeSign);
    if (sign == std::string_view::npos) {
        return {{}, firstCharacters(text, kMaxNumberCharacters)};
    }
    return {text.substr(0, sign),
            firstCharacters(text.substr(sign + kDegreeSign.size()), kMaxNumberCharacters)};
}

std::string_view trimmedBlanks(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isAsciiDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// A decimal number as a whole: sign, digits with an optional "." and an optional exponent.
bool isDecimalNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t integerEnd = skipDigits(text, pos);
    std::size_t mantissaDigits = integerEnd - pos;
    pos = integerEnd;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = skipDigits(text, pos + 1);
        mantissaDigits += fractionEnd - (pos + 1);
        pos = fractionEnd;
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const std::size_t exponentEnd = skipDigits(text, pos);
        if (exponentEnd == pos) {
            return false;
        }
        pos = exponentEnd;
    }
    return pos == text.size();
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimmedBlanks(text);
    if (text.empty()) {
        return 0.0;
    }
    if (!isDecimalNumber(text)) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1);  // from_chars takes no plus sign
    }
    return decimalValue(text);
}

// The hemisphere is the first letter before the degree sign, in either case, so that "South"
// and "s" read alike and a later letter ("West", "Nos") never changes the side.
bool namesHemisphere(std::string_view text, char upper) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    for (const char c : text) {
        if (isLetter(c)) {
            return c == upper || c == static_cast<char>(upper - 'A' + 'a');
        }
    }
    return false;
}

// The number of a place text rounded to two decimals, negated when the hemisphere letter
// names the negative side.
std::optional<double> placeNumber(std::string_view text, char negativeHemisphere) {
    const PlaceText parts = splitPlaceText(text);
    const auto value = parseNumber(parts.number);
    if (!value) {
        return std::nullopt;
    }
    const double rounded = roundTo2Decimals(*value);
    return namesHemisphere(parts.hemisphere, negativeHemisphere) ? -std::fabs(rounded) : rounded;
}

// Adds one unit in the last place of a decimal digit string; true when it carries out.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

}  // namespace

std::optional<double> latitudeFromText(std::string_view text) {
    return placeNumber(text, 'S');
}

std::optional<double> longitudeNumberFromText(std::string_view text) {
    return placeNumber(text, 'E');
}

double roundTo2Decimals(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    // The shortest text that reads back as the value is the decimal the user wrote, so
    // 0.285 rounds up even though the double nearest to it lies a little below.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || text.size() - point - 1 <= 2) {
        return value;
    }
    std::string digits(text.substr(0, point));
    digits += text.substr(point + 1, 2);
    const bool roundUp = text[point + 3] >= '5';
    if (roundUp && incrementDigits(digits)) {
        digits.insert(digits.begin(), '1');
    }
    std::string rounded;
    rounded.reserve(digits.size() + 2);
    if (negative) {
        rounded += '-';
    }
    rounded.append(digits, 0, digits.size() - 2);
    rounded += '.';
    rounded.append(digits, digits.size() - 2, 2);
    double out = 0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), out);
    return out;
}

std::string twoDecimalText(double value) {
    const double rounded = roundTo2Decimals(value);
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded,
                                      std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace solvane::astro
