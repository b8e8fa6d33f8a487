// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace solvane::astro {
namespace {

constexpr long long kExponentCap = 1'000'000'000'000LL;  // far beyond any double, no overflow

// The power of ten of the first significant digit of a number text that from_chars found out
// of range: below zero when the number is too small, above when too large. Its sign is all
// that counts, and it is unmistakable, as only hundreds of places put a double out of range.
long long leadingPower(std::string_view text) {
    std::size_t i = (!text.empty() && text.front() == '-') ? 1 : 0;
    long long integerDigits = 0, zerosAfterPoint = 0;
    bool afterPoint = false, significant = false;
    for (; i < text.size() && (isAsciiDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            afterPoint = true;
        } else if (significant || text[i] != '0') {
            significant = true;
            integerDigits += afterPoint ? 0 : 1;
        } else if (afterPoint) {
            ++zerosAfterPoint;
        }
    }
    long long power = integerDigits > 0 ? integerDigits : -zerosAfterPoint;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        i += (i < text.size() && (text[i] == '-' || text[i] == '+')) ? 1 : 0;
        long long exponent = 0;
        for (; i < text.size() && isAsciiDigit(text[i]); ++i)
            exponent = std::min(kExponentCap, exponent * 10 + (text[i] - '0'));
        power += negative ? -exponent : exponent;
    }
    return power;
}

}  // namespace

std::optional<double> decimalValue(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end)
        return std::nullopt;
    if (error == std::errc::result_out_of_range && leadingPower(text) < 0)
        return std::copysign(0.0, text.front() == '-' ? -1.0 : 1.0);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace solvane::astro
