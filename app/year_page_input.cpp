// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "year_page_input.h"

#include <QCoreApplication>
#include <cmath>

#include "day_facts.h"
#include "moon_phases.h"
#include "moon_sky.h"
#include "zonetab.h"

namespace solvane {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("YearPage", text);
}

print::MoonPhase pagePhase(astro::PrincipalPhase phase) {
    switch (phase) {
        case astro::PrincipalPhase::NewMoon:
            return print::MoonPhase::New;
        case astro::PrincipalPhase::FirstQuarter:
            return print::MoonPhase::FirstQuarter;
        case astro::PrincipalPhase::FullMoon:
            return print::MoonPhase::Full;
        case astro::PrincipalPhase::LastQuarter:
            break;
    }
    return print::MoonPhase::LastQuarter;
}

QString placeText(const Facts& facts, const QLocale& locale) {
    if (facts.zoneCity)
        return QString::fromStdString(facts.zoneCity->city);
    const double east = -facts.longitudeNumber;
    return tr("%1\u00b0 %2, %3\u00b0 %4")
        .arg(locale.toString(std::fabs(facts.latitude), 'f', 2),
             facts.latitude < 0 ? tr("S") : tr("N"), locale.toString(std::fabs(east), 'f', 2),
             east < 0 ? tr("W") : tr("E"));
}

}  // namespace

print::YearPageInput yearPageInput(int year, const prefs::Settings* settings, const QLocale& locale,
                                   bool weekNumbers) {
    DayFacts days;
    days.setSettings(settings);
    print::YearPageInput input;
    input.year = year;
    input.locale = locale;
    input.weekNumbers = weekNumbers;
    const QDate first(year, 1, 1);
    const Facts january = days.of(first);
    input.place = placeText(january, locale);
    input.zone = days.clockName(first);
    if (january.sunComputed) {
        for (const int day : {1, 15})
            for (int month = 1; month <= 12; ++month) {
                const Facts facts = days.of(QDate(year, month, day));
                input.sun.push_back({facts.sunriseText, facts.sunsetText});
            }
    }
    // A day either side: a phase late on New Year's Eve in UT may fall on the 1st locally.
    const double from = astro::julianDayUt({{year, 1, 1}, 0}, 0) - 1;
    const double to = astro::julianDayUt({{year + 1, 1, 1}, 0}, 0) + 1;
    for (const astro::PhaseInstant& instant : astro::principalPhasesBetween(from, to)) {
        const QDate local = days.localDateOf(instant.julianDayUt);
        if (local.year() == year)
            input.moon.push_back({local, pagePhase(instant.phase)});
    }
    return input;
}

}  // namespace solvane
