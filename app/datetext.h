// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The date texts of the year view, with the month names of the user's locale.

#include <QDate>
#include <QString>

#include "dates.h"

namespace solvane {

astro::Date toAstro(const QDate& date);
QDate fromAstro(const astro::Date& date);

// The month names of the default QLocale (English in tests).
const astro::MonthNames& localeMonthNames();

// Formats by the patterns "m" "mm" "mmm" "mmmm" "d" "dd" "yy" "yyyy" and "/".
QString formatDate(const QDate& date, const char* pattern);

// Reads a month-first date text back; a two-digit year goes to the century of today.
// Raises solvane::Error for a text that is not a valid date.
QDate readDate(const QString& text);

}  // namespace solvane
