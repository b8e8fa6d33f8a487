// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The facts of one day at the place and clock the settings put in force: sunrise and sunset,
// the moon, the ordinal date, and what the user should be told about them. One query, a date
// in and facts out, for everything that shows a day (the strip, the notification-area hint,
// the accessible texts, a click on a day), so that no two of them can disagree. The facts are
// values: notices come as enum values and the window words them.

#include <QDate>
#include <QString>
#include <vector>

#include "day_event.h"
#include "moon_sky.h"
#include "sun.h"

namespace solvane {

namespace astro {
struct ZonePlace;
}
namespace events {
class EventsModel;
}
namespace prefs {
class Settings;
struct Preferences;
struct SunClock;
}  // namespace prefs

enum class DayNotice {
    InvalidLatitude,    // the latitude text is not a number: the last good number is used
    InvalidLongitude,   // the same for the longitude text
    SunUpOrDownAllDay,  // one scan found neither a rise nor a set (once per scan)
    NoSunrise,          // one scan found a set but no rise
    NoSunset,           // one scan found a rise but no set
};

struct Facts {
    QDate date;

    // The place the times are for: degrees, latitude north positive, the longitude number
    // west positive as the place texts mean a number without sign.
    double latitude = 0;
    double longitudeNumber = 0;
    // The zone's city when the settings hold no place (a first start); null otherwise.
    const astro::ZonePlace* zoneCity = nullptr;
    // False when the place is not set (a coordinate of 0) or not yet read whole: no times.
    bool sunComputed = false;
    // The texts the strip shows ("6:42A", "19:05"): the times of this date, or, where a scan
    // found none, the last of that kind found before by the same viewer; empty when none.
    QString sunriseText;
    QString sunsetText;
    bool polarDay = false;           // the sun stays up all day
    bool polarNight = false;         // the sun stays down all day
    std::vector<DayNotice> notices;  // in the order they are to be shown

    // The moon at 6 PM local time of the date, in radians: 0 new moon, pi/2 first quarter,
    // pi full moon, 3pi/2 last quarter.
    double moonAngle = 0;
    double moonLitFraction = 0;  // the share of the disc lit, 0 .. 1
    int moonPicture = 0;         // 1 .. 28; 0 when the angle lies on a threshold (keep the picture)
    QString moonPhase;           // "waxing crescent"

    QString ordinalText;  // "26.341"

    // The user's calendars on this date: empty without an events model or calendars. The
    // day is a holiday when holidayNames is not empty.
    QStringList holidayNames;
    std::vector<events::DayEvent> events;  // all day first, then by start
};

class DayFacts {
public:
    // Without settings no place is known and no sun is computed.
    void setSettings(const prefs::Settings* settings) { settings_ = settings; }
    // Without an events model no day has events.
    void setEvents(const events::EventsModel* events) { events_ = events; }

    // The facts of `date` for a viewer without history (the notification-area hint).
    Facts of(const QDate& date);
    // The same for a viewer that keeps showing the last time of each kind found (the strip):
    // `kept` holds those texts from one query to the next.
    Facts of(const QDate& date, astro::SunTexts& kept);

    // The date on the clock in force (the zone's, else the fixed offset) of an instant given
    // as a Julian day in UT: the local day of a phase of the moon.
    QDate localDateOf(double julianDayUt) const;
    // The clock in force for a title: "Europe/Berlin", else its offset on `on` ("UTC+01:00").
    QString clockName(const QDate& on) const;

    // The last place numbers read without error (degrees; the longitude west positive).
    double lastLatitude() const { return latitude_; }
    double lastLongitudeNumber() const { return longitudeNumber_; }

private:
    void readPlace(const prefs::Preferences& settings, Facts& facts);
    double placeNumber(const QString& text, bool latitude, double* lastGood, Facts& facts);
    void addSun(const prefs::Preferences& settings, astro::SunTexts& kept, Facts& facts) const;
    static prefs::SunClock clockInForce(const prefs::Preferences& settings);
    static astro::SunTexts::Shown scanSun(astro::SunTexts& kept, const QDate& date,
                                          const Facts& place, double offset,
                                          const prefs::SunClock& clock, bool military);
    static astro::MoonAspect moonAt(const QDate& date, const prefs::SunClock& clock,
                                    double offsetHours);
    void addMoon(const prefs::Preferences& settings, Facts& facts) const;

    const prefs::Settings* settings_ = nullptr;
    const events::EventsModel* events_ = nullptr;
    double latitude_ = 0;
    double longitudeNumber_ = 0;
};

}  // namespace solvane
