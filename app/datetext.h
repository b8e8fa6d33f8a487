// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The date texts of the year view, with the month names of the user's locale.

#include <QDate>
#include <QString>

#include "dates.h"

namespace solvane {

astro::Date toAstro(const QDate& date);

// The month names of the default QLocale (English in tests).
const astro::MonthNames& localeMonthNames();

// A month's title, "December 2026", in the default QLocale.
QString monthTitleText(const QDate& date);

}  // namespace solvane
