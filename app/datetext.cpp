// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "datetext.h"

#include <QLocale>

namespace solvane {

astro::Date toAstro(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

const astro::MonthNames& localeMonthNames() {
    static QString cachedFor;
    static astro::MonthNames names;
    const QLocale locale;
    if (cachedFor != locale.name() || names.full[0].empty()) {
        for (int m = 1; m <= 12; ++m) {
            names.full[m - 1] = locale.standaloneMonthName(m, QLocale::LongFormat).toStdString();
            names.abbreviated[m - 1] =
                locale.standaloneMonthName(m, QLocale::ShortFormat).toStdString();
        }
        cachedFor = locale.name();
    }
    return names;
}

QString monthTitleText(const QDate& date) {
    const QLocale locale;
    return locale.standaloneMonthName(date.month(), QLocale::LongFormat) + u' ' +
           locale.toString(date, QStringLiteral("yyyy"));
}

}  // namespace solvane
