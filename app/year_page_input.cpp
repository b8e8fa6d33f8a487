// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "year_page_input.h"

#include <QCoreApplication>
#include <cmath>

#include "day_facts.h"
#include "moon_phases.h"
#include "moon_sky.h"
#include "page_holidays.h"
#include "zonetab.h"

namespace solvane {
namespace {

// The page's texts, all in one context with those of the page itself.
struct YearPage {
    Q_DECLARE_TR_FUNCTIONS(YearPage)
};

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
    return YearPage::tr("%1\u00b0 %2, %3\u00b0 %4")
        .arg(locale.toString(std::fabs(facts.latitude), 'f', 2),
             facts.latitude < 0 ? YearPage::tr("S", "south") : YearPage::tr("N", "north"),
             locale.toString(std::fabs(east), 'f', 2),
             east < 0 ? YearPage::tr("W", "west") : YearPage::tr("E", "east"));
}

}  // namespace

print::YearPageInput yearPageInput(const QDate& firstMonth, int months,
                                   const prefs::Settings* settings, const QLocale& locale,
                                   bool weekNumbers, const events::EventsModel* events) {
    DayFacts days;
    days.setSettings(settings);
    print::YearPageInput input;
    input.year = firstMonth.year();
    input.firstMonth = firstMonth.month();
    input.months = months;
    input.locale = locale;
    input.weekNumbers = weekNumbers;
    const QDate first(firstMonth.year(), firstMonth.month(), 1);
    const QDate end = first.addMonths(months);
    const Facts start = days.of(first);
    input.place = placeText(start, locale);
    input.zone = days.clockName(first);
    if (start.sunComputed) {
        for (const int day : {1, 15})
            for (int index = 0; index < months; ++index) {
                const Facts facts = days.of(first.addMonths(index).addDays(day - 1));
                input.sun.push_back({facts.sunriseText, facts.sunsetText});
            }
    }
    // A day either side: a phase late on the last day in UT may fall on the next locally.
    const auto julianDay = [](const QDate& date) {
        return astro::julianDayUt({{date.year(), date.month(), date.day()}, 0}, 0);
    };
    for (const astro::PhaseInstant& instant :
         astro::principalPhasesBetween(julianDay(first) - 1, julianDay(end) + 1)) {
        const QDate local = days.localDateOf(instant.julianDayUt);
        if (local >= first && local < end)
            input.moon.push_back({local, pagePhase(instant.phase)});
    }
    if (events)
        input.holidays = pageHolidays(*events, first, end);
    return input;
}

print::YearPageInput yearPageInput(int year, const prefs::Settings* settings, const QLocale& locale,
                                   bool weekNumbers, const events::EventsModel* events) {
    return yearPageInput(QDate(year, 1, 1), 12, settings, locale, weekNumbers, events);
}

}  // namespace solvane
