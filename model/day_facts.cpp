// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "day_facts.h"

#include <QDateTime>
#include <QTimeZone>
#include <cmath>
#include <cstdint>

#include "events_model.h"
#include "moon_sky.h"
#include "moonphase.h"
#include "ordinal.h"
#include "place.h"
#include "settings.h"
#include "system_zone.h"
#include "timezone_sun.h"
#include "tmoon.h"

namespace solvane {
namespace {

// The local time of day whose moon stands for the date.
constexpr int kMoonHour = 18;

astro::Date toAstro(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

DayNotice noticeFor(const std::string& message) {
    if (message == astro::kNoSunrise)
        return DayNotice::NoSunrise;
    if (message == astro::kNoSunset)
        return DayNotice::NoSunset;
    return DayNotice::SunUpOrDownAllDay;
}

}  // namespace

Facts DayFacts::of(const QDate& date) {
    astro::SunTexts none;
    return of(date, none);
}

Facts DayFacts::of(const QDate& date, astro::SunTexts& kept) {
    Facts facts;
    facts.date = date;
    const prefs::Preferences settings = settings_ ? settings_->preferences() : prefs::Preferences{};
    if (settings_)
        readPlace(settings, facts);
    addSun(settings, kept, facts);
    addMoon(settings, facts);
    const astro::Date day = toAstro(date);
    facts.ordinalText =
        QString::fromStdString(astro::ordinalText(astro::yearText(day), astro::dayOfYear(day)));
    if (events_) {
        facts.events = events_->events(date);
        facts.holidayNames = events_->holidayNames(date);
    }
    return facts;
}

void DayFacts::readPlace(const prefs::Preferences& settings, Facts& facts) {
    const prefs::SunClock clock = clockInForce(settings);
    facts.zoneCity = clock.city;
    if (clock.city) {
        facts.latitude = clock.city->latitude;
        facts.longitudeNumber = -clock.city->longitude;
        return;
    }
    facts.latitude = placeNumber(settings.latitude, true, &latitude_, facts);
    facts.longitudeNumber = placeNumber(settings.longitude, false, &longitudeNumber_, facts);
}

// A text that is not a number is used with the last good number, and said so.
double DayFacts::placeNumber(const QString& text, bool latitude, double* lastGood, Facts& facts) {
    const std::string utf8 = text.toUtf8().toStdString();
    const std::optional<double> number =
        latitude ? astro::latitudeFromText(utf8) : astro::longitudeNumberFromText(utf8);
    if (!number) {
        facts.notices.push_back(latitude ? DayNotice::InvalidLatitude
                                         : DayNotice::InvalidLongitude);
        return *lastGood;
    }
    *lastGood = astro::roundTo2Decimals(*number);
    return *lastGood;
}

void DayFacts::addSun(const prefs::Preferences& settings, astro::SunTexts& kept,
                      Facts& facts) const {
    // Until a load has read the file whole, its place comes without its offset: times for it
    // would match no setting.
    const bool placeInForce = settings_ && !settings_->onlyPartlyRead();
    const Facts place = placeInForce ? facts : Facts{};
    const prefs::SunClock clock = placeInForce ? clockInForce(settings) : prefs::SunClock{};
    const astro::SunTexts::Shown shown =
        scanSun(kept, facts.date, place, astro::roundTo2Decimals(settings.offset), clock,
                settings.militaryTime);
    facts.sunComputed = place.latitude != 0 && place.longitudeNumber != 0;
    facts.sunriseText = QString::fromStdString(shown.sunrise);
    facts.sunsetText = QString::fromStdString(shown.sunset);
    facts.polarDay = shown.allDay > 0;
    facts.polarNight = shown.allDay < 0;
    for (const std::string& message : shown.messages)
        facts.notices.push_back(noticeFor(message));
}

// The zone in force: the system zone while its switch is on, the zone's city when the
// settings hold no place.
prefs::SunClock DayFacts::clockInForce(const prefs::Preferences& settings) {
    return prefs::sunClock(settings);
}

// The one sun computation of the program: the almanac's scan, on the zone's clock or at the
// fixed offset.
astro::SunTexts::Shown DayFacts::scanSun(astro::SunTexts& kept, const QDate& date,
                                         const Facts& place, double offset,
                                         const prefs::SunClock& clock, bool military) {
    // A longitude number without sign means west; the computation counts east positive.
    const double longitude = -place.longitudeNumber;
    if (clock.zone)
        return astro::computeSunInZone(kept, toAstro(date), place.latitude, longitude,
                                       prefs::noonOffsets(*clock.zone, toAstro(date)), military);
    return kept.compute(toAstro(date), place.latitude, longitude, offset, military);
}

// The moon at 6 PM on the clock in force: the zone's while the sun times follow it, else the
// fixed offset of the settings.
astro::MoonAspect DayFacts::moonAt(const QDate& date, const prefs::SunClock& clock,
                                   double offsetHours) {
    const astro::DateTime local{toAstro(date), kMoonHour};
    long offset = std::lround(offsetHours * 3600);
    if (clock.zone)
        offset = clock.zone->offsetFromUtc(QDateTime(date, QTime(kMoonHour, 0), *clock.zone));
    return astro::moonAspect(astro::julianDayUt(local, offset));
}

QDate DayFacts::localDateOf(double julianDayUt) const {
    // Julian day 2440587.5 is the Unix epoch.
    const auto utcSeconds = std::int64_t(std::llround((julianDayUt - 2440587.5) * 86400.0));
    const prefs::Preferences settings = settings_ ? settings_->preferences() : prefs::Preferences{};
    const prefs::SunClock clock = settings_ ? clockInForce(settings) : prefs::SunClock{};
    if (clock.zone)
        return QDateTime::fromSecsSinceEpoch(utcSeconds, *clock.zone).date();
    const long offset = std::lround(astro::roundTo2Decimals(settings.offset) * 3600);
    return QDateTime::fromSecsSinceEpoch(utcSeconds + offset, Qt::UTC).date();
}

QString DayFacts::clockName(const QDate& on) const {
    const prefs::Preferences settings = settings_ ? settings_->preferences() : prefs::Preferences{};
    const prefs::SunClock clock = settings_ ? clockInForce(settings) : prefs::SunClock{};
    if (clock.zone && prefs::systemZone() && !prefs::systemZone()->name.isEmpty())
        return prefs::systemZone()->name;
    const long offset = clock.zone
                            ? clock.zone->offsetFromUtc(QDateTime(on, QTime(12, 0), *clock.zone))
                            : std::lround(astro::roundTo2Decimals(settings.offset) * 3600);
    return QTimeZone(int(offset)).displayName(QTimeZone::StandardTime, QTimeZone::OffsetName);
}

void DayFacts::addMoon(const prefs::Preferences& settings, Facts& facts) const {
    const prefs::SunClock clock = settings_ ? clockInForce(settings) : prefs::SunClock{};
    const astro::MoonAspect aspect =
        moonAt(facts.date, clock, astro::roundTo2Decimals(settings.offset));
    facts.moonAngle = aspect.elongation;
    facts.moonLitFraction = aspect.litFraction;
    facts.moonPicture = astro::moonPicture(facts.moonAngle);
    facts.moonPhase = TMoon::PhaseName(facts.moonAngle);
}

}  // namespace solvane
